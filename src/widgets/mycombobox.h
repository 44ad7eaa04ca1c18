#pragma once

#include <QComboBox>

// A combo box on which Return also moves the focus to the next field.
class MyComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit MyComboBox(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
