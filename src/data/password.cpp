#include "data/password.h"

#include "data/sql.h"

#include <QSqlQuery>
#include <QVariant>
#include <QVector>

#include <sodium.h>

namespace password {

namespace {

constexpr char hashPrefix[] = "$argon2id$";

bool sodiumReady() {
    // Safe to call more than once; fails only when the system offers no source of randomness.
    static const bool ready = sodium_init() >= 0;
    return ready;
}

} // namespace

QString hashed(const QString& plain) {
    if (!sodiumReady())
        return {};
    const QByteArray bytes = plain.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    // The interactive limits keep a login well under a second on an office computer.
    if (crypto_pwhash_str_alg(out, bytes.constData(), static_cast<unsigned long long>(bytes.size()),
                              crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE,
                              crypto_pwhash_ALG_ARGON2ID13) != 0)
        return {};
    return QString::fromLatin1(out);
}

bool isHash(const QString& stored) {
    return stored.startsWith(QLatin1String(hashPrefix));
}

bool matches(const QString& stored, const QString& typed) {
    if (!isHash(stored))
        return stored == typed;
    if (!sodiumReady())
        return false;
    const QByteArray hash = stored.toLatin1();
    const QByteArray bytes = typed.toUtf8();
    return crypto_pwhash_str_verify(hash.constData(), bytes.constData(),
                                    static_cast<unsigned long long>(bytes.size())) == 0;
}

bool rewriteAsHash(const QVariant& userId, const QString& plain) {
    const QString hash = hashed(plain);
    if (hash.isEmpty())
        return false;
    return sql::write(QStringLiteral("update user set Password = ? where id = ? and Password = ?"),
                      {hash, userId, plain}) == sql::Outcome::Done;
}

int hashPlainPasswords() {
    struct Plain {
        QVariant id;
        QString password;
    };
    QVector<Plain> rows;
    {
        QSqlQuery query;
        query.setForwardOnly(true);
        if (!sql::exec(query, QStringLiteral("select id, Password from user")))
            return -1;
        while (query.next()) {
            const QString stored = query.value(1).toString();
            if (!query.value(1).isNull() && !isHash(stored))
                rows.append({query.value(0), stored});
        }
    }
    int rewritten = 0;
    for (const Plain& row : std::as_const(rows)) {
        if (!rewriteAsHash(row.id, row.password))
            return -1;
        ++rewritten;
    }
    return rewritten;
}

} // namespace password
