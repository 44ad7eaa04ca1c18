#pragma once

#include <QSqlDriver>
#include <QString>

namespace server {

// A driver around the toolkit's PostgreSQL driver. Every statement reaches the server through its results,
// which adapt the text first; table names given to the table models are the server's lower-case names.
// The wrapped driver is made by the toolkit's plugin and belongs to this one.
class Driver : public QSqlDriver {
    Q_OBJECT
public:
    Driver();
    ~Driver() override;

    bool hasFeature(DriverFeature feature) const override;
    bool open(const QString& db, const QString& user, const QString& password, const QString& host, int port,
              const QString& options) override;
    void close() override;
    bool isOpen() const override;
    QSqlResult* createResult() const override;

    bool beginTransaction() override;
    bool commitTransaction() override;
    bool rollbackTransaction() override;
    QStringList tables(QSql::TableType tableType) const override;
    QSqlIndex primaryIndex(const QString& tableName) const override;
    QSqlRecord record(const QString& tableName) const override;
    QString formatValue(const QSqlField& field, bool trimStrings = false) const override;
    QString escapeIdentifier(const QString& identifier, IdentifierType type) const override;
    QString sqlStatement(StatementType type, const QString& tableName, const QSqlRecord& rec,
                         bool preparedStatement) const override;
    QVariant handle() const override;
    bool isIdentifierEscaped(const QString& identifier, IdentifierType type) const override;
    QString stripDelimiters(const QString& identifier, IdentifierType type) const override;
    int maximumIdentifierLength(IdentifierType type) const override;

    // A result on the server that runs its statements as they stand.
    QSqlResult* createPlainResult() const;

    // The server's name of a table named by the program in any case, unquoted.
    static QString tableName(const QString& name);

public slots:
    bool cancelQuery() override;

private:
    void takeOutcome();
    QSqlDriver* inner = nullptr;
};

} // namespace server
