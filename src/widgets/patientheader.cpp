#include "widgets/patientheader.h"

#include <QLabel>
#include <QSqlRecord>
#include <QVariant>

void showPatientHeader(const QSqlRecord& patient, const QString& ageSuffix, QLabel* name, QLabel* age,
                       QLabel* history) {
    // An empty record has no fields to ask for.
    const auto column = [&patient](const char* field) {
        return patient.isEmpty() ? QString() : patient.value(QLatin1String(field)).toString();
    };
    name->setText(column("Nom"));
    age->setText(column("Age") + ageSuffix);
    history->setText(column("Antecedent_G") + QStringLiteral(" / ") + column("Antecedent_L"));
}
