#include "mycombobox.h"

#include <QCoreApplication>
#include <QKeyEvent>

MyComboBox::MyComboBox(QWidget* parent) : QComboBox(parent) {}

void MyComboBox::keyPressEvent(QKeyEvent* event) {
    // Return moves on to the next field once the combo box has taken it; keypad Enter does not.
    if (event->key() == Qt::Key_Return)
        QCoreApplication::postEvent(this,
                                    new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QString(), false, 1));
    QComboBox::keyPressEvent(event);
}
