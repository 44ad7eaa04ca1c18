#include "appointments/recalllist.h"

#include "appointments/dialogpatientrv.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

const char* const ShownDate = "dd-MM-yyyy";

} // namespace

RecallList::RecallList(int user, QWidget* parent) : QDialog(parent), userId(user) {
    setObjectName(QStringLiteral("RecallList"));
    setWindowTitle(tr("Patients à rappeler"));
    resize(900, 600);

    auto* period = new QHBoxLayout;
    period->addWidget(new QLabel(tr("Dernière visite il y a au moins"), this));
    months = new QSpinBox(this);
    months->setObjectName(QStringLiteral("recallMonths"));
    months->setRange(1, 120);
    months->setValue(recalls::DefaultMonths);
    months->setSuffix(tr(" mois"));
    period->addWidget(months);
    period->addStretch();

    table = new QTableWidget(this);
    table->setObjectName(QStringLiteral("recallTable"));
    table->setColumnCount(6);
    table->setHorizontalHeaderLabels(
        {tr("Nom"), tr("Tél"), tr("Dernière visite"), tr("Jours de retard"), tr("Appelé le"), tr("Note")});
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->hide();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto addButton = [&](const QString& name, const QString& text, void (RecallList::*slot)()) {
        QPushButton* button = buttons->addButton(text, QDialogButtonBox::ActionRole);
        button->setObjectName(name);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, slot);
    };
    addButton(QStringLiteral("bookButton"), tr("&Rendez-vous..."), &RecallList::book);
    addButton(QStringLiteral("calledButton"), tr("&Appelé..."), &RecallList::markCalled);
    addButton(QStringLiteral("doNotRecallButton"), tr("&Ne plus rappeler"), &RecallList::doNotRecall);
    addButton(QStringLiteral("printButton"), tr("&Imprimer..."), &RecallList::print);
    addButton(QStringLiteral("exportButton"), tr("&Exporter CSV..."), &RecallList::exportCsv);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(period);
    layout->addWidget(table);
    layout->addWidget(buttons);

    connect(months, &QSpinBox::valueChanged, this, &RecallList::reload);
    connect(table, &QTableWidget::cellDoubleClicked, this, &RecallList::book);
    reload();
}

void RecallList::reload() {
    const int kept = selectedPatient();
    rows = recalls::due(months->value());
    table->setRowCount(int(rows.size()));
    for (int i = 0; i < rows.size(); ++i) {
        const recalls::Row& row = rows.at(i);
        const QStringList texts{row.name,
                                row.telephone,
                                row.lastVisit.toString(QString::fromLatin1(ShownDate)),
                                QString::number(row.daysOverdue),
                                row.called.isValid() ? row.called.toString(QString::fromLatin1(ShownDate)) : QString(),
                                row.note};
        for (int column = 0; column < texts.size(); ++column)
            table->setItem(i, column, new QTableWidgetItem(texts.at(column)));
        if (row.patient == kept)
            table->selectRow(i);
    }
    table->resizeColumnsToContents();
}

int RecallList::selectedPatient() const {
    const int row = table->currentRow();
    return row >= 0 && row < rows.size() && table->item(row, 0) && table->item(row, 0)->isSelected()
               ? rows.at(row).patient
               : 0;
}

void RecallList::book() {
    const int patient = selectedPatient();
    if (patient == 0)
        return;
    DialogPatientRV dialog(userId, patient, 0, this);
    dialog.exec();
    reload();
}

void RecallList::markCalled() {
    const int patient = selectedPatient();
    if (patient == 0)
        return;
    bool ok = false;
    const QString note = QInputDialog::getText(this, tr("Patient appelé"), tr("Note :"), QLineEdit::Normal,
                                               rows.at(table->currentRow()).note, &ok);
    if (!ok)
        return;
    if (!recalls::markCalled(patient, note))
        QMessageBox::warning(this, windowTitle(), tr("L'appel n'a pas pu être noté."));
    reload();
}

void RecallList::doNotRecall() {
    const int patient = selectedPatient();
    if (patient == 0)
        return;
    if (!recalls::setDoNotRecall(patient))
        QMessageBox::warning(this, windowTitle(), tr("Le patient n'a pas pu être retiré de la liste."));
    reload();
}

void RecallList::print() {
    QString html = QStringLiteral("<h3>%1</h3><table border=1 cellspacing=0 cellpadding=3 width=100%><tr>")
                       .arg(windowTitle().toHtmlEscaped());
    for (int column = 0; column < table->columnCount(); ++column)
        html += QStringLiteral("<th>%1</th>").arg(table->horizontalHeaderItem(column)->text().toHtmlEscaped());
    html += QStringLiteral("</tr>");
    for (int row = 0; row < table->rowCount(); ++row) {
        html += QStringLiteral("<tr>");
        for (int column = 0; column < table->columnCount(); ++column)
            html += QStringLiteral("<td>%1</td>").arg(table->item(row, column)->text().toHtmlEscaped());
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
    QTextDocument document;
    document.setHtml(html);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&document](QPrinter* target) { document.print(target); });
    preview.exec();
}

void RecallList::exportCsv() {
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Exporter la liste"), tr("rappels.csv"), tr("Fichiers CSV (*.csv)"));
    if (path.isEmpty())
        return;
    QFile file(path);
    const QByteArray content = recalls::csv(rows);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size() ||
        !file.flush())
        QMessageBox::warning(this, windowTitle(), tr("Le fichier n'a pas pu être écrit."));
}
