#include "accounting/sumformdialog.h"

#include "ui_sumformdialog.h"

#include "app/windowgeometry.h"
#include "data/receipts.h"
#include "data/sql.h"
#include "widgets/columntitles.h"
#include "widgets/dateformatdelegate.h"
#include "widgets/delegate.h"
#include "widgets/listcells.h"
#include "widgets/shownlanguage.h"

#include "data/listmodel.h"
#include "data/trace.h"
#include <QSignalBlocker>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

sumFormDialog::sumFormDialog(int user, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::sumFormDialog>()), userId(user) {
    ui->setupUi(this);
    shownlanguage::applyLocale(this);

    role = Role::ofUser(userId);

    // The models belong to the dialog, so that they go with it.
    fewActs = !role.seesEveryDoctorsAmounts() && receipts::hasFewActs(userId);
    dayModel = new ListModel(this);
    const QString ownDays = fewActs ? receipts::daysOfDoctor(userId) : QString();
    if (ownDays.isEmpty()) {
        dayModel->setTable(QStringLiteral("Query"));
    } else {
        dayModel->setTable(ownDays);
        dayModel->setSort(dayModel->fieldIndex(QStringLiteral("VDate")), Qt::AscendingOrder);
    }
    dayModel->select();
    ui->tableViewDay->setModel(dayModel);
    setColumnTitles(dayModel);

    patientModel = new ListModel(this);
    // A doctor who does not see everybody's amounts sees his own patients: read from his own acts when he has
    // few, since the register in name order would be read far to find them.
    if (fewActs) {
        patientModel->setTable(receipts::patientsOfDoctor(userId));
        patientModel->setSort(patientModel->fieldIndex(QStringLiteral("Nom")), Qt::AscendingOrder);
    } else {
        patientModel->setTable(QStringLiteral("vPatient"));
        if (!role.seesEveryDoctorsAmounts())
            patientModel->setFilter(QStringLiteral("id = ") + QString::number(userId));
    }
    patientModel->select();
    ui->tableViewPatient->setModel(patientModel);
    setColumnTitles(patientModel);

    {
        // The period opens on the first and the last act; no recompute for each of the two settings.
        const QSignalBlocker blockStart(ui->dateEdit);
        const QSignalBlocker blockEnd(ui->dateEdit_2);
        const QDate first = dayOf(QStringLiteral("select min(vdate) from Traitements"));
        if (first.isValid())
            ui->dateEdit->setDate(first);
        const QDate last = dayOf(QStringLiteral("select max(vdate) from Traitements"));
        if (last.isValid())
            ui->dateEdit_2->setDate(last);
    }

    ui->tableViewDay->setItemDelegateForColumn(3, new Delegate(this));
    ui->tableViewDay->setItemDelegateForColumn(0, new DateFormatDelegate(QStringLiteral("dddd dd-MM-yyyy"), -1, this));
    ui->tableViewDay->hideColumn(dayModel->fieldIndex(QStringLiteral("id")));

    ui->tableViewPatient->setItemDelegateForColumn(4, new Delegate(this));
    listcells::apply(ui->tableViewDay);
    listcells::apply(ui->tableViewPatient);
    ui->tableViewPatient->hideColumn(patientModel->fieldIndex(QStringLiteral("Num")));
    ui->tableViewPatient->hideColumn(patientModel->fieldIndex(QStringLiteral("id")));

    const int widths[] = {300, 200, 200, 200, 400, 400};
    for (int i = 0; i < 6; ++i) {
        ui->tableViewDay->setColumnWidth(i, widths[i]);
        ui->tableViewPatient->setColumnWidth(i + 1, widths[i]);
    }

    laSommeProc();
    fitIntoScreen(this);
}

sumFormDialog::~sumFormDialog() = default;

// The day of the value the statement gives (the first or the last act's): the date-time text up to its "T".
QDate sumFormDialog::dayOf(const QString& statement) {
    QSqlQuery query;
    if (!sql::exec(query, statement) || !query.next())
        return {};
    const QString text = query.value(0).toString();
    return QDate::fromString(text.section(QLatin1Char('T'), 0, 0), QStringLiteral("yyyy-MM-dd"));
}

// The days of the period and its three totals.
void sumFormDialog::laSommeProc() {
    const QString tail = role.seesEveryDoctorsAmounts() ? QStringLiteral("') ")
                                                        : QStringLiteral("') and id = ") + QString::number(userId);
    const QString filter =
        QStringLiteral(" VDate Between datevalue('") + ui->dateEdit->date().toString(QStringLiteral("dd-MM-yyyy")) +
        QStringLiteral("') And datevalue('") + ui->dateEdit_2->date().toString(QStringLiteral("dd-MM-yyyy")) + tail;
    dayModel->setFilter(filter);
    dayModel->select();
    if (dayModel->lastError().isValid())
        qCWarning(lcTrace).noquote() << "Query" << sql::withoutValues(dayModel->filter())
                                     << sql::errorText(dayModel->lastError());

    // The totals from the daily sums, each cut to whole amounts as the day list shows it, so that the totals
    // are those of the days listed.
    QSqlQuery sums;
    QVariant fees;
    QVariant payments;
    if (sql::exec(sums, QStringLiteral("select sum(cast(vRecettes.Frais as integer)),sum(cast(vRecettes.Payement as "
                                       "integer))  from vRecettes where ") +
                            filter) &&
        sums.next()) {
        fees = sums.value(0);
        payments = sums.value(1);
    }
    ui->labelDay->setText(fees.toString());
    ui->labelDayPayement->setText(payments.toString());
    ui->labelDayResre->setText(QString::number(fees.toLongLong() - payments.toLongLong()));
}

void sumFormDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        setColumnTitles(dayModel);
        setColumnTitles(patientModel);
        laSommeProc();
    }
}

void sumFormDialog::on_dateEdit_dateChanged(const QDate&) {
    laSommeProc();
}

void sumFormDialog::on_dateEdit_2_dateChanged(const QDate&) {
    laSommeProc();
}

void sumFormDialog::on_pushButton_clicked() {
    accept();
}
