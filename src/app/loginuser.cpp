#include "app/loginuser.h"

#include "app/settingscipher.h"
#include "app/settingskeys.h"
#include "app/windowgeometry.h"
#include "data/sql.h"
#include "ui_loginuser.h"

#include "data/listmodel.h"
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QSettings>
#include <QSqlRecord>

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
        ui->lineEdit->setText(QString::fromUtf8(cipher.decryptToBytes(stored)));
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
    settings.setValue(settingskeys::databasePath, cipher.encryptToText(ui->lineEdit->text()));
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

    if (sql::exec(query, statement) && query.next()) {
        const int passwordColumn = userModel->record().indexOf(QStringLiteral("Password"));
        const bool matches = query.value(passwordColumn).toString() == ui->passwordLineEdit->text();
        const int id = query.value(0).toInt();
        // Done with before any box waits for the user: an open query would hold the database.
        query.finish();
        if (matches) {
            userId = id;
            accept();
            return;
        }
    }
    QMessageBox::warning(nullptr, messageTitle, tr("\nMot de passe n'est pas  valide !  \t\t\n"), QMessageBox::Ok);
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
