#include "widgets/columntitles.h"

#include <QAbstractItemModel>
#include <QCoreApplication>

namespace {

const char context[] = "ColumnTitles";
const int columnNameRole = Qt::UserRole;

struct Title {
    const char* column; // the database column, compared without regard to letter case
    const char* title;
};

const Title titles[] = {
    // Patients
    {"Num", QT_TRANSLATE_NOOP("ColumnTitles", "N°")},
    {"Nom", QT_TRANSLATE_NOOP("ColumnTitles", "Nom")},
    {"Age", QT_TRANSLATE_NOOP("ColumnTitles", "Âge")},
    {"Annee", QT_TRANSLATE_NOOP("ColumnTitles", "Année de naissance")},
    {"Sexe", QT_TRANSLATE_NOOP("ColumnTitles", "Sexe")},
    {"Tel", QT_TRANSLATE_NOOP("ColumnTitles", "Téléphone")},
    {"Adresse", QT_TRANSLATE_NOOP("ColumnTitles", "Adresse")},
    {"Antecedent_G", QT_TRANSLATE_NOOP("ColumnTitles", "Antécédents généraux")},
    {"Antecedent_L", QT_TRANSLATE_NOOP("ColumnTitles", "Antécédents dentaires")},
    {"Autres", QT_TRANSLATE_NOOP("ColumnTitles", "Autres")},
    {"n°dossier", QT_TRANSLATE_NOOP("ColumnTitles", "N° de dossier")},
    // Visits and their sums
    {"PatientNum", QT_TRANSLATE_NOOP("ColumnTitles", "N° du patient")},
    {"VisiteNum", QT_TRANSLATE_NOOP("ColumnTitles", "N° de visite")},
    {"visite_id", QT_TRANSLATE_NOOP("ColumnTitles", "N° de visite")},
    {"VDate", QT_TRANSLATE_NOOP("ColumnTitles", "Date")},
    {"Date", QT_TRANSLATE_NOOP("ColumnTitles", "Date")},
    {"Type", QT_TRANSLATE_NOOP("ColumnTitles", "Type")},
    {"Motif", QT_TRANSLATE_NOOP("ColumnTitles", "Motif")},
    {"Diagnostique", QT_TRANSLATE_NOOP("ColumnTitles", "Diagnostic")},
    {"TypeProthese", QT_TRANSLATE_NOOP("ColumnTitles", "Type de prothèse")},
    {"SommeDeFrais", QT_TRANSLATE_NOOP("ColumnTitles", "Total des frais")},
    {"SommeDePayement", QT_TRANSLATE_NOOP("ColumnTitles", "Total payé")},
    {"Reste", QT_TRANSLATE_NOOP("ColumnTitles", "Reste")},
    // Acts
    {"id", QT_TRANSLATE_NOOP("ColumnTitles", "N°")},
    {"Acte", QT_TRANSLATE_NOOP("ColumnTitles", "Acte")},
    {"Frais", QT_TRANSLATE_NOOP("ColumnTitles", "Frais")},
    {"Payement", QT_TRANSLATE_NOOP("ColumnTitles", "Payement")},
    {"FraisProthese", QT_TRANSLATE_NOOP("ColumnTitles", "Frais de prothèse")},
    {"Médecin_Traitant", QT_TRANSLATE_NOOP("ColumnTitles", "Médecin traitant")},
    {"Médecin", QT_TRANSLATE_NOOP("ColumnTitles", "Médecin")},
    {"medcin_id", QT_TRANSLATE_NOOP("ColumnTitles", "N° du médecin")},
    {"ordonnance", QT_TRANSLATE_NOOP("ColumnTitles", "Ordonnance")},
    {"Radio", QT_TRANSLATE_NOOP("ColumnTitles", "Radio")},
    // Appointments
    {"RVNum", QT_TRANSLATE_NOOP("ColumnTitles", "N° de rendez-vous")},
    {"RVDate", QT_TRANSLATE_NOOP("ColumnTitles", "Jour")},
    {"Etat", QT_TRANSLATE_NOOP("ColumnTitles", "État")},
    {"traitement", QT_TRANSLATE_NOOP("ColumnTitles", "Acte prévu")},
    // Reference lists and users
    {"Code", QT_TRANSLATE_NOOP("ColumnTitles", "Code")},
    {"Médicament", QT_TRANSLATE_NOOP("ColumnTitles", "Médicament")},
    {"Antecedent", QT_TRANSLATE_NOOP("ColumnTitles", "Antécédent")},
    {"Name", QT_TRANSLATE_NOOP("ColumnTitles", "Nom d'utilisateur")},
    {"Password", QT_TRANSLATE_NOOP("ColumnTitles", "Mot de passe")},
    {"Role", QT_TRANSLATE_NOOP("ColumnTitles", "Rôle")},
    {"DrNom", QT_TRANSLATE_NOOP("ColumnTitles", "Nom du médecin")},
    {"OrdonnancePied", QT_TRANSLATE_NOOP("ColumnTitles", "Pied d'ordonnance")},
};

const char* titleOf(const QString& column) {
    for (const Title& entry : titles)
        if (column.compare(QString::fromUtf8(entry.column), Qt::CaseInsensitive) == 0)
            return entry.title;
    return nullptr;
}

} // namespace

void setColumnTitles(QAbstractItemModel* model) {
    if (!model) // a list not built yet gets its titles when it is
        return;
    for (int column = 0; column < model->columnCount(); ++column) {
        QString name = model->headerData(column, Qt::Horizontal, columnNameRole).toString();
        if (name.isEmpty()) {
            name = model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
            model->setHeaderData(column, Qt::Horizontal, name, columnNameRole);
        }
        if (const char* title = titleOf(name))
            model->setHeaderData(column, Qt::Horizontal, QCoreApplication::translate(context, title));
    }
}
