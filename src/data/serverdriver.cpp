#include "data/serverdriver.h"

#include "data/database.h"
#include "data/schema.h"
#include "data/server.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QPluginLoader>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlDriverPlugin>
#include <QSqlError>
#include <QSqlField>
#include <QSqlIndex>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlResult>

#include <sqlite3.h>

namespace server {

namespace {

// The wrapped result's members are protected; pointers to them, taken through this class, reach them.
class Access : public QSqlResult {
public:
    using QSqlResult::at;
    using QSqlResult::bindValue;
    using QSqlResult::data;
    using QSqlResult::detachFromResultSet;
    using QSqlResult::exec;
    using QSqlResult::execBatch;
    using QSqlResult::fetch;
    using QSqlResult::fetchFirst;
    using QSqlResult::fetchLast;
    using QSqlResult::fetchNext;
    using QSqlResult::fetchPrevious;
    using QSqlResult::isActive;
    using QSqlResult::isNull;
    using QSqlResult::isSelect;
    using QSqlResult::lastError;
    using QSqlResult::lastInsertId;
    using QSqlResult::nextResult;
    using QSqlResult::numRowsAffected;
    using QSqlResult::prepare;
    using QSqlResult::record;
    using QSqlResult::reset;
    using QSqlResult::savePrepare;
    using QSqlResult::setActive;
    using QSqlResult::setAt;
    using QSqlResult::setForwardOnly;
    using QSqlResult::setLastError;
    using QSqlResult::setNumericalPrecisionPolicy;
    using QSqlResult::setSelect;
    using QSqlResult::size;
    using QSqlResult::virtual_hook;
};

using BindAt = void (QSqlResult::*)(int, const QVariant&, QSql::ParamType);
using BindNamed = void (QSqlResult::*)(const QString&, const QVariant&, QSql::ParamType);
const BindAt bindAt = &Access::bindValue;
const BindNamed bindNamed = &Access::bindValue;

QString asciiLower(QString text) {
    for (QChar& c : text)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() - 'A' + 'a');
    return text;
}

// The server folds the names of columns to lower case; the office file keeps them as the schema writes
// them ("Nom", "SommeDeFrais"), and the windows show them as headers. The spellings are read once from the
// office file's schema: per table or view, and for any other result the first spelling met.
struct Spellings {
    QHash<QString, QHash<QString, QString>> byRelation;
    QHash<QString, QString> anywhere;
    QHash<QString, QString> keys; // the first column of each table
};

const Spellings& spellings() {
    static const Spellings result = [] {
        Spellings s;
        sqlite3* db = nullptr;
        if (sqlite3_open(":memory:", &db) == SQLITE_OK &&
            sqlite3_exec(db, schema::text().toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK) {
            sqlite3_stmt* relations = nullptr;
            sqlite3_prepare_v2(db,
                               "SELECT m.name, p.name FROM sqlite_master m, pragma_table_info(m.name) p "
                               "WHERE m.type IN ('table', 'view') ORDER BY m.type, m.rowid, p.cid",
                               -1, &relations, nullptr);
            while (relations && sqlite3_step(relations) == SQLITE_ROW) {
                const QString relation =
                    asciiLower(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(relations, 0))));
                const QString column =
                    QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(relations, 1)));
                s.byRelation[relation].insert(asciiLower(column), column);
                if (!s.keys.contains(relation))
                    s.keys.insert(relation, asciiLower(column));
                if (!s.anywhere.contains(asciiLower(column)))
                    s.anywhere.insert(asciiLower(column), column);
            }
            sqlite3_finalize(relations);
        }
        sqlite3_close(db);
        return s;
    }();
    return result;
}

QSqlRecord spelled(QSqlRecord record, const QString& relation) {
    const Spellings& names = spellings();
    const auto columns = names.byRelation.constFind(relation);
    for (int i = 0; i < record.count(); ++i) {
        QSqlField field = record.field(i);
        const QString key = field.name();
        QString name;
        if (columns != names.byRelation.cend())
            name = columns->value(key);
        if (name.isEmpty())
            name = names.anywhere.value(key);
        if (!name.isEmpty() && name != key) {
            field.setName(name);
            record.replace(i, field);
        }
    }
    return record;
}

// The table or view a statement reads first: the name after its first FROM.
QString firstRelation(const QString& statement) {
    static const QRegularExpression from(QStringLiteral("\\bfrom\\s+\"?([\\w°]+)\"?"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = from.match(statement);
    return match.hasMatch() ? asciiLower(match.captured(1)) : QString();
}

// An insert into an office table gives back the key of the row it wrote, as the office file tells it: not
// the last number drawn in the session, which a trigger's own insert would have moved on.
QString withReturnedKey(const QString& statement) {
    static const QRegularExpression insert(QStringLiteral("^\\s*insert\\s+into\\s+\"?([\\w°]+)\"?"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression returning(QStringLiteral("\\breturning\\b"),
                                              QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = insert.match(statement);
    if (!match.hasMatch() || statement.contains(returning))
        return {};
    const QString key = spellings().keys.value(asciiLower(match.captured(1)));
    if (key.isEmpty())
        return {};
    QString text = statement.trimmed();
    while (text.endsWith(QLatin1Char(';')))
        text.chop(1);
    return text + QStringLiteral(" RETURNING \"%1\"").arg(key);
}

// A result that adapts each statement and runs it on the wrapped driver's result, mirroring its position,
// activity and error so that the query reading it sees them.
class Result : public QSqlResult {
public:
    Result(const Driver* driver, QSqlResult* inner) : QSqlResult(driver), in(inner) {}
    ~Result() override { delete in; }
    QVariant handle() const override { return in->handle(); }

protected:
    void setAt(int index) override {
        QSqlResult::setAt(index);
        (in->*&Access::setAt)(index);
    }
    void setActive(bool active) override {
        QSqlResult::setActive(active);
        (in->*&Access::setActive)(active);
    }
    void setLastError(const QSqlError& error) override {
        QSqlResult::setLastError(error);
        (in->*&Access::setLastError)(error);
    }
    void setSelect(bool select) override {
        QSqlResult::setSelect(select);
        (in->*&Access::setSelect)(select);
    }
    void setForwardOnly(bool forward) override {
        QSqlResult::setForwardOnly(forward);
        (in->*&Access::setForwardOnly)(forward);
    }
    void setNumericalPrecisionPolicy(QSql::NumericalPrecisionPolicy policy) override {
        QSqlResult::setNumericalPrecisionPolicy(policy);
        (in->*&Access::setNumericalPrecisionPolicy)(policy);
    }

    bool reset(const QString& statement) override { return ran((in->*&Access::reset)(serverText(statement))); }
    bool prepare(const QString& statement) override { return synced((in->*&Access::prepare)(serverText(statement))); }
    bool savePrepare(const QString& statement) override {
        return synced((in->*&Access::savePrepare)(serverText(statement)));
    }
    void bindValue(int pos, const QVariant& value, QSql::ParamType type) override {
        QSqlResult::bindValue(pos, value, type);
        (in->*bindAt)(pos, value, type);
    }
    void bindValue(const QString& name, const QVariant& value, QSql::ParamType type) override {
        QSqlResult::bindValue(name, value, type);
        (in->*bindNamed)(name, value, type);
    }
    bool exec() override { return ran((in->*&Access::exec)()); }
    bool execBatch(bool arrayBind) override { return synced((in->*&Access::execBatch)(arrayBind)); }
    bool nextResult() override { return synced((in->*&Access::nextResult)()); }

    // Date-times read as the office file gives them, text in the form it stores: the windows treat both alike.
    QVariant data(int i) override {
        const QVariant value = (in->*&Access::data)(i);
        if (value.isNull()) // an empty value reads as empty text, whatever the column's type
            return QVariant(QMetaType::fromType<QString>());
        if (value.typeId() == QMetaType::Int) // the office file gives every whole number at full width
            return QVariant(value.toLongLong());
        if (value.typeId() == QMetaType::QDateTime)
            return value.toDateTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
        if (value.typeId() == QMetaType::QDate)
            return value.toDate().toString(QStringLiteral("yyyy-MM-dd"));
        return value;
    }
    bool isNull(int i) override { return (in->*&Access::isNull)(i); }
    bool fetch(int i) override { return synced((in->*&Access::fetch)(i)); }
    bool fetchNext() override { return synced((in->*&Access::fetchNext)()); }
    bool fetchPrevious() override { return synced((in->*&Access::fetchPrevious)()); }
    bool fetchFirst() override { return synced((in->*&Access::fetchFirst)()); }
    bool fetchLast() override { return synced((in->*&Access::fetchLast)()); }
    int size() override { return (in->*&Access::size)(); }
    int numRowsAffected() override { return (in->*&Access::numRowsAffected)(); }
    QSqlRecord record() const override { return spelled((in->*&Access::record)(), relation); }
    QVariant lastInsertId() const override {
        return insertedKey.isValid() ? insertedKey : (in->*&Access::lastInsertId)();
    }
    void detachFromResultSet() override { (in->*&Access::detachFromResultSet)(); }
    void virtual_hook(int id, void* data) override { (in->*&Access::virtual_hook)(id, data); }

private:
    QString serverText(const QString& statement) {
        QString text = adapted(statement);
        const QString returning = withReturnedKey(text);
        returnsKey = !returning.isEmpty();
        if (returnsKey)
            text = returning;
        QSqlResult::setQuery(text);
        relation = firstRelation(text);
        return text;
    }

    // After a statement ran: the key an insert gave back is kept, and the insert reads as one that returns
    // no rows, as it does on the office file.
    bool ran(bool outcome) {
        insertedKey = QVariant();
        if (outcome && returnsKey) {
            if ((in->*&Access::fetchFirst)())
                insertedKey = (in->*&Access::data)(0);
            (in->*&Access::setAt)(QSql::BeforeFirstRow);
            (in->*&Access::setSelect)(false);
        }
        return synced(outcome);
    }

    bool synced(bool outcome) {
        QSqlResult::setAt((in->*&Access::at)());
        QSqlResult::setActive((in->*&Access::isActive)());
        QSqlResult::setSelect((in->*&Access::isSelect)());
        QSqlResult::setLastError((in->*&Access::lastError)());
        return outcome;
    }

    QSqlResult* in;
    QString relation;
    bool returnsKey = false;
    QVariant insertedKey;
};

constexpr char driverKey[] = "QPSQL";

// Every session reads typed dates day first, finds the office's functions and operators before the
// built-in ones, and gives up waiting for a row another station holds as a station on an office file does.
// An office's statements are short: helper processes started for each would cost more than they give, and
// take the server's cores from the other stations. An office's database stays in the server's memory: a row
// read through an index costs little more than one read in a row, and the lists are read through their
// indexes rather than sorted whole.
QString sessionSettings() {
    return QStringLiteral("SET DateStyle TO 'ISO, DMY'; SET search_path TO public, pg_catalog; "
                          "SET lock_timeout TO %1; SET max_parallel_workers_per_gather TO 0; "
                          "SET random_page_cost TO 1.1; SET client_min_messages TO warning")
        .arg(database::BusyTimeoutMs);
}

// The toolkit's PostgreSQL driver, made by its plugin so that it belongs to us and to no connection.
QSqlDriver* createPostgresDriver() {
    for (const QString& folder : QCoreApplication::libraryPaths()) {
        const QDir plugins(folder + QStringLiteral("/sqldrivers"));
        for (const QString& file : plugins.entryList(QDir::Files)) {
            QPluginLoader loader(plugins.absoluteFilePath(file));
            const QJsonArray keys =
                loader.metaData().value(QStringLiteral("MetaData")).toObject().value(QStringLiteral("Keys")).toArray();
            if (!keys.contains(QJsonValue(QString::fromLatin1(driverKey))))
                continue;
            if (auto* plugin = qobject_cast<QSqlDriverPlugin*>(loader.instance()))
                return plugin->create(QString::fromLatin1(driverKey));
        }
    }
    return nullptr;
}

} // namespace

Driver::Driver() : inner(createPostgresDriver()) {
    if (inner)
        inner->setParent(this);
}

Driver::~Driver() {
    if (inner && inner->isOpen())
        inner->close();
}

bool Driver::hasFeature(DriverFeature feature) const {
    return inner && inner->hasFeature(feature);
}

bool Driver::open(const QString& db, const QString& user, const QString& password, const QString& host, int port,
                  const QString& options) {
    if (!inner) {
        setLastError(QSqlError(QStringLiteral("The PostgreSQL driver (QPSQL) is not installed"), {},
                               QSqlError::ConnectionError));
        setOpenError(true);
        return false;
    }
    bool ok = inner->open(db, user, password, host, port, options);
    if (ok) {
        QSqlQuery session(createPlainResult());
        ok = session.exec(sessionSettings());
        if (!ok) {
            setLastError(session.lastError());
            inner->close();
        }
    } else {
        setLastError(inner->lastError());
    }
    setOpen(ok);
    setOpenError(!ok);
    return ok;
}

void Driver::close() {
    if (inner)
        inner->close();
    setOpen(false);
    setOpenError(false);
}

bool Driver::isOpen() const {
    return inner && inner->isOpen();
}

QSqlResult* Driver::createResult() const {
    return new Result(this, createPlainResult());
}

QSqlResult* Driver::createPlainResult() const {
    return inner->createResult();
}

void Driver::takeOutcome() {
    setLastError(inner->lastError());
}

bool Driver::beginTransaction() {
    const bool ok = inner && inner->beginTransaction();
    if (inner)
        takeOutcome();
    return ok;
}

bool Driver::commitTransaction() {
    const bool ok = inner && inner->commitTransaction();
    if (inner)
        takeOutcome();
    return ok;
}

bool Driver::rollbackTransaction() {
    const bool ok = inner && inner->rollbackTransaction();
    if (inner)
        takeOutcome();
    return ok;
}

QStringList Driver::tables(QSql::TableType tableType) const {
    return inner ? inner->tables(tableType) : QStringList();
}

QString Driver::tableName(const QString& name) {
    QString result = name;
    if (result.startsWith(QLatin1Char('[')) && result.endsWith(QLatin1Char(']')))
        result = result.mid(1, result.size() - 2);
    for (QChar& c : result)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() - 'A' + 'a');
    return result;
}

QSqlIndex Driver::primaryIndex(const QString& table) const {
    return inner ? inner->primaryIndex(tableName(stripDelimiters(table, TableName))) : QSqlIndex();
}

QSqlRecord Driver::record(const QString& table) const {
    if (!inner)
        return {};
    const QString name = tableName(stripDelimiters(table, TableName));
    QSqlRecord result = spelled(inner->record(name), name);
    // The key of an office table is numbered by the server: the table models read it back after an insert.
    const QString key = spellings().keys.value(name);
    for (int i = 0; i < result.count(); ++i) {
        if (asciiLower(result.fieldName(i)) == key) {
            QSqlField field = result.field(i);
            field.setAutoValue(true);
            result.replace(i, field);
        }
    }
    return result;
}

QString Driver::formatValue(const QSqlField& field, bool trimStrings) const {
    return inner ? inner->formatValue(field, trimStrings) : QSqlDriver::formatValue(field, trimStrings);
}

// The table models quote the names they are given: they must be the server's own lower-case names.
QString Driver::escapeIdentifier(const QString& identifier, IdentifierType type) const {
    if (!inner)
        return identifier;
    if (type != TableName || isIdentifierEscaped(identifier, type))
        return inner->escapeIdentifier(identifier, type);
    return inner->escapeIdentifier(tableName(identifier), type);
}

QString Driver::sqlStatement(StatementType type, const QString& table, const QSqlRecord& rec,
                             bool preparedStatement) const {
    if (!inner)
        return {};
    const QString name = table.isEmpty() ? table : escapeIdentifier(table, TableName);
    return inner->sqlStatement(type, name, rec, preparedStatement);
}

QVariant Driver::handle() const {
    return inner ? inner->handle() : QVariant();
}

bool Driver::isIdentifierEscaped(const QString& identifier, IdentifierType type) const {
    return inner ? inner->isIdentifierEscaped(identifier, type) : false;
}

QString Driver::stripDelimiters(const QString& identifier, IdentifierType type) const {
    return inner ? inner->stripDelimiters(identifier, type) : identifier;
}

int Driver::maximumIdentifierLength(IdentifierType type) const {
    return inner ? inner->maximumIdentifierLength(type) : QSqlDriver::maximumIdentifierLength(type);
}

bool Driver::cancelQuery() {
    return inner && inner->cancelQuery();
}

} // namespace server
