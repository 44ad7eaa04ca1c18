#include "appointments/dialogpatientrv.h"
#include "app/windowgeometry.h"
#include "ui_dialogpatientrv.h"

#include "app/settingskeys.h"
#include "data/records.h"
#include "data/sql.h"
#include "widgets/columntitles.h"
#include "widgets/completer.h"
#include "widgets/dateformatdelegate.h"
#include "widgets/fieldfocus.h"
#include "widgets/savefailure.h"
#include "widgets/wordlist.h"

#include "data/listmodel.h"
#include <QCloseEvent>
#include <QCompleter>
#include <QDateTime>
#include <QHeaderView>
#include <QLocale>
#include <QMessageBox>
#include <QSettings>
#include <QSignalBlocker>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringListModel>

namespace {
QString dayFilter(const QDate& day) {
    return QStringLiteral(" rvdate = datevalue('") + day.toString(QStringLiteral("dd-MM-yyyy")) + QStringLiteral("')");
}

// A stored flag: absent, empty, "0" or "false" (any case) is false, anything else true.
bool storedFlag(const QVariant& value) {
    const QString text = value.toString().trimmed().toLower();
    return !(text.isEmpty() || text == QLatin1String("0") || text == QLatin1String("false"));
}

} // namespace

DialogPatientRV::DialogPatientRV(int user, int patient, int appointmentNum, QWidget* parent)
    : QDialog(parent), userId(user), patientNum(patient), rvNum(appointmentNum),
      ui(std::make_unique<Ui::DialogPatientRV>()) {
    ui->setupUi(this);
    {
        // The calendar's cells follow the French week (Monday first) only once a date is set again after its
        // locale changed; without this the arrow keys would move from a stale cell.
        const QSignalBlocker quiet(ui->calendarWidget);
        const QDate today = ui->calendarWidget->selectedDate();
        ui->calendarWidget->setSelectedDate(today.addDays(1));
        ui->calendarWidget->setSelectedDate(today);
    }
    m_timeRV = QTime(0, 0);
    connect(ui->comboBoxTime, &QComboBox::textActivated, this, &DialogPatientRV::on_comboBoxTime_activated);

    doctorName = sql::quoted(records::user(userId).value(QStringLiteral("Name")).toString());

    selectedDate = ui->calendarWidget->selectedDate();
    ui->lineEdit->setFocus();

    dayModel = new ListModel(this);
    dayModel->setTable(QStringLiteral("vrendezvousdate"));
    dayModel->setFilter(dayFilter(selectedDate));
    dayModel->select();
    ui->tableView->setModel(dayModel);
    setColumnTitles(dayModel);
    ui->tableView->resizeColumnsToContents();
    ui->tableView->horizontalHeader()->setStretchLastSection(true);
    ui->tableView->hideColumn(dayModel->fieldIndex(QStringLiteral("Num")));
    ui->tableView->hideColumn(dayModel->fieldIndex(QStringLiteral("RVDate")));
    ui->comboBoxTime->hide();

    if (rvNum != 0) {
        stored.addField(
            QStringLiteral("traitement"), [this] { return QVariant(ui->lineEdit->text()); },
            [this](const QVariant& value) { ui->lineEdit->setText(value.toString()); });
        stored.addField(
            QStringLiteral("RVDate"),
            [this] { return QVariant(QDateTime(ui->calendarWidget->selectedDate(), m_timeRV)); },
            [this](const QVariant& value) {
                const QDateTime when = value.toDateTime();
                ui->calendarWidget->setSelectedDate(when.date());
                ui->timeEdit->setTime(when.time());
                m_timeRV = QTime(when.time().hour(), when.time().minute());
            });
        QSqlQuery appointment;
        appointment.setForwardOnly(true);
        if (sql::exec(appointment,
                      QStringLiteral("select * from Rendezvous where RVNum = ") + QString::number(rvNum)) &&
            appointment.next()) {
            showTitle();
            stored.load(appointment.record());
        }
    } else {
        showTitle();
        ui->timeEdit->setTime(QTime(8, 0));
        m_timeRV = QTime(8, 0);
    }

    treatmentCompleter =
        makeCompleter(loadWordList(this, QStringLiteral(":/resources/liste_traitement.txt"), this), 0, this);
    ui->lineEdit->setCompleter(treatmentCompleter);

    countDay();

    ui->lineEdit->setFocus();
    restoreWindowGeometry(this);
    QSettings settings(settingskeys::windowOrganization, settingskeys::windowApplication);
    m_hidden = storedFlag(settings.value(QLatin1String(settingskeys::bookingDetails)));
    ui->tabWidget_2->setVisible(!m_hidden);

    showDayInTab();
    ui->tableView->setItemDelegateForColumn(
        0, new DateFormatDelegate(QStringLiteral("dddd dd-MM-yyyy HH:mm:ss"), -1, ui->tableView));
    ui->tableView->resizeColumnsToContents();
    ui->tableView->horizontalHeader()->setStretchLastSection(true);
}

DialogPatientRV::~DialogPatientRV() = default;

void DialogPatientRV::showTitle() {
    setWindowTitle(rvNum != 0 ? tr("Rendez-vous N° ") + QString::number(rvNum) : tr("Nouveau Rendez-vous "));
}

void DialogPatientRV::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        showTitle();
        countDay();
        showDayInTab();
        setColumnTitles(dayModel);
    }
}

void DialogPatientRV::countDay() {
    QSqlQuery count;
    QString number = QStringLiteral("0");
    if (sql::exec(count, QStringLiteral("select count(*) from vrendezvousdate where  RVDate = datevalue('") +
                             selectedDate.toString(QStringLiteral("dd-MM-yyyy")) + QStringLiteral("')")) &&
        count.next())
        number = count.value(0).toString();
    // Setting a text replaces the button's shortcut by the text's mnemonic: set F12 again afterwards.
    ui->btnViewRV->setText(number + tr(" rendez-vous"));
    ui->btnViewRV->setShortcut(QKeySequence(Qt::Key_F12));
}

void DialogPatientRV::showDayInTab() {
    // French day names whatever the system's language.
    const QLocale french(QLocale::French, QLocale::France);
    ui->tabWidget_2->setTabText(0, french.toString(selectedDate, QStringLiteral("dddd dd-MM-yyyy")));
}

void DialogPatientRV::on_pushButton_2_clicked() {
    const QString treatment = sql::quoted(ui->lineEdit->text());
    const QString dateText =
        QDateTime(ui->calendarWidget->selectedDate(), m_timeRV).toString(QStringLiteral("dd-MM-yyyy HH:mm:ss"));
    if (rvNum == 0) {
        // A booking that was not written says so and keeps the dialog open with what was typed.
        if (savefailure::report(
                this,
                sql::write(QStringLiteral("insert into Rendezvous (patientNum,RVDate,Médecin,traitement) values  ( ") +
                           QString::number(patientNum) + QStringLiteral(" ,'") + dateText + QStringLiteral("','") +
                           doctorName + QStringLiteral("','") + treatment + QStringLiteral("')"))))
            accept();
        return;
    }
    const sql::Outcome outcome = sql::writeIfUnchanged(
        QStringLiteral(" update Rendezvous  set  rvdate = '") + dateText + QStringLiteral("' , ") +
            QStringLiteral(" traitement = '") + treatment + QStringLiteral("'  ,") + QStringLiteral(" Médecin = '") +
            doctorName + QStringLiteral("'  ") + QStringLiteral(" where  rvNum = ") + QString::number(rvNum),
        stored.record());
    if (outcome != sql::Outcome::Changed) {
        if (savefailure::report(this, outcome))
            accept();
        return;
    }
    savefailure::reportChanged(this, stored, QStringLiteral("Rendezvous"), QStringLiteral("RVNum"), rvNum,
                               tr("Un autre poste a supprimé ce rendez-vous : il ne peut plus être enregistré."));
}

void DialogPatientRV::presetWhen(const QDateTime& when) {
    ui->calendarWidget->setSelectedDate(when.date());
    ui->timeEdit->setTime(when.time());
    m_timeRV = QTime(when.time().hour(), when.time().minute());
}

void DialogPatientRV::on_calendarWidget_activated(const QDate&) {
    ui->pushButton_2->click();
}

void DialogPatientRV::on_calendarWidget_selectionChanged() {
    selectedDate = ui->calendarWidget->selectedDate();
    countDay();
    dayModel->setFilter(dayFilter(selectedDate));
    dayModel->select();
    ui->tableView->resizeColumnsToContents();
    ui->tableView->horizontalHeader()->setStretchLastSection(true);
    showDayInTab();
}

void DialogPatientRV::on_lineEdit_returnPressed() {
    focusAndSelect(ui->timeEdit);
}

// The save reads the line itself: typing keeps nothing aside.
void DialogPatientRV::on_lineEdit_textChanged(const QString&) {}

void DialogPatientRV::on_timeEdit_timeChanged(const QTime& time) {
    m_timeRV = time;
}

void DialogPatientRV::on_timeEdit_editingFinished() {
    const QTime time = ui->timeEdit->time();
    m_timeRV = QTime(time.hour(), time.minute());
    ui->calendarWidget->setFocus();
}

void DialogPatientRV::on_btnViewRV_clicked() {
    m_hidden = !m_hidden;
    ui->tabWidget_2->setVisible(!m_hidden);
}

void DialogPatientRV::on_annulerInfoBtn_clicked() {
    saveSettings();
    reject();
}

void DialogPatientRV::on_comboBoxTime_activated(const QString&) {}

void DialogPatientRV::on_cmb_activated(const QString&) {}

void DialogPatientRV::saveSettings() {
    saveWindowGeometry(this);
    QSettings settings(settingskeys::windowOrganization, settingskeys::windowApplication);
    settings.setValue(QLatin1String(settingskeys::bookingDetails),
                      m_hidden ? QStringLiteral("true") : QStringLiteral("false"));
}

void DialogPatientRV::closeEvent(QCloseEvent* event) {
    saveSettings();
    event->accept();
}
