#include "visits/dialogvisite.h"
#include "app/windowgeometry.h"
#include "ui_dialogvisite.h"

#include "data/records.h"
#include "data/role.h"
#include "data/sql.h"
#include "printing/imageviewer.h"
#include "visits/dialogtraitement.h"
#include "widgets/columnfit.h"
#include "widgets/columntitles.h"
#include "widgets/dateformatdelegate.h"
#include "widgets/deletionquestion.h"
#include "widgets/listcells.h"
#include "widgets/look.h"
#include "widgets/patientheader.h"
#include "widgets/savefailure.h"
#include "widgets/shownlanguage.h"

#include "data/listmodel.h"
#include <QCloseEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableView>

namespace {
const QSize radioSize(200, 200);
const int minimumActWidth = 80;
const int minimumDateWidth = 40;
} // namespace

DialogVisite::DialogVisite(int user, int patient, int visitNumber, QWidget* parent)
    : QDialog(parent), userId(user), ui(std::make_unique<Ui::DialogVisite>()), patientNum(patient),
      m_v_id(visitNumber) {
    ui->setupUi(this);
    ui->tabWidget->hide();
    ui->btnCloseTraitement->hide();
    applyRole();
    ui->pushButtonNoImage->hide();
    ui->pushBtnRadion->installEventFilter(this);
    ui->tableViewTraitement->viewport()->installEventFilter(this);
    ui->tableViewTraitement->setWordWrap(false);
    showNoImage();

    QSqlQuery visit;
    bool care = false;
    QString type;
    if (sql::exec(visit, QStringLiteral(" select * from visites where VisiteNum=") + QString::number(m_v_id)) &&
        visit.next()) {
        type = visit.value(QStringLiteral("Type")).toString();
        care = type == QLatin1String("SOINS");
    }
    ui->labelSoins->setVisible(care);
    ui->labelProthese->setVisible(!care);
    visitFilter = QStringLiteral(" visite_id = ") + QString::number(m_v_id);
    setWindowTitle(type);

    makeModel();
    showPatient();
    showVisit();
    setUpTable();
    restoreWindowGeometry(this);
    ui->lineEditFiltreVisite->setFocus();
}

DialogVisite::~DialogVisite() = default;

// Reception staff see neither the history, the diagnosis, the prosthesis type nor the
// radiographs, and may not add or delete acts. The panel keeps this for every visit it shows.
void DialogVisite::applyRole() {
    const bool restricted = Role::ofUser(userId).isReception();
    ui->label_6->setHidden(restricted);
    ui->labelAntecedent->setHidden(restricted);
    ui->label_8->setHidden(restricted);
    ui->diagnostiqueLabel->setHidden(restricted);
    ui->label_10->setHidden(restricted);
    ui->typeProtheseLabel->setHidden(restricted);
    ui->groupBox->setHidden(restricted);
    ui->btnNewTraitement->setEnabled(!restricted);
    ui->btnModifierTraitement->setEnabled(true);
    ui->btnSuppTraitement->setEnabled(!restricted);
}

void DialogVisite::showPatient() {
    // The panel without a patient stays blank.
    const QSqlRecord patient = records::patient(patientNum);
    if (!patient.isEmpty()) {
        showPatientHeader(patient, tr(" ans"), ui->labelNom, ui->labelAge, ui->labelAntecedent);
    } else {
        ui->labelNom->clear();
        ui->labelAge->clear();
        ui->labelAntecedent->clear();
    }
}

void DialogVisite::showVisit() {
    if (m_v_id == 0)
        return;
    QSqlQuery visit;
    if (sql::exec(visit, QStringLiteral("select * from Visites where VisiteNum = ") + QString::number(m_v_id)) &&
        visit.next()) {
        ui->dateLabel->setText(shownlanguage::locale().toString(visit.value(QStringLiteral("VDate")).toDateTime(),
                                                                QStringLiteral("dddd dd-MM-yyyy  HH:mm")));
        ui->motifLabel->setText(visit.value(QStringLiteral("Motif")).toString());
        ui->diagnostiqueLabel->setText(visit.value(QStringLiteral("Diagnostique")).toString());
        ui->typeProtheseLabel->setText(visit.value(QStringLiteral("TypeProthese")).toString());
    } else {
        ui->dateLabel->clear();
        ui->motifLabel->clear();
        ui->diagnostiqueLabel->clear();
        ui->typeProtheseLabel->clear();
    }
}

void DialogVisite::makeModel() {
    ListModel* old = model;
    QItemSelectionModel* oldSelection = ui->tableViewTraitement->selectionModel();
    model = new ListModel(this);
    model->setTable(QStringLiteral("vTraitements"));
    model->setFilter(visitFilter);
    model->setSort(model->fieldIndex(QStringLiteral("VDate")), Qt::AscendingOrder);
    model->select();
    ui->tableViewTraitement->setModel(model);
    // The view forgets the old model and its selection model without deleting them.
    delete oldSelection;
    delete old;
}

void DialogVisite::setUpTable() {
    setColumnTitles(model);
    const int dateColumn = model->fieldIndex(QStringLiteral("VDate"));
    ui->tableViewTraitement->setItemDelegateForColumn(
        dateColumn, new DateFormatDelegate(QString::fromLatin1(look::dateTimeFormat), dateColumn, model));
    listcells::apply(ui->tableViewTraitement);
    refitColumns();
    ui->tableViewTraitement->horizontalHeader()->setStretchLastSection(true);
    for (const char* column : {"visite_id", "id", "medcin_id", "Radio"})
        ui->tableViewTraitement->hideColumn(model->fieldIndex(QLatin1String(column)));
    connect(ui->tableViewTraitement->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &DialogVisite::on_selectRow, Qt::UniqueConnection);
}

void DialogVisite::updateVisite(int user, int patient, int visit, bool prothese) {
    userId = user;
    patientNum = patient;
    m_v_id = visit;
    applyRole();
    ui->labelProthese->setVisible(prothese);
    ui->labelSoins->setVisible(!prothese);
    visitFilter = QStringLiteral(" visite_id = ") + QString::number(m_v_id);
    showNoImage();
    makeModel();
    showPatient();
    setUpTable();
    showVisit();
}

void DialogVisite::clearVisite() {
    ui->dateLabel->clear();
    ui->motifLabel->clear();
    ui->diagnostiqueLabel->clear();
    ui->typeProtheseLabel->clear();
    showNoImage();
    if (model) {
        model->setFilter(QStringLiteral("id = -1 "));
        model->select();
    }
    ui->labelSoins->hide();
    ui->labelProthese->hide();
    ui->btnNewTraitement->setEnabled(false);
    ui->btnModifierTraitement->setEnabled(false);
    ui->btnSuppTraitement->setEnabled(false);
}

// No act's radiograph: the picture and the group's title no longer name an act (another visit may be shown).
void DialogVisite::showNoImage() {
    ui->groupBox->setTitle(tr(" &Radio      "));
    ui->pushBtnRadion->setIcon(ui->pushButtonNoImage->icon());
    ui->pushBtnRadion->setIconSize(radioIconSize());
}

// On a small screen the radiograph button yields room to the acts, and its picture shrinks with it.
QSize DialogVisite::radioIconSize() const {
    return ui->pushBtnRadion->size().boundedTo(radioSize);
}

// The columns fitted to their contents, then to the panel's width.
void DialogVisite::refitColumns() {
    columnfit::refit(ui->tableViewTraitement);
    fitColumns();
}

void DialogVisite::fitColumns() {
    QTableView* table = ui->tableViewTraitement;
    // Typing a search keeps the widths the rows were first measured with.
    if (!columnfit::fitOnce(table))
        return;
    const int dateColumn = model->fieldIndex(QStringLiteral("VDate"));
    dateWidth = table->columnWidth(dateColumn);
    shortDateWidth = 0;
    if (auto* dates = qobject_cast<DateFormatDelegate*>(table->itemDelegateForColumn(dateColumn))) {
        QStyleOptionViewItem option;
        option.initFrom(table);
        option.widget = table;
        for (int row = 0; row < qMin(model->rowCount(), look::measuredRows); ++row)
            shortDateWidth = qMax(shortDateWidth, dates->shortWidth(option, model->index(row, dateColumn)));
    }
    actWidth = table->columnWidth(model->fieldIndex(QStringLiteral("Acte")));
    amountsWidth = 0;
    for (const char* column : {"Frais", "Payement"})
        amountsWidth += table->columnWidth(model->fieldIndex(QLatin1String(column)));
    fitDateColumn();
}

// In a narrow panel the long date gives way to its short form ("mer. 09-12-2026 10:30"), then a long act's name
// gives way down to a readable part of it, and only then the date: the amounts are always read whole.
void DialogVisite::fitDateColumn() {
    QTableView* table = ui->tableViewTraitement;
    if (!model || dateWidth == 0)
        return;
    const int room = table->viewport()->width() - amountsWidth;
    const int act = qBound(qMin(minimumActWidth, actWidth), room - qMin(shortDateWidth, dateWidth), actWidth);
    const int date = qBound(minimumDateWidth, room - act, dateWidth);
    table->setColumnWidth(model->fieldIndex(QStringLiteral("VDate")), date);
    table->setColumnWidth(model->fieldIndex(QStringLiteral("Acte")), act);
}

bool DialogVisite::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) {
        if (watched == ui->pushBtnRadion)
            ui->pushBtnRadion->setIconSize(radioIconSize());
        else if (watched == ui->tableViewTraitement->viewport())
            fitDateColumn();
    }
    return QDialog::eventFilter(watched, event);
}

void DialogVisite::keyPressEvent(QKeyEvent* event) {
    // Escape neither closes the dialog nor empties the panel.
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

void DialogVisite::closeEvent(QCloseEvent* event) {
    saveWindowGeometry(this);
    QDialog::closeEvent(event);
}

void DialogVisite::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    // The title is the visit's type, a word of the data that the form's title would replace.
    const QString title = windowTitle();
    ui->retranslateUi(this);
    setWindowTitle(title);
    showPatient();
    showVisit(); // its date has the day's name in the language
    on_selectRow(ui->tableViewTraitement->currentIndex(), {});
    if (model)
        setColumnTitles(model);
}

void DialogVisite::on_lineEditFiltreVisite_textChanged(const QString& text) {
    const QString t = sql::quoted(text);
    model->setFilter(QStringLiteral("(vdate like '%") + t + QStringLiteral("%' or Acte like '%") + t +
                     QStringLiteral("%' or ordonnance like '%") + t +
                     QStringLiteral("%'  or Médecin_Traitant like '%") + t + QStringLiteral("%'  )and  ") +
                     visitFilter);
    model->select();
    fitColumns();
}

void DialogVisite::on_lineEditFiltreVisite_returnPressed() {
    ui->tableViewTraitement->setFocus();
    ui->tableViewTraitement->selectRow(0);
}

void DialogVisite::on_btnNewTraitement_clicked() {
    DialogTraitement dialog(userId, patientNum, m_v_id, 0);
    if (dialog.exec() == QDialog::Accepted) {
        model->select();
        refitColumns();
        emit refreshVisit();
    }
    ui->lineEditFiltreVisite->setFocus();
}

void DialogVisite::on_btnModifierTraitement_clicked() {
    const QModelIndex current = ui->tableViewTraitement->currentIndex();
    if (current.isValid()) {
        const int id = model->record(current.row()).value(QStringLiteral("id")).toInt();
        DialogTraitement dialog(userId, patientNum, m_v_id, id);
        if (dialog.exec() == QDialog::Accepted) {
            model->select();
            refitColumns();
        }
    }
    ui->lineEditFiltreVisite->setFocus();
}

void DialogVisite::on_tableViewTraitement_activated(const QModelIndex& index) {
    if (!index.isValid())
        return;
    const int row = ui->tableViewTraitement->currentIndex().row();
    const int id = model->record(index.row()).value(QStringLiteral("id")).toInt();
    DialogTraitement dialog(userId, patientNum, m_v_id, id);
    if (dialog.exec() == QDialog::Accepted) {
        model->select();
        refitColumns();
        emit refreshVisit();
        model->select();
        ui->tableViewTraitement->selectRow(row);
        ui->lineEditFiltreVisite->setFocus();
    }
}

void DialogVisite::on_btnSuppTraitement_clicked() {
    const QModelIndex current = ui->tableViewTraitement->currentIndex();
    if (!current.isValid())
        return;
    const QSqlRecord record = model->record(current.row());
    const QString id = record.value(QStringLiteral("id")).toString();
    const QString dateText = shownlanguage::locale().toString(record.value(QStringLiteral("VDate")).toDateTime().date(),
                                                              QStringLiteral("dddd dd-MM-yyyy"));
    if (confirmDeletion(this, tr("<br>Acte N° ") + id + tr("<br>Date  ") + dateText)) {
        QSqlQuery count;
        count.setForwardOnly(true);
        // The last act of a visit is never deleted: the visit would lose its date and doctor.
        if (!sql::exec(count, QStringLiteral("select count(*) from Traitements where visite_id =") +
                                  QString::number(m_v_id))) {
            savefailure::reportDeletion(this, sql::failure(count.lastError()));
        } else if (count.next() && count.value(0).toInt() >= 2) {
            count.finish();
            if (savefailure::reportDeletion(this,
                                            sql::write(QStringLiteral("delete from traitements where id = ") + id)))
                emit refreshVisit();
        }
    }
    model->select();
    ui->lineEditFiltreVisite->setFocus();
}

void DialogVisite::on_btnCloseTraitement_clicked() {
    reject();
}

void DialogVisite::on_selectRow(const QModelIndex& current, const QModelIndex&) {
    if (!current.isValid()) {
        showNoImage();
        return;
    }
    const QSqlRecord record = model->record(current.row());
    const QByteArray bytes = record.value(QStringLiteral("radio")).toByteArray();
    radio = QImage::fromData(bytes);
    if (!bytes.isEmpty()) {
        QPixmap pixmap = QPixmap::fromImage(radio);
        if (!pixmap.isNull())
            pixmap = pixmap.scaled(radioSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        ui->pushBtnRadion->setIcon(QIcon(pixmap));
        ui->pushBtnRadion->setIconSize(radioIconSize());
    } else {
        showNoImage();
    }
    ui->groupBox->setTitle(tr("Radio : ") +
                           record.value(QStringLiteral("VDate")).toDateTime().toString(QStringLiteral("dd/MM/yyyy")));
}

void DialogVisite::on_pushBtnRadion_clicked() {
    const QString caption = tr("Patient: ") + ui->labelNom->text() + tr("  | Motif:") + ui->motifLabel->text() +
                            QStringLiteral("  |  ") + ui->groupBox->title();
    auto* viewer = new ImageViewer(caption, radio.copy());
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->show();
}
