#include "data/server.h"

#include "data/serverdriver.h"
#include "data/serversecret.h"

#include <QFile>
#include <QLoggingCategory>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

Q_LOGGING_CATEGORY(lcServer, "kelvora.server")

namespace server {

namespace {

constexpr char scheme[] = "postgresql://";
// A server that does not answer fails the opening after this many seconds, as a missing file would at once.
constexpr char connectOptions[] = "connect_timeout=5";

bool isWordStart(QChar c) {
    return c.isLetter() || c == QLatin1Char('_') || c.unicode() >= 0x80;
}

bool isWordChar(QChar c) {
    return isWordStart(c) || c.isDigit() || c == QLatin1Char('$');
}

QString asciiLower(QString text) {
    for (QChar& c : text)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() - 'A' + 'a');
    return text;
}

// What may follow IS in the server's own grammar; anything else is a value compared null-safely.
bool isServerIsWord(const QString& word) {
    static const QStringList words = {QStringLiteral("null"),     QStringLiteral("true"),       QStringLiteral("false"),
                                      QStringLiteral("unknown"),  QStringLiteral("distinct"),   QStringLiteral("of"),
                                      QStringLiteral("document"), QStringLiteral("normalized"), QStringLiteral("json"),
                                      QStringLiteral("not")};
    return words.contains(word.toLower());
}

// The statement split into what the adapter looks at: words, quoted texts and names, and single characters.
struct Token {
    enum Kind { Word, Text, QuotedName, BracketName, Space, Other } kind;
    QString text;
};

QList<Token> tokens(const QString& statement) {
    QList<Token> result;
    const int n = int(statement.size());
    int i = 0;
    while (i < n) {
        const QChar c = statement.at(i);
        const int start = i;
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            ++i;
            while (i < n) {
                if (statement.at(i) == c) {
                    if (i + 1 < n && statement.at(i + 1) == c) {
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                ++i;
            }
            result.append({c == QLatin1Char('\'') ? Token::Text : Token::QuotedName, statement.mid(start, i - start)});
        } else if (c == QLatin1Char('[')) {
            const int end = int(statement.indexOf(QLatin1Char(']'), i));
            i = end < 0 ? n : end + 1;
            result.append({Token::BracketName, statement.mid(start, i - start)});
        } else if (c == QLatin1Char('-') && i + 1 < n && statement.at(i + 1) == QLatin1Char('-')) {
            const int end = int(statement.indexOf(QLatin1Char('\n'), i));
            i = end < 0 ? n : end;
            result.append({Token::Space, statement.mid(start, i - start)});
        } else if (c.isSpace()) {
            while (i < n && statement.at(i).isSpace())
                ++i;
            result.append({Token::Space, statement.mid(start, i - start)});
        } else if (isWordStart(c)) {
            while (i < n && isWordChar(statement.at(i)))
                ++i;
            result.append({Token::Word, statement.mid(start, i - start)});
        } else {
            ++i;
            result.append({Token::Other, QString(c)});
        }
    }
    return result;
}

// The next token that is not blank, from index i on, or -1.
int nextSolid(const QList<Token>& list, int i) {
    while (i < list.size() && list.at(i).kind == Token::Space)
        ++i;
    return i < list.size() ? i : -1;
}

bool isName(const Token& token) {
    return token.kind == Token::BracketName || token.kind == Token::QuotedName;
}

QString serverName(const QString& name) {
    QString folded = asciiLower(name);
    return QLatin1Char('"') + folded.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

} // namespace

bool isLocation(const QString& text) {
    return text.trimmed().startsWith(QLatin1String(scheme), Qt::CaseInsensitive);
}

bool parseLocation(const QString& text, Location* location) {
    if (!isLocation(text))
        return false;
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty() || url.userName().isEmpty())
        return false;
    const QString database = url.path(QUrl::FullyDecoded).mid(1);
    if (database.isEmpty() || database.contains(QLatin1Char('/')))
        return false;
    location->user = url.userName(QUrl::FullyDecoded);
    location->password = url.password(QUrl::FullyDecoded);
    location->host = url.host();
    location->port = url.port(-1);
    location->database = database;
    return true;
}

QString withDatabase(const QString& location, const QString& database) {
    QUrl url(location.trimmed());
    url.setPath(QLatin1Char('/') + database);
    return url.toString();
}

QSqlDatabase addConnection(const QString& connectionName, const QString& location) {
    QSqlDatabase db = QSqlDatabase::addDatabase(new Driver, connectionName);
    Location parts;
    if (!parseLocation(location, &parts)) {
        qCWarning(lcServer).noquote() << "Not a server location:" << scrubbed(location);
        return db;
    }
    db.setDatabaseName(parts.database);
    db.setUserName(parts.user);
    db.setPassword(parts.password);
    db.setHostName(parts.host);
    db.setPort(parts.port);
    db.setConnectOptions(QString::fromLatin1(connectOptions));
    if (!db.open())
        qCWarning(lcServer).noquote() << "Cannot open the database on the server:" << scrubbed(db.lastError().text());
    return db;
}

bool open(QSqlDatabase& db, const QString& location) {
    const QString name = db.connectionName();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(name);
    db = addConnection(name, location);
    return db.isOpen();
}

bool isServer(const QSqlDatabase& db) {
    return qobject_cast<const Driver*>(db.driver()) != nullptr;
}

QString adapted(const QString& statement) {
    const QList<Token> list = tokens(statement);
    const int first = nextSolid(list, 0);
    if (first >= 0 && list.at(first).kind == Token::Word &&
        list.at(first).text.compare(QLatin1String("pragma"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("SELECT NULL WHERE false");

    QString out;
    out.reserve(statement.size() + 16);
    const Token* previousSolid = nullptr;
    // The office file sorts empty values first in ascending order and last in descending order.
    int depth = 0;
    int orderDepth = -1;
    bool orderItemOpen = false;
    auto closeOrderItem = [&] {
        if (orderItemOpen)
            out += QStringLiteral(" NULLS FIRST ");
        orderItemOpen = false;
    };
    for (int i = 0; i < list.size(); ++i) {
        const Token& token = list.at(i);
        const bool inOrder = orderDepth >= 0 && depth == orderDepth;
        switch (token.kind) {
        case Token::QuotedName:
            out += serverName(
                token.text.mid(1, token.text.size() - 2).replace(QLatin1String("\"\""), QLatin1String("\"")));
            break;
        case Token::BracketName:
            out += serverName(token.text.mid(1, token.text.size() - (token.text.endsWith(QLatin1Char(']')) ? 2 : 1)));
            break;
        case Token::Word: {
            const QString lower = token.text.toLower();
            const int next = nextSolid(list, i + 1);
            const bool afterDot =
                previousSolid && previousSolid->kind == Token::Other && previousSolid->text == QLatin1String(".");
            if (inOrder &&
                (lower == QLatin1String("limit") || lower == QLatin1String("offset") ||
                 lower == QLatin1String("fetch") || lower == QLatin1String("for") || lower == QLatin1String("union") ||
                 lower == QLatin1String("except") || lower == QLatin1String("intersect"))) {
                closeOrderItem();
                orderDepth = -1;
            }
            if (lower == QLatin1String("user") && !afterDot) {
                out += QStringLiteral("\"user\"");
            } else if (lower == QLatin1String("is") && next >= 0 &&
                       !(list.at(next).kind == Token::Word && isServerIsWord(list.at(next).text))) {
                out += QStringLiteral("IS NOT DISTINCT FROM");
            } else if (lower == QLatin1String("is") && next >= 0 && list.at(next).kind == Token::Word &&
                       list.at(next).text.compare(QLatin1String("not"), Qt::CaseInsensitive) == 0) {
                const int after = nextSolid(list, next + 1);
                if (after >= 0 && !(list.at(after).kind == Token::Word && isServerIsWord(list.at(after).text))) {
                    out += QStringLiteral("IS DISTINCT FROM");
                    i = next; // NOT is part of what was written
                } else {
                    out += token.text;
                }
            } else {
                out += token.text;
                if (inOrder && orderItemOpen && (lower == QLatin1String("asc") || lower == QLatin1String("desc"))) {
                    out +=
                        lower == QLatin1String("asc") ? QStringLiteral(" NULLS FIRST") : QStringLiteral(" NULLS LAST");
                    orderItemOpen = false;
                } else if (inOrder && lower == QLatin1String("nulls")) {
                    orderItemOpen = false;
                } else if (lower == QLatin1String("by") && previousSolid && previousSolid->kind == Token::Word &&
                           previousSolid->text.compare(QLatin1String("order"), Qt::CaseInsensitive) == 0) {
                    closeOrderItem();
                    orderDepth = depth;
                    orderItemOpen = true;
                }
            }
            break;
        }
        case Token::Other:
            // [T]![C]: the bang between two names is the dot between a table and its column.
            if (token.text == QLatin1String("!") && previousSolid && isName(*previousSolid) && i + 1 < list.size() &&
                isName(list.at(i + 1))) {
                out += QLatin1Char('.');
                break;
            }
            if (token.text == QLatin1String("(")) {
                ++depth;
            } else if (token.text == QLatin1String(")")) {
                if (inOrder) {
                    closeOrderItem();
                    orderDepth = -1;
                }
                --depth;
            } else if (inOrder && token.text == QLatin1String(",")) {
                closeOrderItem();
                orderItemOpen = true;
            } else if (inOrder && token.text == QLatin1String(";")) {
                closeOrderItem();
                orderDepth = -1;
            }
            out += token.text;
            break;
        default:
            out += token.text;
            break;
        }
        if (token.kind != Token::Space)
            previousSolid = &token;
    }
    closeOrderItem();
    return out;
}

QString execScript(const QSqlDatabase& db, const QString& script) {
    const auto* driver = qobject_cast<const Driver*>(db.driver());
    if (!driver || !db.isOpen())
        return QStringLiteral("no server connection is open");
    QSqlQuery query(driver->createPlainResult());
    if (!query.exec(script))
        return query.lastError().text();
    return {};
}

QString schemaText() {
    QFile file(QStringLiteral(":/data/schema_pg.sql"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString analyze(const QSqlDatabase& db) {
    return execScript(db, QStringLiteral("VACUUM (ANALYZE)"));
}

QStringList officeTables() {
    return {QStringLiteral("user"),         QStringLiteral("acte"),         QStringLiteral("Motif"),
            QStringLiteral("Diagnostique"), QStringLiteral("TypeProthese"), QStringLiteral("Medicament"),
            QStringLiteral("AntecedentsG"), QStringLiteral("AntecedentsL"), QStringLiteral("Prothesistes"),
            QStringLiteral("Patients"),     QStringLiteral("Visites"),      QStringLiteral("Traitements"),
            QStringLiteral("Rendezvous")};
}

QString createSchema(const QSqlDatabase& db) {
    const auto* driver = qobject_cast<const Driver*>(db.driver());
    if (!driver || !db.isOpen())
        return QStringLiteral("no server connection is open");
    {
        QSqlQuery query(driver->createPlainResult());
        if (!query.exec(QStringLiteral("SELECT count(*) FROM pg_catalog.pg_class c JOIN pg_catalog.pg_namespace n "
                                       "ON n.oid = c.relnamespace WHERE n.nspname = 'public'")) ||
            !query.next())
            return query.lastError().text();
        if (query.value(0).toInt() > 0)
            return QStringLiteral("the database %1 is not empty; it is left as it is").arg(db.databaseName());
    }
    const QString sql = schemaText();
    if (sql.isEmpty())
        return QStringLiteral("the schema is missing from the program");
    // The statements of one script run as one transaction, or within the caller's.
    return execScript(db, sql);
}

} // namespace server
