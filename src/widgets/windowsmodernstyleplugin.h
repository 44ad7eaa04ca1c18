#pragma once

#include <QStylePlugin>

// Lets the toolkit create WindowsModernStyle by its name, "windowsmodernstyle" in any letter case.
class WindowsModernStylePlugin : public QStylePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QStyleFactoryInterface_iid FILE "windowsmodernstyle.json")

public:
    QStringList keys() const;
    QStyle* create(const QString& key) override;
};
