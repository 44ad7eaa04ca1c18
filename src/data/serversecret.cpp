#include "data/serversecret.h"

#include "data/server.h"

#include <QMutex>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QStringList>
#include <QUrl>

namespace server {

namespace {

constexpr char schemeEnd[] = "://";
// Shorter secrets would take common letters out of every message; the location's own form still hides them.
constexpr int shortestKnownSecret = 4;

QMutex secretsMutex;
QStringList& knownSecrets() {
    static QStringList secrets;
    return secrets;
}

QtMessageHandler previousHandler = nullptr;

void scrubbingHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (previousHandler)
        previousHandler(type, context, scrubbed(message));
}

// Where the user part of a location lies: from after the scheme to its last '@' (a password may hold any
// character, even where a valid location would not). False for a text that is no location.
bool userPart(const QString& location, int* start, int* at) {
    if (!isLocation(location))
        return false;
    const int scheme = int(location.indexOf(QLatin1String(schemeEnd)));
    if (scheme < 0)
        return false;
    *start = scheme + int(qstrlen(schemeEnd));
    *at = int(location.lastIndexOf(QLatin1Char('@')));
    return *at > *start;
}

} // namespace

QString withoutPassword(const QString& location, QString* password) {
    if (password)
        password->clear();
    const QString text = location.trimmed();
    int start = 0;
    int at = 0;
    if (!userPart(text, &start, &at))
        return location;
    const int colon = int(text.indexOf(QLatin1Char(':'), start));
    if (colon < 0 || colon > at)
        return text;
    if (password)
        *password = QUrl::fromPercentEncoding(text.mid(colon + 1, at - colon - 1).toUtf8());
    return text.left(colon) + text.mid(at);
}

QString withPassword(const QString& location, const QString& password) {
    const QString bare = withoutPassword(location);
    int start = 0;
    int at = 0;
    if (password.isEmpty() || !userPart(bare, &start, &at))
        return bare;
    return bare.left(at) + QLatin1Char(':') + QString::fromLatin1(QUrl::toPercentEncoding(password)) + bare.mid(at);
}

bool hasPassword(const QString& location) {
    QString password;
    withoutPassword(location, &password);
    return !password.isEmpty();
}

QString hiddenPassword() {
    return QString(8, QChar(0x2022));
}

QString withHiddenPassword(const QString& location) {
    const QString bare = withoutPassword(location);
    int start = 0;
    int at = 0;
    if (!hasPassword(location) || !userPart(bare, &start, &at))
        return bare;
    return bare.left(at) + QLatin1Char(':') + hiddenPassword() + bare.mid(at);
}

QString scrubbed(const QString& text) {
    // USER:PASSWORD@ after the scheme, up to the next '@' of the line (a password may hold blanks); without
    // any '@' (a half-typed location), all that follows the colon. A password holding an '@' of its own is
    // taken out whole as a known secret.
    static const QRegularExpression userInfo(QStringLiteral("(postgres(?:ql)?:/*[^\\s:@/]*):(?:[^@\\n]*@|\\S*)"),
                                             QRegularExpression::CaseInsensitiveOption);
    QString result;
    qsizetype from = 0;
    QRegularExpressionMatchIterator matches = userInfo.globalMatch(text);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        result +=
            text.mid(from, match.capturedStart() - from) + match.captured(1) + QLatin1Char(':') + hiddenPassword();
        if (match.captured().endsWith(QLatin1Char('@')))
            result += QLatin1Char('@');
        from = match.capturedEnd();
    }
    result += text.mid(from);
    QMutexLocker lock(&secretsMutex);
    for (const QString& secret : std::as_const(knownSecrets())) {
        result.replace(secret, hiddenPassword());
        result.replace(QString::fromLatin1(QUrl::toPercentEncoding(secret)), hiddenPassword());
    }
    return result;
}

void keepSecret(const QString& password) {
    if (password.size() < shortestKnownSecret)
        return;
    QMutexLocker lock(&secretsMutex);
    if (!knownSecrets().contains(password))
        knownSecrets().append(password);
}

void scrubMessages() {
    // Installed again after another handler took its place, it goes on writing through that one.
    const QtMessageHandler current = qInstallMessageHandler(scrubbingHandler);
    if (current != scrubbingHandler)
        previousHandler = current;
}

} // namespace server
