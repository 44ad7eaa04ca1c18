#pragma once

#include <QDoubleSpinBox>

// A decimal spin box that announces Return with returnPressed(), before committing the typed value.
class MySpinBox : public QDoubleSpinBox {
    Q_OBJECT
public:
    explicit MySpinBox(QWidget* parent = nullptr);

signals:
    void returnPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
