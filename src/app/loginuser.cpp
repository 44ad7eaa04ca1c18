#include "app/loginuser.h"

#include "app/secretstore.h"
#include "app/settingscipher.h"
#include "app/settingskeys.h"
#include "app/windowgeometry.h"
#include "data/sql.h"
#include "ui_loginuser.h"

#include "data/listmodel.h"
#include "data/password.h"
#include "data/server.h"
#include "data/serversecret.h"
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QSettings>
#include <QSqlRecord>

#include <algorithm>

LoginUser::LoginUser(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::LoginUser>()) {
    ui->setupUi(this);

    QFile styleSheet(QStringLiteral(":/styles/login.qss"));
    if (styleSheet.open(QIODevice::ReadOnly | QIODevice::Text))
        setStyleSheet(QString::fromUtf8(styleSheet.readAll()));

    SettingsCipher cipher(settingskeys::cipherKey);
    QSettings settings(settingskeys::organization, settingskeys::application);

    ui->frame->setEnabled(false);
    if (settings.contains(settingskeys::databasePath)) {
        const QString stored = settings.value(settingskeys::databasePath).toString();
        // A server location is shown without its password.
        storedLocation = server::withoutPassword(QString::fromUtf8(cipher.decryptToBytes(stored)), &storedPassword);
        ui->lineEdit->setText(storedLocation);
    }
    if (settings.contains(settingskeys::databaseLocationChoice)) {
        const QString stored = settings.value(settingskeys::databaseLocationChoice).toString();
        if (cipher.decryptToBytes(stored) == QByteArray(settingskeys::thisMachine))
            ui->radioButton->toggle();
        else
            ui->radioButton_3->toggle();
    }

    messageTitle = QStringLiteral("Kelvora");
    userId = -1;

    userModel = new ListModel(this);
    userModel->setTable(QStringLiteral("user"));
    userModel->setFilter(QStringLiteral("role > 0  and Name <> ''"));
    userModel->select();
    ui->connectionNamesComboBox->setModel(userModel);
    ui->connectionNamesComboBox->setModelColumn(userModel->record().indexOf(QStringLiteral("Name")));
    // A user name typed at once goes to the name field, not to a button.
    ui->connectionNamesComboBox->setFocus();
    fitIntoScreen(this);
}

LoginUser::~LoginUser() = default;

void LoginUser::storeLocation() {
    SettingsCipher cipher(settingskeys::cipherKey);
    QSettings settings(settingskeys::organization, settingskeys::application);
    QString location = ui->lineEdit->text();
    QString typedPassword;
    const QString bare = server::withoutPassword(location, &typedPassword);
    // The location shown is the stored one, whose password the field left out: that password still holds.
    const QString password = typedPassword.isEmpty() && bare == storedLocation ? storedPassword : typedPassword;
    if (server::isLocation(bare) && !password.isEmpty()) {
        // Only once the password is kept apart does the stored location lose it.
        setEnabled(false);
        const bool kept = secretstore::write(bare, password);
        setEnabled(true);
        if (kept) {
            location = bare;
            storedLocation = bare;
            storedPassword.clear();
            ui->lineEdit->setText(bare);
        } else {
            location = server::withPassword(bare, password);
        }
    }
    settings.setValue(settingskeys::databasePath, cipher.encryptToText(location));
    const char* choice = ui->radioButton->isChecked() ? settingskeys::thisMachine : settingskeys::otherMachine;
    settings.setValue(settingskeys::databaseLocationChoice, cipher.encryptToText(QString::fromLatin1(choice)));
}

void LoginUser::on_okPushButton_clicked() {
    // The location is kept whatever the outcome of the login: it is what the next start will open.
    storeLocation();

    const QString name = sql::quoted(ui->connectionNamesComboBox->currentText());
    const QString statement = QStringLiteral("select * from user where name='") + name + QStringLiteral("'");
    int rows = 0;
    if (sql::exec(query, statement))
        while (query.next())
            ++rows;

    if (rows == 0) {
        QMessageBox::warning(nullptr, messageTitle, tr("\nNom d'utilisateur non valide ! \t\t\n "), QMessageBox::Ok);
        ui->passwordLineEdit->clear();
        ui->connectionNamesComboBox->clearEditText();
        ui->connectionNamesComboBox->setFocus();
        return;
    }

    if (!sql::exec(query, statement) || !query.next()) {
        refusePassword(0);
        return;
    }
    const int passwordColumn = userModel->record().indexOf(QStringLiteral("Password"));
    const QString stored = query.value(passwordColumn).toString();
    const QVariant id = query.value(0);
    // Done with before any box waits for the user: an open query would hold the database.
    query.finish();

    const Failures& past = failures.value(id.toInt());
    if (past.count >= freeAttempts && !past.retryAt.hasExpired()) {
        const int seconds = int((past.retryAt.remainingTime() + 999) / 1000);
        QMessageBox::warning(nullptr, messageTitle,
                             tr("Trop de mots de passe erronés pour cet utilisateur.\n"
                                "Nouvel essai possible dans %1 s.")
                                 .arg(seconds),
                             QMessageBox::Ok);
        ui->passwordLineEdit->clear();
        ui->passwordLineEdit->setFocus();
        return;
    }

    const QString typed = ui->passwordLineEdit->text();
    if (!password::matches(stored, typed)) {
        refusePassword(countFailure(id.toInt()));
        return;
    }
    failures.remove(id.toInt());
    // An office made by an earlier version holds the password itself: it is kept as a hash from now on.
    if (!password::isHash(stored))
        password::rewriteAsHash(id, stored);
    userId = id.toInt();
    accept();
}

qint64 LoginUser::countFailure(int id) {
    Failures& user = failures[id];
    ++user.count;
    if (user.count < freeAttempts)
        return 0;
    // Doubles with every further wrong password, up to thirty times the first wait.
    const int step = std::min(user.count - freeAttempts, 5);
    const qint64 wait = std::min<qint64>(qint64(retryDelayUnit) << step, qint64(retryDelayUnit) * 30);
    user.retryAt = QDeadlineTimer(wait);
    return wait;
}

void LoginUser::refusePassword(qint64 waitMs) {
    if (waitMs <= 0) {
        QMessageBox::warning(nullptr, messageTitle, tr("\nMot de passe n'est pas  valide !  \t\t\n"), QMessageBox::Ok);
    } else {
        const int seconds = int((waitMs + 999) / 1000);
        QMessageBox::warning(nullptr, messageTitle,
                             tr("Mot de passe non valide.\n"
                                "Trop d'essais pour cet utilisateur : nouvel essai possible dans %1 s.")
                                 .arg(seconds),
                             QMessageBox::Ok);
    }
    ui->passwordLineEdit->clear();
    ui->passwordLineEdit->setFocus();
}

void LoginUser::on_cancelPushButton_clicked() {
    userId = -1;
    reject();
}

void LoginUser::on_pushButton_clicked() {
    const QString path = QFileDialog::getOpenFileName(this, tr("Open File"), QString(), tr("Database (*.mdb)"));
    ui->lineEdit->setText(path);
}

void LoginUser::on_radioButton_toggled(bool checked) {
    if (checked)
        ui->frame->setEnabled(false);
}

void LoginUser::on_radioButton_3_toggled(bool checked) {
    if (checked)
        ui->frame->setEnabled(true);
}

void LoginUser::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
