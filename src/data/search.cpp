#include "data/search.h"

#include "data/server.h"
#include "data/sql.h"

#include <QSet>
#include <QSqlDatabase>

namespace search {

namespace {

// The index's columns, in the order of the find dialog's searched columns.
const char searchedColumns[] = "dossier nom antecedent_g antecedent_l adresse tel annee autres";
const char searchedColumnsWithoutHistory[] = "dossier nom adresse tel annee autres";

// The index holds every three characters in a row; a text is found through its own.
constexpr int trigramLength = 3;

// How the candidates serve a list read in its own order (a date), a page at a time. Up to fewCandidates,
// the list reads them alone and sorts them. Up to mostCandidates, it reads its rows in its order and checks
// each against them, since their rows come often enough to fill a page soon. Beyond that the text is so
// common that the like filter alone fills a page sooner than the candidates would be read.
constexpr int fewCandidates = 1000;
constexpr int mostCandidates = 20000;

// The FTS indexes are the office file's own. A server has patient and appointment indexes of its own and
// searches the visits with the like filter alone.
bool onServer() {
    return server::isServer(QSqlDatabase::database(QSqlDatabase::defaultConnection, false));
}

// The index terms that a text matching the like pattern contains: every three characters in a row of the
// runs that the wildcards '%' and '_' leave. Terms already in `seen` are left out.
QStringList trigramTerms(const QString& pattern, QSet<QString>& seen) {
    QStringList terms;
    QList<uint> run;
    // The like filter never sees a NUL (see sql::quoted): neither does the index.
    const QList<uint> characters = (QString(pattern).remove(QChar(0)) + QLatin1Char('%')).toUcs4();
    for (uint c : characters) {
        if (c != '%' && c != '_') {
            run << c;
            continue;
        }
        for (int i = 0; i + trigramLength <= run.size(); ++i) {
            const QString trigram =
                QString::fromUcs4(reinterpret_cast<const char32_t*>(run.constData() + i), trigramLength);
            if (!seen.contains(trigram)) {
                seen.insert(trigram);
                QString phrase = trigram;
                phrase.replace(QLatin1Char('"'), QLatin1String("\"\""));
                terms << QLatin1Char('"') + phrase + QLatin1Char('"');
            }
        }
        run.clear();
    }
    return terms;
}

QStringList trigramTerms(const QString& pattern) {
    QSet<QString> seen;
    return trigramTerms(pattern, seen);
}

// The rows of an index table that hold every term of the match expression.
QString matching(const char* index, const QString& expression) {
    return QStringLiteral("select rowid from %1 where %1 match '%2'")
        .arg(QLatin1String(index), sql::quoted(expression));
}

// The keys of a table's rows whose patient's name holds the terms.
QString ofPatientsNamed(const char* key, const char* table, const QStringList& terms) {
    return QStringLiteral("select %1 from %2 where PatientNum in (%3)")
        .arg(QLatin1String(key), QLatin1String(table),
             matching("patients_search",
                      QStringLiteral("{nom} : (") + terms.join(QLatin1String(" AND ")) + QLatin1Char(')')));
}

// "key in (candidates)" in the form that serves the list best, or nothing.
QString keyIn(const char* key, const QString& candidates) {
    QSqlQuery query;
    query.setForwardOnly(true);
    if (!sql::exec(query, QStringLiteral("select count(*) from (") + candidates + QStringLiteral(" limit ") +
                              QString::number(mostCandidates) + QLatin1Char(')')) ||
        !query.next())
        return {};
    const int count = query.value(0).toInt();
    if (count >= mostCandidates)
        return {};
    // The unary plus keeps the engine from reading the list through the candidates.
    const QString column = count < fewCandidates ? QLatin1String(key) : QLatin1Char('+') + QLatin1String(key);
    return column + QStringLiteral(" in (") + candidates + QLatin1Char(')');
}

// The like of the office file has no escape character: a backslash is a plain one. The pattern is folded as
// the indexes fold their text, and compared in the indexes' collation so that they serve.
QString serverPattern(const QString& word) {
    QString pattern = word;
    pattern.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    return QStringLiteral(" OPERATOR(pg_catalog.~~) lower('%") + sql::quoted(pattern) +
           QStringLiteral("%' COLLATE \"und-x-icu\") COLLATE \"default\"");
}

// On a server, a trigram index over the text of every searched column narrows the register. The medical
// history is always in it: the like filter decides.
QString serverPatientCandidates(const QStringList& words) {
    QStringList conditions;
    for (const QString& word : words) {
        if (trigramTerms(word).isEmpty())
            continue;
        conditions << QStringLiteral("patient_search_text(\"n°dossier\", Nom, Antecedent_G, Antecedent_L, Adresse, "
                                     "Tel, Annee, Autres)") +
                          serverPattern(word);
    }
    return conditions.isEmpty() ? QString()
                                : QLatin1Char('(') + conditions.join(QLatin1String(" and ")) + QLatin1Char(')');
}

// On a server, trigram indexes over the appointments' searched texts and over the patients' names give the
// appointments the like filter may keep. Their keys are written into the list's statement: the view is read
// in its own order, and the server would read every appointment rather than narrow it through a subquery.
QString serverAppointmentCandidates(const QString& typed) {
    if (trigramTerms(typed).isEmpty())
        return {};
    const QString pattern = serverPattern(typed);
    QSqlQuery query;
    query.setForwardOnly(true);
    if (!sql::exec(query,
                   QStringLiteral("select RVNum from Rendezvous where rendezvous_search_text(traitement, Etat)") +
                       pattern +
                       QStringLiteral(" union all select RVNum from Rendezvous where PatientNum = any(array(select "
                                      "Num from Patients where patient_name_text(Nom)") +
                       pattern + QStringLiteral(")) limit ") + QString::number(mostCandidates)))
        return {};
    QStringList keys;
    while (query.next())
        keys << query.value(0).toString();
    // An appointment whose treatment and patient both hold the text comes twice.
    keys.removeDuplicates();
    if (keys.size() >= mostCandidates)
        return {};
    if (keys.isEmpty())
        return QStringLiteral("false");
    // As on the office file, many candidates are checked row by row as the list is read in its order: the
    // unary plus keeps the server from reading them through the key's index and sorting them all. One array
    // value is read far sooner than a list of as many constants.
    const QString column = keys.size() < fewCandidates ? QStringLiteral("RVNum") : QStringLiteral("+RVNum");
    return column + QStringLiteral(" = any('{") + keys.join(QLatin1Char(',')) + QStringLiteral("}'::_int4)");
}

} // namespace

QString patientCandidates(const QStringList& words, bool withHistory) {
    if (onServer())
        return serverPatientCandidates(words);
    QStringList terms;
    QSet<QString> seen;
    for (const QString& word : words)
        terms << trigramTerms(word, seen);
    if (terms.isEmpty())
        return {};
    const QString match = QLatin1Char('{') +
                          QLatin1String(withHistory ? searchedColumns : searchedColumnsWithoutHistory) +
                          QLatin1String("} : (") + terms.join(QLatin1String(" AND ")) + QLatin1Char(')');
    return QStringLiteral("num in (") + matching("patients_search", match) + QLatin1Char(')');
}

QString visitCandidates(const QString& typed) {
    if (onServer())
        return {};
    const QStringList terms = trigramTerms(typed);
    if (terms.isEmpty())
        return {};
    // The index holds a date-time in its dashed form only: typed with slashes, it is found with dashes.
    QString expression = QLatin1Char('(') + terms.join(QLatin1String(" AND ")) + QLatin1Char(')');
    QString dashed = typed;
    dashed.replace(QLatin1Char('/'), QLatin1Char('-'));
    if (dashed != typed)
        expression += QStringLiteral(" OR (") + trigramTerms(dashed).join(QLatin1String(" AND ")) + QLatin1Char(')');
    return keyIn("VisiteNum", matching("visites_search", expression) + QStringLiteral(" union all ") +
                                  ofPatientsNamed("VisiteNum", "Visites", terms));
}

QString appointmentCandidates(const QString& typed) {
    if (onServer())
        return serverAppointmentCandidates(typed);
    const QStringList terms = trigramTerms(typed);
    if (terms.isEmpty())
        return {};
    return keyIn("RVNum", matching("rendezvous_search", terms.join(QLatin1String(" AND "))) +
                              QStringLiteral(" union all ") + ofPatientsNamed("RVNum", "Rendezvous", terms));
}

QStringList typedWords(const QString& typed) {
    QStringList words = QString(typed).remove(QChar(0)).split(QLatin1Char(' '));
    if (words.size() > maxWords)
        words.resize(maxWords);
    return words;
}

} // namespace search
