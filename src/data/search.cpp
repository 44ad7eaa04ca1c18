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

// The index holds every three characters in a row; a word is found through its own.
constexpr int trigramLength = 3;

// Whether the like operator's wildcards leave at least three characters in a row in the word.
bool hasTrigram(const QString& word) {
    int run = 0;
    for (uint c : word.toUcs4()) {
        run = c == '%' || c == '_' ? 0 : run + 1;
        if (run >= trigramLength)
            return true;
    }
    return false;
}

// On a server, a trigram index over the text of every searched column narrows the register. The medical
// history is always in it: the like filter decides.
QString serverPatientCandidates(const QStringList& words) {
    QStringList conditions;
    for (const QString& word : words) {
        if (!hasTrigram(word))
            continue;
        // The like of the office file has no escape character: a backslash is a plain one. The pattern is
        // folded as the index folds its text, and compared in the index's collation so that the index serves.
        QString pattern = word;
        pattern.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
        conditions << QStringLiteral("patient_search_text(\"n°dossier\", Nom, Antecedent_G, Antecedent_L, Adresse, "
                                     "Tel, Annee, Autres) OPERATOR(pg_catalog.~~) lower('%") +
                          sql::quoted(pattern) + QStringLiteral("%' COLLATE \"und-x-icu\") COLLATE \"default\"");
    }
    return conditions.isEmpty() ? QString()
                                : QLatin1Char('(') + conditions.join(QLatin1String(" and ")) + QLatin1Char(')');
}

} // namespace

QString patientCandidates(const QStringList& words, bool withHistory) {
    if (server::isServer(QSqlDatabase::database(QSqlDatabase::defaultConnection, false)))
        return serverPatientCandidates(words);
    QStringList trigrams;
    QSet<QString> seen;
    for (const QString& word : words) {
        // The wildcards of the like operator split a word into runs of characters that must appear as such.
        QList<uint> run;
        const QList<uint> characters = (word + QLatin1Char('%')).toUcs4();
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
                    trigrams << QLatin1Char('"') + phrase + QLatin1Char('"');
                }
            }
            run.clear();
        }
    }
    if (trigrams.isEmpty())
        return {};
    const QString match = QLatin1Char('{') +
                          QLatin1String(withHistory ? searchedColumns : searchedColumnsWithoutHistory) +
                          QLatin1String("} : (") + trigrams.join(QLatin1String(" AND ")) + QLatin1Char(')');
    return QStringLiteral("num in (select rowid from patients_search where patients_search match '") +
           sql::quoted(match) + QStringLiteral("')");
}

} // namespace search
