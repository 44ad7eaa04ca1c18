#include "widgets/savefailure.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>

namespace savefailure {

namespace {

QString busyText() {
    return QCoreApplication::translate(
        "SaveFailure", "La base de données est utilisée par un autre poste. Réessayez dans un instant.");
}

void warn(QWidget* parent, const QString& text, const QString& details = {}) {
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("SaveFailure", "Avertissement "), text,
                    QMessageBox::Ok, parent);
    if (!details.isEmpty())
        box.setInformativeText(details);
    box.exec();
}

} // namespace

bool report(QWidget* parent, sql::Outcome outcome, const QStringList& stored) {
    switch (outcome) {
    case sql::Outcome::Done:
        return true;
    case sql::Outcome::Busy:
        warn(parent, busyText());
        break;
    case sql::Outcome::Changed:
        warn(parent,
             QCoreApplication::translate(
                 "SaveFailure",
                 "Un autre poste a modifié ces données depuis que vous les avez ouvertes. Ce qui est enregistré "
                 "est maintenant affiché, et ce que vous avez saisi est conservé : enregistrez de nouveau pour "
                 "l'écrire."),
             stored.isEmpty() ? QString()
                              : QCoreApplication::translate(
                                    "SaveFailure", "Enregistré par l'autre poste, remplacé par votre saisie :") +
                                    QLatin1Char('\n') + stored.join(QLatin1Char('\n')));
        break;
    case sql::Outcome::Failed:
        warn(parent,
             QCoreApplication::translate("SaveFailure", "L'enregistrement a échoué : rien n'a été écrit. Réessayez."));
        break;
    }
    return false;
}

void reportChanged(QWidget* parent, LoadedRow& row, const QString& table, const QString& keyColumn, const QVariant& key,
                   const QString& deletedText) {
    const QSqlRecord now = sql::storedRow(table, keyColumn, key);
    if (now.isEmpty())
        warn(parent, deletedText);
    else
        report(parent, sql::Outcome::Changed,
               row.takeStored(now, QCoreApplication::translate("SaveFailure", "%1 : %2",
                                                               "a field's label and the value stored meanwhile")));
}

LoadedRow::Label labelOf(const QLabel* label) {
    return [label = QPointer<const QLabel>(label)] {
        if (!label)
            return QString();
        QString text = label->text();
        // "&&" stands for one ampersand; a single one marks the shortcut letter.
        text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
        text.remove(QLatin1Char('&'));
        text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
        text = text.trimmed();
        while (text.endsWith(QLatin1Char(':')))
            text = text.chopped(1).trimmed();
        return text;
    };
}

bool reportDeletion(QWidget* parent, sql::Outcome outcome) {
    if (outcome == sql::Outcome::Done)
        return true;
    warn(parent, outcome == sql::Outcome::Busy
                     ? busyText()
                     : QCoreApplication::translate("SaveFailure",
                                                   "La suppression a échoué : rien n'a été supprimé. Réessayez."));
    return false;
}

} // namespace savefailure
