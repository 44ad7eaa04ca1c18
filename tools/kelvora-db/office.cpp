#include "office.h"

#include "data/password.h"
#include "data/sql.h"

#include <QDate>
#include <QDateTime>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace office {

namespace {

QString literal(const QString& text) {
    return QLatin1Char('\'') + sql::quoted(text) + QLatin1Char('\'');
}

// Runs one statement; the first failure is remembered and stops the filling.
class Writer {
public:
    bool run(const QString& statement) {
        if (!problem.isEmpty())
            return false;
        QSqlQuery query;
        if (!sql::exec(query, statement)) {
            problem = query.lastError().text() + QStringLiteral(" in: ") + statement;
            return false;
        }
        lastId = query.lastInsertId().toLongLong();
        return true;
    }
    QString problem;
    qint64 lastId = 0;
};

struct Act {
    const char* name;
    int fee;
    int prosthesisFee;
};

// The office's usual acts with the fees it charges unless told otherwise.
const Act acts[] = {
    {"Consultation", 1000, 0},
    {"Détartrage", 3000, 0},
    {"Extraction", 2000, 0},
    {"Extraction chirurgicale", 5000, 0},
    {"Obturation provisoire", 1500, 0},
    {"Obturation au composite", 3500, 0},
    {"Obturation à l'amalgame", 2500, 0},
    {"Obturation canalaire", 6000, 0},
    {"Pulpotomie", 3000, 0},
    {"Curetage parodontal", 4000, 0},
    {"Scellement de sillons", 2000, 0},
    {"Radiographie rétro-alvéolaire", 800, 0},
    {"Blanchiment", 15000, 0},
    {"Couronne céramo-métallique", 8000, 25000},
    {"Bridge", 10000, 60000},
    {"Prothèse adjointe partielle", 5000, 30000},
};

const char* const reasons[] = {"Anomalie buccale", "Douleur dentaire", "Motif parodental", "Motif prothétique",
                               "Motif préventif",  "Motif ésthétique", "Ordonnance"};

const char* const diagnoses[] = {"Caries dentaire",
                                 "Gingivite",
                                 "Parodontites",
                                 "Pulpite réversible",
                                 "Pulpite irréversible",
                                 "Nécrose pulpaire",
                                 "Abcès dentaire",
                                 "Cellulite d'origine dentaire",
                                 "Fracture dentaire",
                                 "Édentement partiel",
                                 "Édentement total",
                                 "Malocclusion",
                                 "Hypersensibilité dentinaire",
                                 "Péricoronarite",
                                 "Alvéolite",
                                 "Dyschromie",
                                 "Usure dentaire"};

const char* const prosthesisTypes[] = {
    "Couronne céramo-métallique", "Couronne céramique", "Bridge",           "Prothèse adjointe partielle",
    "Prothèse adjointe totale",   "Inlay-core",         "Facette céramique"};

// Drug, strength, form, dosage and quantity, separated by runs of blanks and tabs.
const char* const medicaments[] = {
    "Amoxicilline\t\t1 g\t\tcomprimé\t1 cp matin et soir pendant 7 jours\t\t1 boîte",
    "Amoxicilline + ac. clavulanique\t1 g\tsachet\t\t1 sachet matin et soir pendant 7 jours\t2 boîtes",
    "Métronidazole\t\t500 mg\t\tcomprimé\t1 cp 3 fois par jour pendant 7 jours\t1 boîte",
    "Spiramycine + métronidazole\t1,5 MUI\tcomprimé\t2 cp 3 fois par jour pendant 6 jours\t1 boîte",
    "Clindamycine\t\t300 mg\t\tgélule\t\t2 gélules 2 fois par jour pendant 7 jours\t1 boîte",
    "Paracétamol\t\t1 g\t\tcomprimé\t1 cp toutes les 6 heures si douleur\t1 boîte",
    "Paracétamol + codéine\t500 mg\t\tcomprimé\t1 cp 3 fois par jour\t\t1 boîte",
    "Ibuprofène\t\t400 mg\t\tcomprimé\t1 cp 3 fois par jour au repas\t1 boîte",
    "Kétoprofène\t\t100 mg\t\tgélule\t\t1 gélule 2 fois par jour au repas\t1 boîte",
    "Prednisolone\t\t20 mg\t\tcomprimé\t3 cp le matin pendant 3 jours\t\t1 boîte",
    "Chlorhexidine\t\t0,12 %\t\tbain de bouche\t3 fois par jour après le brossage\t1 flacon",
};

const char* const generalHistory[] = {"Antécédent",
                                      "Diabète",
                                      "Hypertension artérielle",
                                      "Cardiopathie",
                                      "Allergie à la pénicilline",
                                      "Asthme",
                                      "Traitement anticoagulant",
                                      "Grossesse"};

const char* const localHistory[] = {"Antécédent", "Extraction récente", "Bruxisme", "Traitement orthodontique",
                                    "Parodontite chronique"};

template <std::size_t N>
void fillList(Writer& writer, const QString& table, const QString& column, const char* const (&items)[N]) {
    int code = 1;
    for (const char* item : items)
        writer.run(QStringLiteral("insert into %1 (Code, %2) values ('%3', %4)")
                       .arg(table, column, QString::number(code++), literal(QString::fromUtf8(item))));
}

struct Person {
    const char* name;
    char sex;
    int age;
    const char* phone;
    const char* address;
};

// Names are written "Nom Prénom", as the register shows them.
const Person people[] = {
    {"Martin Jean", 'M', 54, "06 12 45 78 90", "12, rue de la République, Lyon"},
    {"Bernard Sophie", 'F', 37, "06 23 56 89 01", "3, place Bellecour, Lyon"},
    {"Dubois Hélène", 'F', 68, "04 78 12 34 56", "27, avenue Jean Jaurès, Villeurbanne"},
    {"Lefèvre François", 'M', 45, "06 34 67 90 12", "8, rue Mercière, Lyon"},
    {"O'Neill Patrick", 'M', 29, "07 45 78 01 23", "15, quai Saint-Antoine, Lyon"},
    {"D'Amico Lucia", 'F', 41, "06 56 89 12 34", "2, rue d'Algérie, Lyon"},
    {"Moreau Chloé", 'F', 12, "06 67 90 23 45", "44, cours Gambetta, Lyon"},
    {"Girard Étienne", 'M', 73, "04 72 23 45 67", "5, montée de la Grande Côte, Lyon"},
    {"Laurent Amélie", 'F', 33, "06 78 01 34 56", "19, rue Victor Hugo, Lyon"},
    {"Roux Benoît", 'M', 50, "06 89 12 45 67", "61, boulevard des Belges, Lyon"},
    {"Fournier Cécile", 'F', 26, "07 90 23 56 78", "7, rue de l'Arbre Sec, Lyon"},
    {"Mercier Noël", 'M', 62, "04 78 34 56 78", "33, avenue Berthelot, Lyon"},
    {"Blanc Maëlle", 'F', 8, "06 01 34 67 89", "10, rue Garibaldi, Lyon"},
    {"Guérin Raphaël", 'M', 39, "06 12 56 90 34", "4, impasse des Lilas, Bron"},
    {"Faure Joséphine", 'F', 81, "04 72 45 67 89", "21, chemin de l'Étang, Écully"},
    {"André Théo", 'M', 17, "07 23 67 01 45", "9, rue Paul Bert, Lyon"},
    {"L'Hôte Marguerite", 'F', 58, "06 34 78 12 56", "16, allée des Érables, Caluire"},
    {"Chevalier Loïc", 'M', 47, "06 45 89 23 67", "30, rue de Créqui, Lyon"},
    {"Gauthier Inès", 'F', 22, "07 56 90 34 78", "52, rue de Marseille, Lyon"},
    {"Perrin Gérard", 'M', 76, "04 78 56 78 90", "1, place des Terreaux, Lyon"},
    {"Rousseau Anaïs", 'F', 31, "06 67 01 45 89", "13, rue Juliette Récamier, Lyon"},
    {"Fontaine Jérôme", 'M', 43, "06 78 12 56 90", "6, rue du Bœuf, Lyon"},
    {"Lemaire Solène", 'F', 35, "06 89 23 67 01", "24, avenue de Saxe, Lyon"},
    {"Boyer Aurélien", 'M', 28, "07 90 34 78 12", "11, rue Saint-Jean, Lyon"},
    {"Dupré Geneviève", 'F', 66, "04 72 67 89 01", "38, rue d'Inkermann, Lyon"},
    {"Barbier Cédric", 'M', 52, "06 01 45 89 23", "17, rue Tronchet, Lyon"},
    {"Vidal Zoé", 'F', 6, "06 12 67 01 34", "29, rue Duguesclin, Lyon"},
    {"Renaud Hervé", 'M', 59, "06 23 78 12 45", "3 bis, rue de la Part-Dieu, Lyon"},
    {"Schmitt Bérénice", 'F', 44, "06 34 89 23 56", "55, cours Lafayette, Lyon"},
    {"N'Diaye Moussa", 'M', 36, "07 45 90 34 67", "20, rue Pasteur, Vénissieux"},
    {"Caron Océane", 'F', 19, "07 56 01 45 78", "8, rue des Capucins, Lyon"},
    {"Picard Jean-Noël", 'M', 70, "04 78 78 90 12", "14, rue Sainte-Hélène, Lyon"},
    {"Lacroix Élodie", 'F', 40, "06 67 12 56 89", "42, avenue Félix Faure, Lyon"},
    {"Da Costa João", 'M', 48, "06 78 23 67 90", "26, rue de Gerland, Lyon"},
};

struct Plan {
    const char* reason;
    const char* diagnosis;
    int actIndexes[3];
    const char* prosthesisType = "";
};

const Plan carePlans[] = {
    {"Douleur dentaire", "Caries dentaire", {0, 5, -1}}, {"Douleur dentaire", "Pulpite irréversible", {0, 11, 7}},
    {"Motif préventif", "Gingivite", {1, -1, -1}},       {"Douleur dentaire", "Abcès dentaire", {0, 2, -1}},
    {"Motif parodental", "Parodontites", {1, 9, -1}},    {"Motif préventif", "Caries dentaire", {10, -1, -1}},
    {"Douleur dentaire", "Caries dentaire", {4, 6, -1}}, {"Motif ésthétique", "Dyschromie", {12, -1, -1}},
    {"Anomalie buccale", "Péricoronarite", {0, 3, -1}},  {"Ordonnance", "Alvéolite", {0, -1, -1}},
};

const Plan prosthesisPlans[] = {
    {"Motif prothétique", "Édentement partiel", {13, -1, -1}, "Couronne céramo-métallique"},
    {"Motif prothétique", "Édentement partiel", {14, -1, -1}, "Bridge"},
    {"Motif prothétique", "Édentement partiel", {15, -1, -1}, "Prothèse adjointe partielle"},
};

const char* const plannedTreatments[] = {
    "Contrôle",          "Détartrage",       "Extraction", "Obturation", "Obturation canalaire",
    "Prise d'empreinte", "Pose de couronne", "Urgence",    "Blanchiment"};

QString visitDate(const QDateTime& when) {
    return when.toString(QStringLiteral("dd-MM-yyyy HH:mm"));
}
QString appointmentDate(const QDateTime& when) {
    return when.toString(QStringLiteral("dd-MM-yyyy HH:mm:ss"));
}

// A working time of a day: between 8:30 and 17:30, on the half hour.
QDateTime atSlot(const QDate& day, int slot) {
    return QDateTime(day, QTime(8, 30).addSecs(30 * 60 * (slot % 19)));
}

} // namespace

QString fillReferenceLists() {
    Writer writer;
    int code = 1;
    for (const Act& act : acts)
        writer.run(QStringLiteral("insert into acte (Code, Acte, Frais, FraisProthese) values ('%1', %2, %3, %4)")
                       .arg(QString::number(code++), literal(QString::fromUtf8(act.name)))
                       .arg(act.fee)
                       .arg(act.prosthesisFee));
    fillList(writer, QStringLiteral("Motif"), QStringLiteral("motif"), reasons);
    fillList(writer, QStringLiteral("Diagnostique"), QStringLiteral("diagnostique"), diagnoses);
    fillList(writer, QStringLiteral("TypeProthese"), QStringLiteral("TypeProthese"), prosthesisTypes);
    fillList(writer, QStringLiteral("Medicament"), QStringLiteral("\"Médicament\""), medicaments);
    fillList(writer, QStringLiteral("AntecedentsG"), QStringLiteral("Antecedent"), generalHistory);
    fillList(writer, QStringLiteral("AntecedentsL"), QStringLiteral("Antecedent"), localHistory);
    return writer.problem;
}

QString addFirstUser(const QString& name, const QString& plainPassword) {
    Writer writer;
    writer.run(QStringLiteral("insert into user (Name, Password, Role, DrNom, Adresse, OrdonnancePied) "
                              "values (%1, %2, 1, %3, '', '')")
                   .arg(literal(name), literal(password::hashed(plainPassword)), literal(name)));
    return writer.problem;
}

QString fillDemo(const QString& firstUserName) {
    Writer writer;
    // Always the same office, only its dates follow today.
    QRandomGenerator random(20170614);
    const QDate today = QDate::currentDate();
    const QString address = QStringLiteral("14, avenue de l'Europe - 69003 Lyon");
    const QString footer = QStringLiteral("Cabinet dentaire de l'Europe - Tél. 04 78 60 12 34 - "
                                          "Sur rendez-vous du lundi au samedi");

    struct DemoUser {
        const char* name;
        const char* password;
        int role;
        const char* doctor;
    };
    const DemoUser users[] = {
        {"Dr Benali", "benali", 1, "Dr Karim Benali"},
        {"Dr Lefèvre", "lefevre", 2, "Dr Claire Lefèvre"},
        {"Sophie", "sophie", 3, ""},
        {"Léa", "lea", 4, ""},
    };
    QVector<qint64> doctorIds;
    QStringList userNames;
    for (const DemoUser& user : users) {
        userNames << QString::fromUtf8(user.name);
        // The first user may already bear a demo user's name: names must stay unique for the login.
        if (QString::fromUtf8(user.name).compare(firstUserName, Qt::CaseInsensitive) == 0)
            continue;
        writer.run(
            QStringLiteral("insert into user (Name, Password, Role, DrNom, Adresse, OrdonnancePied) "
                           "values (%1, %2, %3, %4, %5, %6)")
                .arg(literal(QString::fromUtf8(user.name)), literal(password::hashed(QString::fromUtf8(user.password))))
                .arg(user.role)
                .arg(literal(QString::fromUtf8(user.doctor)), literal(*user.doctor ? address : QString()),
                     literal(*user.doctor ? footer : QString())));
        if (user.role <= 2)
            doctorIds << writer.lastId;
    }
    // The first user is a doctor of the office too: his prescriptions are headed by a doctor's name rather
    // than his login, and by the office's address.
    writer.run(QStringLiteral("update user set DrNom = %1 where Name = %2 and (DrNom is null or DrNom = '' or "
                              "DrNom = Name)")
                   .arg(literal(QStringLiteral("Dr ") + firstUserName.left(1).toUpper() + firstUserName.mid(1)),
                        literal(firstUserName)));
    writer.run(QStringLiteral("update user set Adresse = %1, OrdonnancePied = %2 where Name = %3 and "
                              "(Adresse is null or Adresse = '')")
                   .arg(literal(address), literal(footer), literal(firstUserName)));

    writer.run(
        QStringLiteral("insert into Prothesistes (Code, Nom, Tel, Adresse) values "
                       "('1', 'Laboratoire Dentaire du Rhône', '04 78 11 22 33', '5, rue de l''Industrie, Lyon'), "
                       "('2', 'Prothèses Martinière', '04 72 44 55 66', '18, quai de la Pêcherie, Lyon'), "
                       "('3', '', '', '')"));

    QVector<qint64> patientIds;
    int file = 1;
    for (const Person& person : people) {
        const QString history = person.age > 60 ? QStringLiteral("Hypertension artérielle") : QString();
        writer.run(
            QStringLiteral("insert into Patients (Nom, Age, Annee, Sexe, Tel, Adresse, Antecedent_G, "
                           "Antecedent_L, Autres, \"n°dossier\") values (%1, %2, %3, '%4', %5, %6, %7, %8, %9, %10)")
                .arg(literal(QString::fromUtf8(person.name)))
                .arg(person.age)
                .arg(today.year() - person.age)
                .arg(QLatin1Char(person.sex))
                .arg(literal(QString::fromUtf8(person.phone)), literal(QString::fromUtf8(person.address)),
                     literal(history), literal(person.age < 15 ? QStringLiteral("Dents de lait") : QString()),
                     literal(file % 7 == 0 ? QStringLiteral("Vient avec un accompagnant") : QString()),
                     literal(QStringLiteral("%1-%2").arg(today.year()).arg(file, 3, 10, QLatin1Char('0')))));
        patientIds << writer.lastId;
        ++file;
    }

    // Visits over the last eighteen months, newest today; some paid in full, some in part, some not yet.
    for (int p = 0; p < patientIds.size(); ++p) {
        const int visits = int(random.bounded(4)) + (p % 5 == 0 ? 0 : 1);
        for (int v = 0; v < visits; ++v) {
            const bool prosthesis = random.bounded(5) == 0;
            const Plan& plan = prosthesis ? prosthesisPlans[random.bounded(3)] : carePlans[random.bounded(10)];
            const int daysAgo = p < 4 && v == 0 ? 0 : int(random.bounded(540)) + 1;
            const QDateTime when = atSlot(today.addDays(-daysAgo), int(random.bounded(19)));
            const QString type = prosthesis ? QStringLiteral("PROTHESE") : QStringLiteral("SOINS");
            writer.run(
                QStringLiteral("insert into Visites (PatientNum, Type, VDate, Motif, Diagnostique, TypeProthese) "
                               "values (%1, '%2', '%3', %4, %5, %6)")
                    .arg(patientIds.at(p))
                    .arg(type, visitDate(when), literal(QString::fromUtf8(plan.reason)),
                         literal(QString::fromUtf8(plan.diagnosis)), literal(QString::fromUtf8(plan.prosthesisType))));
            const qint64 visit = writer.lastId;
            const qint64 doctor = doctorIds.at(int(random.bounded(doctorIds.size())));
            int minutes = 0;
            for (int index : plan.actIndexes) {
                if (index < 0)
                    continue;
                const Act& act = acts[index];
                const int fee = prosthesis ? act.prosthesisFee : act.fee;
                const int share = int(random.bounded(4));
                const int paid = share == 0 ? 0 : share == 1 ? fee / 2 : fee;
                const QString prescription =
                    index == 2 || index == 3 || index == 7
                        ? QString::fromUtf8(medicaments[0]) + QLatin1Char('\n') + QString::fromUtf8(medicaments[5])
                        : QString();
                writer.run(QStringLiteral("insert into Traitements (visite_id, VDate, Acte, Ordonnance, Frais, "
                                          "Payement, Medcin_id, format) values (%1, '%2', %3, %4, %5, %6, %7, 'PNG')")
                               .arg(visit)
                               .arg(visitDate(when.addSecs(60 * minutes)), literal(QString::fromUtf8(act.name)),
                                    literal(prescription))
                               .arg(fee)
                               .arg(paid)
                               .arg(doctor));
                minutes += 20;
            }
        }
    }

    // Today's book: the morning has come and gone (present or absent), the afternoon is still waiting. Each
    // appointment is with one of the two dentists (the first two demo users), whoever booked it.
    const int morningSlots = 8;
    for (int i = 0; i < 10; ++i) {
        const QDateTime when = atSlot(today, i * 2);
        const QString state = i < morningSlots / 2 ? (i == 2 ? QStringLiteral("Absent") : QStringLiteral("Présent"))
                                                   : QStringLiteral("En attente");
        writer.run(QStringLiteral("insert into Rendezvous (PatientNum, RVDate, \"Médecin\", traitement, Etat) "
                                  "values (%1, '%2', %3, %4, %5)")
                       .arg(patientIds.at((i * 3) % patientIds.size()))
                       .arg(appointmentDate(when), literal(userNames.at(i % 3 == 0 ? 0 : 1)),
                            literal(QString::fromUtf8(plannedTreatments[i % 9])), literal(state)));
    }
    // Other days: the past ones are settled, the coming ones wait.
    for (int day = -10; day <= 14; ++day) {
        if (day == 0)
            continue;
        const QDate date = today.addDays(day);
        const int count = int(random.bounded(3)) + 1;
        for (int i = 0; i < count; ++i) {
            const QDateTime when = atSlot(date, int(random.bounded(19)));
            QString state = QStringLiteral("En attente");
            if (day < 0)
                state = random.bounded(5) == 0 ? QStringLiteral("Absent") : QStringLiteral("Présent");
            writer.run(QStringLiteral("insert into Rendezvous (PatientNum, RVDate, \"Médecin\", traitement, Etat) "
                                      "values (%1, '%2', %3, %4, %5)")
                           .arg(patientIds.at(int(random.bounded(patientIds.size()))))
                           .arg(appointmentDate(when), literal(userNames.at(int(random.bounded(2)))),
                                literal(QString::fromUtf8(plannedTreatments[random.bounded(9)])), literal(state)));
        }
    }
    return writer.problem;
}

} // namespace office
