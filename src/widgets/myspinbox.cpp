#include "myspinbox.h"

#include <QKeyEvent>
#include <QLineEdit>

MySpinBox::MySpinBox(QWidget* parent) : QDoubleSpinBox(parent) {}

void MySpinBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return) {
        emit returnPressed();
        lineEdit()->setSelection(0, 0);
    }
    QDoubleSpinBox::keyPressEvent(event);
}
