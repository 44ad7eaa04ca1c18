#include "appointments/dialogpatientrv.h"
#include "app/windowgeometry.h"
#include "ui_dialogpatientrv.h"

#include "app/settingskeys.h"
#include "data/records.h"
#include "data/role.h"
#include "data/sql.h"
#include "widgets/columnfit.h"
#include "widgets/columntitles.h"
#include "widgets/completer.h"
#include "widgets/dateentry.h"
#include "widgets/dateformatdelegate.h"
#include "widgets/fieldfocus.h"
#include "widgets/listcells.h"
#include "widgets/mycombobox.h"
#include "widgets/savefailure.h"
#include "widgets/shownlanguage.h"
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
    shownlanguage::applyLocale(this);
    DateEntry::enable(this);
    {
        // The calendar's cells follow the week (Monday first) only once a date is set again after its
        // locale changed; without this the arrow keys would move from a stale cell.
        const QSignalBlocker quiet(ui->calendarWidget);
        const QDate today = ui->calendarWidget->selectedDate();
        ui->calendarWidget->setSelectedDate(today.addDays(1));
        ui->calendarWidget->setSelectedDate(today);
    }
    m_timeRV = QTime(0, 0);
    connect(ui->comboBoxTime, &QComboBox::textActivated, this, &DialogPatientRV::on_comboBoxTime_activated);

    const QSqlRecord booker = records::user(userId);
    makeDoctorList(Role(booker.value(QStringLiteral("Role")).toInt()).isDoctor()
                       ? booker.value(QStringLiteral("Name")).toString()
                       : QString());

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
            [this](const QVariant& value) { ui->lineEdit->setText(value.toString()); },
            savefailure::labelOf(ui->label));
        stored.addField(
            QStringLiteral("Médecin"), [this] { return QVariant(doctorBox->currentText()); },
            [this](const QVariant& value) { presetDoctor(value.toString()); });
        stored.addField(
            QStringLiteral("RVDate"),
            [this] { return QVariant(QDateTime(ui->calendarWidget->selectedDate(), m_timeRV)); },
            [this](const QVariant& value) {
                const QDateTime when = value.toDateTime();
                ui->calendarWidget->setSelectedDate(when.date());
                ui->timeEdit->setTime(when.time());
                m_timeRV = QTime(when.time().hour(), when.time().minute());
            },
            [] { return tr("Date et heure"); });
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
    listcells::apply(ui->tableView);
    ui->tableView->resizeColumnsToContents();
    ui->tableView->horizontalHeader()->setStretchLastSection(true);
}

DialogPatientRV::~DialogPatientRV() = default;

// The dentists of the office, by name; the booking user when he is one of them, else the first.
void DialogPatientRV::makeDoctorList(const QString& userName) {
    doctorBox = new MyComboBox(this);
    doctorBox->setObjectName(QStringLiteral("comboBoxDoctor"));
    doctorBox->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    ui->horizontalLayoutDoctor->addWidget(doctorBox, 1);
    ui->labelDoctor->setBuddy(doctorBox);
    QSqlQuery doctors;
    doctors.setForwardOnly(true);
    if (sql::exec(doctors, QStringLiteral("select Name from user where Name <> '' and Role <= ") +
                               QString::number(Role::lastDoctor) + QStringLiteral(" order by Name")))
        while (doctors.next())
            doctorBox->addItem(doctors.value(0).toString());
    if (!presetDoctor(userName))
        doctorBox->setCurrentIndex(doctorBox->count() > 0 ? 0 : -1);
    setTabOrder(ui->timeEdit, doctorBox);
    setTabOrder(doctorBox, ui->calendarWidget);
}

bool DialogPatientRV::presetDoctor(const QString& name) {
    const int row = doctorBox->findText(name, Qt::MatchFixedString);
    if (name.isEmpty() || row < 0)
        return false;
    doctorBox->setCurrentIndex(row);
    return true;
}

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
    ui->tabWidget_2->setTabText(0, shownlanguage::locale().toString(selectedDate, QStringLiteral("dddd dd-MM-yyyy")));
}

void DialogPatientRV::on_pushButton_2_clicked() {
    const QString treatment = sql::quoted(ui->lineEdit->text());
    const QString doctorName = sql::quoted(doctorBox->currentText());
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
    columnfit::fitOnce(ui->tableView);
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
    doctorBox->setFocus();
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
