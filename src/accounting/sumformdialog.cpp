#include "accounting/sumformdialog.h"

#include "ui_sumformdialog.h"

#include "app/windowgeometry.h"
#include "data/receipts.h"
#include "data/receiptsexport.h"
#include "data/sql.h"
#include "widgets/columntitles.h"
#include "widgets/dateformatdelegate.h"
#include "widgets/delegate.h"
#include "widgets/listcells.h"
#include "widgets/shownlanguage.h"

#include "data/listmodel.h"
#include "data/trace.h"
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QSaveFile>
#include <QSignalBlocker>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTextDocument>

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

    // Reception never sees amounts, in the window or in what it exports.
    ui->pushButtonCsv->setVisible(role.isDoctor());
    ui->pushButtonPdf->setVisible(role.isDoctor());

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

QString sumFormDialog::periodText() const {
    return tr("Recettes du %1 au %2")
        .arg(ui->dateEdit->date().toString(QStringLiteral("dd-MM-yyyy")),
             ui->dateEdit_2->date().toString(QStringLiteral("dd-MM-yyyy")));
}

QString sumFormDialog::exportPath(const QString& title, const QString& suffix, const QString& filter) {
    const QString name = QStringLiteral("recettes_") + ui->dateEdit->date().toString(QStringLiteral("yyyy-MM-dd")) +
                         QLatin1Char('_') + ui->dateEdit_2->date().toString(QStringLiteral("yyyy-MM-dd")) + suffix;
    // The toolkit's own chooser, the same on every desktop.
    QString path = QFileDialog::getSaveFileName(this, title, QDir::home().filePath(name), filter, nullptr,
                                                QFileDialog::DontUseNativeDialog);
    if (!path.isEmpty() && !path.endsWith(suffix, Qt::CaseInsensitive))
        path += suffix;
    return path;
}

void sumFormDialog::on_pushButtonCsv_clicked() {
    const QString path = exportPath(tr("Exporter les recettes"), QStringLiteral(".csv"), tr("Fichiers CSV (*.csv)"));
    if (path.isEmpty())
        return;
    const receiptsexport::Period period =
        receiptsexport::read(ui->dateEdit->date(), ui->dateEdit_2->date(), role.seesEveryDoctorsAmounts() ? 0 : userId);
    // Written whole or not at all: a full disk leaves no half file that looks complete.
    QSaveFile file(path);
    if (!period.ok || !file.open(QIODevice::WriteOnly) || file.write(receiptsexport::csv(period)) < 0 || !file.commit())
        QMessageBox::warning(this, windowTitle(), tr("Les recettes n'ont pas pu être enregistrées dans %1.").arg(path));
}

void sumFormDialog::on_pushButtonPdf_clicked() {
    const QString path = exportPath(tr("Exporter les recettes"), QStringLiteral(".pdf"), tr("Fichiers PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!writePdf(path))
        QMessageBox::warning(this, windowTitle(), tr("Les recettes n'ont pas pu être enregistrées dans %1.").arg(path));
}

// The period on A4 pages: the days, then the patients, then the totals.
bool sumFormDialog::writePdf(const QString& path) {
    const receiptsexport::Period period =
        receiptsexport::read(ui->dateEdit->date(), ui->dateEdit_2->date(), role.seesEveryDoctorsAmounts() ? 0 : userId);
    if (!period.ok)
        return false;
    const auto cell = [](const QString& text, bool amount = false) {
        return (amount ? QStringLiteral("<td align=\"right\">") : QStringLiteral("<td>")) + text.toHtmlEscaped() +
               QStringLiteral("</td>");
    };
    const auto amounts = [&cell](qint64 fee, qint64 payment) {
        return cell(QString::number(fee), true) + cell(QString::number(payment), true) +
               cell(QString::number(fee - payment), true);
    };
    const QString head = QStringLiteral("<th align=\"right\">") + tr("Frais").toHtmlEscaped() +
                         QStringLiteral("</th><th align=\"right\">") + tr("Payement").toHtmlEscaped() +
                         QStringLiteral("</th><th align=\"right\">") + tr("Reste").toHtmlEscaped() +
                         QStringLiteral("</th>");
    const QString table = QStringLiteral("<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\">");
    QString html = QStringLiteral("<h2>") + periodText().toHtmlEscaped() + QStringLiteral("</h2><h3>") +
                   tr("Par jour").toHtmlEscaped() + QStringLiteral("</h3>") + table + QStringLiteral("<tr><th>") +
                   tr("Jour").toHtmlEscaped() + QStringLiteral("</th><th>") + tr("Médecin").toHtmlEscaped() +
                   QStringLiteral("</th>") + head + QStringLiteral("</tr>");
    for (const receiptsexport::Row& row : period.days)
        html += QStringLiteral("<tr>") + cell(row.day.toString(QStringLiteral("dd-MM-yyyy"))) + cell(row.doctor) +
                amounts(row.fee, row.payment) + QStringLiteral("</tr>");
    html += QStringLiteral("<tr><th colspan=\"2\" align=\"left\">") + tr("Total").toHtmlEscaped() +
            QStringLiteral("</th>") + amounts(period.fees, period.payments) + QStringLiteral("</tr></table><h3>") +
            tr("Par patient").toHtmlEscaped() + QStringLiteral("</h3>") + table + QStringLiteral("<tr><th>") +
            tr("Patient").toHtmlEscaped() + QStringLiteral("</th><th>") + tr("Médecin").toHtmlEscaped() +
            QStringLiteral("</th>") + head + QStringLiteral("</tr>");
    for (const receiptsexport::Row& row : period.patients)
        html += QStringLiteral("<tr>") + cell(row.patient) + cell(row.doctor) + amounts(row.fee, row.payment) +
                QStringLiteral("</tr>");
    html += QStringLiteral("</table>");

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    printer.setDocName(periodText());
    QTextDocument document;
    document.setHtml(html);
    document.print(&printer);
    return printer.printerState() != QPrinter::Error && QFileInfo(path).size() > 0;
}
