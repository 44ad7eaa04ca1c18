// An office that has run for years: tens of thousands of patients with their visits, acts and appointments,
// written in one transaction through prepared statements so that twenty years take seconds, not hours.

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

#include <algorithm>
#include <iterator>
#include <vector>

namespace office {

namespace {

// A year of the office: new patients, visits, acts (about two and a half per visit) and appointments.
constexpr int patientsPerYear = 2500;
constexpr int visitsPerYear = 10000;
constexpr int appointmentsPerYear = 5000;
constexpr int daysAhead = 60; // appointments are booked up to two months ahead

const char* const surnames[] = {
    "Martin",    "Bernard",   "Dubois",     "Thomas",    "Robert",   "Richard",  "Petit",    "Durand",      "Leroy",
    "Moreau",    "Simon",     "Laurent",    "Lefèvre",   "Michel",   "Garcia",   "David",    "Bertrand",    "Roux",
    "Vincent",   "Fournier",  "Morel",      "Girard",    "André",    "Lefebvre", "Mercier",  "Dupont",      "Lambert",
    "Bonnet",    "François",  "Martinez",   "Legrand",   "Garnier",  "Faure",    "Rousseau", "Blanc",       "Guérin",
    "Muller",    "Henry",     "Roussel",    "Nicolas",   "Perrin",   "Morin",    "Mathieu",  "Clément",     "Gauthier",
    "Dumont",    "Lopez",     "Fontaine",   "Chevalier", "Robin",    "Masson",   "Sanchez",  "Gérard",      "Nguyen",
    "Boyer",     "Denis",     "Lemaire",    "Duval",     "Joly",     "Gautier",  "Roger",    "Roche",       "Roy",
    "Noël",      "Meyer",     "Lucas",      "Meunier",   "Jean",     "Pérez",    "Marchand", "Dufour",      "Blanchard",
    "Marie",     "Barbier",   "Brun",       "Dumas",     "Brunet",   "Schmitt",  "Leroux",   "Colin",       "Fernandez",
    "Pierre",    "Renard",    "Arnaud",     "Rolland",   "Caron",    "Aubert",   "Giraud",   "Leclerc",     "Vidal",
    "Bourgeois", "Renaud",    "Lemoine",    "Picard",    "Gaillard", "Philippe", "Leclercq", "Lacroix",     "Fabre",
    "Dupuis",    "Olivier",   "Rodriguez",  "Da Silva",  "Hubert",   "Louis",    "Charles",  "Guillot",     "Rivière",
    "Le Gall",   "Guillaume", "Adam",       "Rey",       "Moulin",   "Gonzalez", "Berger",   "Lecomte",     "Ménard",
    "Fleury",    "Deschamps", "Carpentier", "Julien",    "Benoît",   "Paris",    "Maillard", "Marchal",     "Aubry",
    "Vasseur",   "Le Roux",   "Renault",    "Jacquet",   "Collet",   "Prévost",  "Poirier",  "Charpentier", "Royer",
    "Huet",      "Baron",     "Dupuy",      "Pons",      "Paul",     "Laine",    "Carré",    "Bréchet",     "Rémy",
    "Schneider", "Perrot",    "Guyot",      "Barré",     "Marty",    "Cousin",   "Benali",   "Haddad",      "Mansouri",
    "Rahmani",   "Saïdi",     "Belkacem",   "Bouzid",    "Cherif",   "Hamidi",   "Zerrouki", "O'Brien",     "O'Neill",
    "D'Amico",   "N'Diaye",   "L'Hôte",     "Diallo",    "Traoré",   "Koné",     "Ferreira", "Pereira",     "Costa",
    "Santos",    "Oliveira",  "Müller",     "Weiß",      "Łukasik",  "Åberg",    "Núñez",    "Ibáñez",      "Çelik",
    "Yılmaz",    "Øster",     "Dvořák",     "Novák",
};

const char* const firstNames[] = {
    "Jean",      "Marie",     "Pierre",     "Sophie",     "Michel",    "Isabelle",  "Philippe", "Nathalie", "Alain",
    "Catherine", "Nicolas",   "Sylvie",     "Christophe", "Céline",    "Patrick",   "Valérie",  "Stéphane", "Sandrine",
    "Laurent",   "Christine", "Frédéric",   "Véronique",  "Éric",      "Hélène",    "Olivier",  "Anne",     "Julien",
    "Émilie",    "François",  "Aurélie",    "Thierry",    "Chloé",     "Sébastien", "Camille",  "David",    "Léa",
    "Thomas",    "Manon",     "Antoine",    "Inès",       "Lucas",     "Jade",      "Hugo",     "Louise",   "Théo",
    "Zoé",       "Raphaël",   "Maëlle",     "Noël",       "Joséphine", "Benoît",    "Cécile",   "Jérôme",   "Solène",
    "Aurélien",  "Geneviève", "Cédric",     "Bérénice",   "Hervé",     "Océane",    "Loïc",     "Anaïs",    "Étienne",
    "Amélie",    "Gérard",    "Marguerite", "Raphaëlle",  "Noémie",    "Mathéo",    "Clémence", "Jérémie",  "Agnès",
    "Karim",     "Nadia",     "Sofiane",    "Amel",       "Yacine",    "Meriem",    "Seán",     "Élodie",   "Moussa",
    "Fatoumata", "João",      "Lucía",      "José",       "Ana",       "Jürgen",    "Björn",    "Zoë",      "Héloïse",
    "Grégoire",  "Timothée",  "Adèle",      "Maël",       "Lenaïg",    "Gaëtan",    "Gaëlle",   "Ophélie",  "Valentin",
    "Margaux",   "Baptiste",  "Juliette",   "Quentin",    "Pauline",   "Romain",    "Mélanie",  "Maxime",   "Laure",
};

const char* const streets[] = {
    "rue de la République",  "place Bellecour",      "avenue Jean Jaurès", "rue Mercière",
    "quai Saint-Antoine",    "rue d'Algérie",        "cours Gambetta",     "montée de la Grande Côte",
    "rue Victor Hugo",       "boulevard des Belges", "rue de l'Arbre Sec", "avenue Berthelot",
    "rue Garibaldi",         "impasse des Lilas",    "chemin de l'Étang",  "rue Paul Bert",
    "allée des Érables",     "rue de Créqui",        "rue de Marseille",   "place des Terreaux",
    "rue Juliette Récamier", "rue du Bœuf",          "avenue de Saxe",     "rue Saint-Jean",
    "rue d'Inkermann",       "rue Tronchet",         "rue Duguesclin",     "rue de la Part-Dieu",
    "cours Lafayette",       "rue Pasteur",
};

const char* const towns[] = {"Lyon",    "Villeurbanne",        "Bron",       "Écully",          "Caluire", "Vénissieux",
                             "Oullins", "Tassin-la-Demi-Lune", "Saint-Fons", "Décines-Charpieu"};

const char* const generalHistory[] = {
    "Diabète", "Hypertension artérielle",  "Cardiopathie", "Allergie à la pénicilline",
    "Asthme",  "Traitement anticoagulant", "Grossesse",    "Insuffisance rénale"};
const char* const localHistory[] = {"Extraction récente", "Bruxisme", "Traitement orthodontique",
                                    "Parodontite chronique"};
const char* const remarks[] = {"Vient avec un accompagnant", "Préfère le matin", "Anxieux", "Dents de lait",
                               "Rappeler la veille"};

struct Act {
    const char* name;
    int fee;
};
const Act careActs[] = {{"Consultation", 1000},
                        {"Détartrage", 3000},
                        {"Extraction", 2000},
                        {"Extraction chirurgicale", 5000},
                        {"Obturation provisoire", 1500},
                        {"Obturation au composite", 3500},
                        {"Obturation à l'amalgame", 2500},
                        {"Obturation canalaire", 6000},
                        {"Pulpotomie", 3000},
                        {"Curetage parodontal", 4000},
                        {"Scellement de sillons", 2000},
                        {"Radiographie rétro-alvéolaire", 800}};
const Act prosthesisActs[] = {
    {"Couronne céramo-métallique", 25000}, {"Bridge", 60000}, {"Prothèse adjointe partielle", 30000}};

const char* const careReasons[] = {"Anomalie buccale", "Douleur dentaire", "Motif parodental",
                                   "Motif préventif",  "Motif ésthétique", "Ordonnance"};
const char* const careDiagnoses[] = {
    "Caries dentaire",  "Gingivite",      "Parodontites",      "Pulpite réversible",          "Pulpite irréversible",
    "Nécrose pulpaire", "Abcès dentaire", "Fracture dentaire", "Hypersensibilité dentinaire", "Péricoronarite",
    "Alvéolite",        "Dyschromie"};
const char* const plannedTreatments[] = {
    "Contrôle",          "Détartrage",       "Extraction", "Obturation", "Obturation canalaire",
    "Prise d'empreinte", "Pose de couronne", "Urgence",    "Blanchiment"};

template <typename T, std::size_t N> const T& pick(QRandomGenerator& random, const T (&items)[N]) {
    return items[random.bounded(int(N))];
}

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString isoDateTime(const QDate& day, int minutes) {
    return QDateTime(day, QTime(0, 0).addSecs(60 * minutes)).toString(Qt::ISODate);
}

// A working slot of a day, in minutes after midnight: 8:30 to 18:00, on the quarter hour.
int slot(QRandomGenerator& random) {
    return 8 * 60 + 30 + 15 * random.bounded(39);
}

class Statement {
public:
    Statement(const QString& text, QString* failure) : problem(failure) {
        if (problem->isEmpty() && !sql::prepare(query, text))
            *problem = query.lastError().text() + QStringLiteral(" in: ") + text;
    }
    // Binds the values in order and runs the statement; returns the new row's id.
    qint64 run(const QVariantList& values) {
        if (!problem->isEmpty())
            return 0;
        for (int i = 0; i < values.size(); ++i)
            query.bindValue(i, values.at(i));
        if (!query.exec()) {
            *problem = query.lastError().text() + QStringLiteral(" in: ") + query.lastQuery();
            return 0;
        }
        return query.lastInsertId().toLongLong();
    }

private:
    QSqlQuery query;
    QString* problem;
};

// The given number of distinct surnames: the simple ones first, then double-barrelled ones.
QStringList surnamePool(int count) {
    QStringList pool;
    const int simple = int(std::size(surnames));
    for (int i = 0; i < simple && pool.size() < count; ++i)
        pool << text(surnames[i]);
    for (int i = 0; i < simple && pool.size() < count; ++i)
        for (int j = 0; j < simple && pool.size() < count; ++j)
            if (i != j)
                pool << text(surnames[i]) + QLatin1Char('-') + text(surnames[j]);
    return pool;
}

struct Visit {
    QDate day;
    int minutes;
    int patient; // index into the patients, in order of their first visit
};

} // namespace

QString fillYears(const QString& firstUserName, int years, int surnameCount) {
    QString problem;
    QRandomGenerator random(20240901u + unsigned(years));
    const QDate today = QDate::currentDate();
    const QDate opening = today.addYears(-years);
    const int days = int(opening.daysTo(today));

    // Three doctors share the acts; two receptionists book the appointments. A stand-in doctor takes one act
    // in two thousand, and the office's manager, of the first role, takes none.
    struct Staff {
        const char* name;
        const char* password;
        int role;
        const char* doctor;
    };
    const Staff staff[] = {{"Dr Meziane", "meziane", 2, "Dr Yasmine Meziane"},
                           {"Gérant", "gerant", 1, ""},
                           {"Dr Benali", "benali", 1, "Dr Karim Benali"},
                           {"Dr Lefèvre", "lefevre", 2, "Dr Claire Lefèvre"},
                           {"Dr Haddad", "haddad", 2, "Dr Samir Haddad"},
                           {"Sophie", "sophie", 3, ""},
                           {"Léa", "lea", 4, ""}};
    const QString standIn = QStringLiteral("Dr Meziane");
    const QString manager = QString::fromUtf8("Gérant");
    qint64 standInDoctor = 0;
    std::vector<qint64> doctors;
    QStringList bookers;
    {
        Statement user(QStringLiteral("insert into user (Name, Password, Role, DrNom, Adresse, OrdonnancePied) "
                                      "values (?, ?, ?, ?, ?, ?)"),
                       &problem);
        for (const Staff& member : staff) {
            bookers << text(member.name);
            if (text(member.name).compare(firstUserName, Qt::CaseInsensitive) == 0)
                continue;
            const qint64 id =
                user.run({text(member.name), password::hashed(text(member.password)), member.role, text(member.doctor),
                          QStringLiteral("14, avenue de l'Europe - 69003 Lyon"), QString()});
            if (text(member.name) == standIn)
                standInDoctor = id;
            else if (member.role <= 2 && text(member.name) != manager)
                doctors.push_back(id);
        }
    }
    if (doctors.empty())
        return problem.isEmpty() ? QStringLiteral("no doctor for the acts") : problem;

    // Patients arrive all along the years, each on the day of his first visit.
    const int patientCount = patientsPerYear * years;
    std::vector<QDate> arrivals(patientCount);
    for (QDate& arrival : arrivals)
        arrival = opening.addDays(random.bounded(days + 1));
    std::sort(arrivals.begin(), arrivals.end());

    std::vector<qint64> patientIds(patientCount);
    const QStringList sharedSurnames = surnameCount > 0 ? surnamePool(surnameCount) : QStringList();
    {
        Statement patient(QStringLiteral("insert into Patients (Nom, Age, Annee, Sexe, Tel, Adresse, Antecedent_G, "
                                         "Antecedent_L, Autres, \"n°dossier\") values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                          &problem);
        for (int i = 0; i < patientCount && problem.isEmpty(); ++i) {
            QString surname;
            if (!sharedSurnames.isEmpty()) {
                surname = sharedSurnames.at(random.bounded(int(sharedSurnames.size())));
            } else {
                surname = text(pick(random, surnames));
                if (random.bounded(6) == 0)
                    surname += QLatin1Char('-') + text(pick(random, surnames));
            }
            QString first = text(pick(random, firstNames));
            if (random.bounded(8) == 0)
                first += QLatin1Char('-') + text(pick(random, firstNames));
            const int age = random.bounded(3, 92);
            const QString phone = QStringLiteral("0%1 %2 %3 %4 %5")
                                      .arg(random.bounded(1, 8))
                                      .arg(random.bounded(100), 2, 10, QLatin1Char('0'))
                                      .arg(random.bounded(100), 2, 10, QLatin1Char('0'))
                                      .arg(random.bounded(100), 2, 10, QLatin1Char('0'))
                                      .arg(random.bounded(100), 2, 10, QLatin1Char('0'));
            const QString address = QStringLiteral("%1, %2, %3")
                                        .arg(random.bounded(1, 120))
                                        .arg(text(pick(random, streets)), text(pick(random, towns)));
            const QString general = random.bounded(7) == 0 ? text(pick(random, generalHistory)) : QString();
            const QString local = random.bounded(10) == 0 ? text(pick(random, localHistory)) : QString();
            const QString other = random.bounded(12) == 0 ? text(pick(random, remarks)) : QString();
            const QString file = QStringLiteral("%1-%2").arg(arrivals[i].year()).arg(i + 1, 5, 10, QLatin1Char('0'));
            patientIds[i] = patient.run({surname + QLatin1Char(' ') + first, age, today.year() - age,
                                         random.bounded(2) ? QStringLiteral("M") : QStringLiteral("F"), phone, address,
                                         general, local, other, file});
        }
    }

    // Visits fall between the patient's arrival and today, and are written in the order they took place.
    std::vector<Visit> visits(std::size_t(visitsPerYear) * years);
    for (std::size_t v = 0; v < visits.size(); ++v) {
        // Every patient has a first visit; the others go to patients chosen at random.
        const int patient = v < std::size_t(patientCount) ? int(v) : random.bounded(patientCount);
        const int span = int(arrivals[patient].daysTo(today));
        const QDate day =
            v < std::size_t(patientCount) ? arrivals[patient] : arrivals[patient].addDays(random.bounded(span + 1));
        visits[v] = {day, slot(random), patient};
    }
    std::sort(visits.begin(), visits.end(),
              [](const Visit& a, const Visit& b) { return a.day != b.day ? a.day < b.day : a.minutes < b.minutes; });

    {
        Statement visit(QStringLiteral("insert into Visites (PatientNum, Type, VDate, Motif, Diagnostique, "
                                       "TypeProthese) values (?, ?, ?, ?, ?, ?)"),
                        &problem);
        Statement act(QStringLiteral("insert into Traitements (visite_id, VDate, Acte, Ordonnance, Frais, Payement, "
                                     "Medcin_id, format) values (?, ?, ?, ?, ?, ?, ?, 'PNG')"),
                      &problem);
        for (const Visit& v : visits) {
            if (!problem.isEmpty())
                break;
            const bool prosthesis = random.bounded(8) == 0;
            const QString when = isoDateTime(v.day, v.minutes);
            const qint64 doctor = doctors[std::size_t(random.bounded(int(doctors.size())))];
            QVariantList values{patientIds[v.patient],
                                prosthesis ? QStringLiteral("PROTHESE") : QStringLiteral("SOINS"), when};
            const Act* firstAct = nullptr;
            if (prosthesis) {
                firstAct = &pick(random, prosthesisActs);
                values << QStringLiteral("Motif prothétique") << QStringLiteral("Édentement partiel")
                       << text(firstAct->name);
            } else {
                values << text(pick(random, careReasons)) << text(pick(random, careDiagnoses)) << QString();
            }
            const qint64 visitId = visit.run(values);
            // One to four acts, twenty minutes apart; now and then another doctor takes over.
            const int acts = prosthesis ? 1 + random.bounded(3) : 1 + random.bounded(4);
            const bool recent = v.day.daysTo(today) < 90;
            for (int a = 0; a < acts; ++a) {
                const Act& chosen = a == 0 && firstAct ? *firstAct : pick(random, careActs);
                const int share = random.bounded(recent ? 3 : 10);
                const int paid = share == 0 ? 0 : share == 1 ? chosen.fee / 2 : chosen.fee;
                qint64 actDoctor =
                    random.bounded(6) == 0 ? doctors[std::size_t(random.bounded(int(doctors.size())))] : doctor;
                if (standInDoctor != 0 && random.bounded(2000) == 0)
                    actDoctor = standInDoctor;
                const QString prescription =
                    QByteArray(chosen.name).startsWith("Extraction")
                        ? QStringLiteral("Amoxicilline 1 g, 1 cp matin et soir pendant 7 jours\nParacétamol 1 g")
                        : QString();
                act.run({visitId, isoDateTime(v.day, v.minutes + 20 * a), text(chosen.name), prescription, chosen.fee,
                         paid, actDoctor});
            }
        }
    }

    // Appointments on working days, up to two months ahead; the past ones are settled.
    {
        Statement appointment(QStringLiteral("insert into Rendezvous (PatientNum, RVDate, \"Médecin\", traitement, "
                                             "Etat) values (?, ?, ?, ?, ?)"),
                              &problem);
        const int count = appointmentsPerYear * years;
        std::vector<std::pair<QDate, int>> times(count);
        for (auto& [day, minutes] : times) {
            day = opening.addDays(random.bounded(days + daysAhead + 1));
            if (day.dayOfWeek() == Qt::Sunday)
                day = day.addDays(1);
            minutes = slot(random);
        }
        std::sort(times.begin(), times.end());
        for (const auto& [day, minutes] : times) {
            if (!problem.isEmpty())
                break;
            // Later appointments go to patients who have already come.
            int known = int(std::upper_bound(arrivals.begin(), arrivals.end(), day) - arrivals.begin());
            const int patient = random.bounded(qMax(known, 1));
            QString state = QStringLiteral("En attente");
            if (day < today)
                state = random.bounded(8) == 0 ? QStringLiteral("Absent") : QStringLiteral("Présent");
            appointment.run({patientIds[patient], isoDateTime(day, minutes), bookers.at(random.bounded(bookers.size())),
                             text(pick(random, plannedTreatments)), state});
        }
    }
    return problem;
}

} // namespace office
