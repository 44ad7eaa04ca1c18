#include "widgets/passworddelegate.h"

#include "data/password.h"

#include <QLineEdit>

namespace {
// As many dots for every password, so that the list tells nothing of its length.
const QString hiddenPassword(8, QChar(0x2022));
} // namespace

QString PasswordDelegate::displayText(const QVariant& value, const QLocale&) const {
    return value.toString().isEmpty() ? QString() : hiddenPassword;
}

QWidget* PasswordDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const {
    auto* editor = new QLineEdit(parent);
    editor->setEchoMode(QLineEdit::Password);
    editor->setObjectName(QStringLiteral("passwordEditor"));
    return editor;
}

void PasswordDelegate::setEditorData(QWidget* editor, const QModelIndex&) const {
    static_cast<QLineEdit*>(editor)->clear();
}

void PasswordDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    const QString typed = static_cast<QLineEdit*>(editor)->text();
    // Only the hash is written: the users table never holds a password itself.
    const QString hash = typed.isEmpty() ? QString() : password::hashed(typed);
    if (!hash.isEmpty())
        model->setData(index, hash);
}
