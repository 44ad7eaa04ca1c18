#pragma once

#include <QStyledItemDelegate>

// Paints an appointment cell's background by the row's state (column 2): waiting red, present green. The
// state itself is shown in the program's language.
class Delegate2 : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit Delegate2(QObject* parent = nullptr);

    QString displayText(const QVariant& value, const QLocale& locale) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
