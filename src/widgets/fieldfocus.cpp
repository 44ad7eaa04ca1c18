#include "widgets/fieldfocus.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>

void focusAndSelect(QWidget* field) {
    field->setFocus(Qt::OtherFocusReason);
    if (auto* line = qobject_cast<QLineEdit*>(field)) {
        line->selectAll();
    } else if (qobject_cast<QDateTimeEdit*>(field)) {
        // A date edit selects its first section on entering, which is what typing should replace.
    } else if (auto* spin = qobject_cast<QAbstractSpinBox*>(field)) {
        spin->selectAll();
    } else if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->lineEdit()) {
        combo->lineEdit()->selectAll();
    }
}
