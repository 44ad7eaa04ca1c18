#include "app/secretstore.h"

#include "app/settingscipher.h"
#include "app/settingskeys.h"
#include "data/server.h"
#include "data/serversecret.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QSaveFile>
#include <QSettings>
#include <QTimer>

#include <qt6keychain/keychain.h>

#include <memory>

namespace secretstore {

namespace {

constexpr char keyringService[] = "kelvora";
constexpr char fallbackFileName[] = "secrets.json";
constexpr char noKeyringVariable[] = "KELVORA_NO_KEYRING";
// A locked keyring asks the user for its password: give them time to type it.
constexpr int keyringWaitMs = 60000;
constexpr QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// Runs a keyring job to its end; the job deletes itself, even when it answers after the wait.
template <typename JobType, typename Prepare> bool runJob(Prepare prepare, QString* readBack) {
    auto* job = new JobType(QString::fromLatin1(keyringService));
    job->setAutoDelete(true);
    prepare(job);
    struct Answer {
        bool done = false;
        bool ok = false;
        QString secret;
    };
    auto answer = std::make_shared<Answer>();
    QEventLoop loop;
    QPointer<QEventLoop> waiting(&loop);
    QObject::connect(job, &QKeychain::Job::finished, job, [answer, waiting](QKeychain::Job* finished) {
        answer->done = true;
        answer->ok = finished->error() == QKeychain::NoError;
        if (auto* reader = qobject_cast<QKeychain::ReadPasswordJob*>(finished))
            answer->secret = reader->textData();
        if (waiting)
            waiting->quit();
    });
    job->start();
    if (!answer->done) {
        QTimer::singleShot(keyringWaitMs, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (readBack)
        *readBack = answer->secret;
    return answer->done && answer->ok;
}

QJsonObject readFile() {
    QFile file(fallbackFile());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // Whatever made it readable to others, it is the owner's alone from now on.
    if (file.permissions() != ownerOnly)
        file.setPermissions(ownerOnly);
    return QJsonDocument::fromJson(file.readAll()).object();
}

bool writeFile(const QJsonObject& secrets) {
    QDir().mkpath(QFileInfo(fallbackFile()).absolutePath());
    QSaveFile file(fallbackFile());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Set before a single byte is written: the file never exists readable by others.
    if (!file.setPermissions(ownerOnly))
        return false;
    file.write(QJsonDocument(secrets).toJson(QJsonDocument::Compact));
    return file.commit();
}

} // namespace

bool keyringEnabled() {
    return qEnvironmentVariableIsEmpty(noKeyringVariable);
}

QString fallbackFile() {
    const QSettings settings(settingskeys::organization, settingskeys::application);
    return QFileInfo(settings.fileName()).absolutePath() + QLatin1Char('/') + QLatin1String(fallbackFileName);
}

QString read(const QString& location) {
    const QString key = server::withoutPassword(location);
    QString secret;
    if (keyringEnabled() &&
        runJob<QKeychain::ReadPasswordJob>([&key](QKeychain::Job* job) { job->setKey(key); }, &secret) &&
        !secret.isEmpty())
        return secret;
    return readFile().value(key).toString();
}

bool write(const QString& location, const QString& password) {
    const QString key = server::withoutPassword(location);
    QJsonObject secrets = readFile();
    if (keyringEnabled() && runJob<QKeychain::WritePasswordJob>(
                                [&key, &password](QKeychain::Job* job) {
                                    job->setKey(key);
                                    static_cast<QKeychain::WritePasswordJob*>(job)->setTextData(password);
                                },
                                nullptr)) {
        // Kept in the keyring: no copy stays behind in the file.
        if (secrets.contains(key)) {
            secrets.remove(key);
            writeFile(secrets);
        }
        return true;
    }
    secrets.insert(key, password);
    return writeFile(secrets);
}

QString connectLocation(QSettings& settings, const QString& stored) {
    if (!server::isLocation(stored))
        return stored;
    QString password;
    const QString bare = server::withoutPassword(stored, &password);
    if (password.isEmpty()) {
        password = read(bare);
        server::keepSecret(password);
        return server::withPassword(bare, password);
    }
    server::keepSecret(password);
    // Kept where it belongs first: the stored location loses its password only once it is safe elsewhere.
    if (write(bare, password)) {
        SettingsCipher cipher(settingskeys::cipherKey);
        settings.setValue(settingskeys::databasePath, cipher.encryptToText(bare));
    }
    return stored;
}

} // namespace secretstore
