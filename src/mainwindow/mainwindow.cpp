#include "mainwindow/mainwindow.h"

#include "ui_mainwindow.h"

#include "accounting/sumformdialog.h"
#include "app/settingskeys.h"
#include "app/windowgeometry.h"
#include "config/backupwatch.h"
#include "config/dialog.h"
#include "config/dialogbackup.h"
#include "data/records.h"
#include "data/sql.h"
#include "printing/tdpreviewdialog.h"
#include "visits/dialogvisite.h"
#include "widgets/columntitles.h"
#include "widgets/compactbuttons.h"
#include "widgets/dateentry.h"
#include "widgets/look.h"
#include "widgets/shownlanguage.h"

#include "data/listmodel.h"
#include "data/trace.h"
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFile>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QSqlRecord>
#include <QStatusBar>
#include <QUrl>

namespace {

// The product's pages on the web: the about page that "Aide" opens in the browser.
const char productHelpAddress[] = "https://kelvora.example/aide";

const char statusBarColour[] = " color: rgb(85, 85, 255);";

// The window's own text colours. They stand in the window's style sheet rather than on each widget: a widget
// with a style sheet of its own inside a styled window loses the window's font.
const char colourRules[] = R"(
QCommandLinkButton#commandLinkButton { color: rgb(0, 0, 218); }
QLineEdit#lineEditFiltreVisite { color: rgb(0, 0, 202); }
QGroupBox#groupBox_7, QGroupBox#groupBox_7 QWidget { color: rgb(85, 0, 255); }
QTableView#parVisiteTableView, QTableView#parVisiteTableView QWidget,
QGroupBox#groupBox_7 QTableView#tousRendezvousTableView,
QGroupBox#groupBox_7 QTableView#tousRendezvousTableView QWidget { color: rgb(0, 0, 0); }
QLabel#userLabel { color: rgb(85, 0, 255); }
)";

} // namespace

MainWindow::MainWindow(int user, QSqlDatabase connection, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::MainWindow>()), userId(user), database(std::move(connection)) {
    buildFrame();
    replaceStatusBar();
    createVisitPanel();
    const QSqlRecord userRow = records::user(userId);
    buildUserLabel(userRow.value(QStringLiteral("Name")).toString());
    makeButtonsCompact();
    setupVisitModels();
    role = Role(userRow.value(QStringLiteral("Role")).toInt());
    qCDebug(lcTrace) << "Role " << role.value();
    applyRole();
    updateAges();
    connectActions();
    setupAllVisitsModel();
    setupAppointmentModel();
    showNewestPatient();
    finishVisitViews();
    finishAppointmentView();
    openOnPatientPage();
    startAppointmentBook();
    addAppointmentGrid();
    connect(visitPanel, &DialogVisite::refreshVisit, this, &MainWindow::selectModelVisit);
}

// The form with the window's style sheet, and the handlers the toolkit no longer binds by name.
void MainWindow::buildFrame() {
    ui->setupUi(this);
    DateEntry::enable(this);
    // The visit types are the words the rows hold: each item keeps its word, and shows it in the language.
    for (QComboBox* types : {ui->comboBox, ui->comboBoxSoinProthese})
        for (int i = 0; i < types->count(); ++i)
            types->setItemData(i, types->itemText(i));
    QString sheet;
    QFile style(QStringLiteral(":/styles/mainwindow.qss"));
    if (style.open(QIODevice::ReadOnly))
        sheet = QString::fromUtf8(style.readAll());
    setStyleSheet(sheet + QLatin1String(colourRules));
    connect(ui->actionQuitter, &QAction::triggered, this, &QWidget::close);
    connect(ui->actionQuitter_2, &QAction::triggered, this, &QWidget::close);
    connect(ui->actionReduire, &QAction::triggered, this, &QWidget::showMinimized);
    connect(ui->comboBox, &QComboBox::currentIndexChanged, this,
            [this](int index) { on_comboBox_currentIndexChanged(ui->comboBox->itemData(index).toString()); });
    connect(ui->comboBox, &QComboBox::activated, this,
            [this](int index) { on_comboBox_activated(ui->comboBox->itemData(index).toString()); });
    connect(ui->comboBoxSoinProthese, &QComboBox::currentIndexChanged, this, [this](int index) {
        on_comboBoxSoinProthese_currentIndexChanged(ui->comboBoxSoinProthese->itemData(index).toString());
    });
    connect(ui->comboBoxSoinProthese, &QComboBox::activated, this, [this](int index) {
        on_comboBoxSoinProthese_activated(ui->comboBoxSoinProthese->itemData(index).toString());
    });
    connect(ui->imprimerTousRVBtn, &QPushButton::clicked, this, &MainWindow::imprimerTousRVProc);
    ui->tabWidget_2->setCurrentIndex(0);
}

void MainWindow::replaceStatusBar() {
    auto* bar = new QStatusBar(this);
    bar->setStyleSheet(look::fontRule(14) + QLatin1String(statusBarColour));
    setStatusBar(bar);
    ui->statusBar = bar;
    bar->addPermanentWidget(new BackupWatch(bar));
}

void MainWindow::createVisitPanel() {
    visitPanel = new DialogVisite(0, 8, 80);
    visitPanel->setMinimumSize(200, 200);
    visitPanel->userId = userId;
    ui->groupBoxActes->layout()->addWidget(visitPanel);
    visitPanel->clearVisite();
}

void MainWindow::buildUserLabel(const QString& name) {
    userName = name;
    userLabel = new QLabel(ui->toolBar_2);
    userLabel->setObjectName(QStringLiteral("userLabel"));
    QFont labelFont = ui->toolBar_2->font();
    labelFont.setPointSize(14);
    userLabel->setFont(labelFont);
    ui->toolBar_2->addWidget(userLabel);
    retranslateFrame();
}

// Buttons that show their icon alone when the window is too narrow for their texts.
void MainWindow::makeButtonsCompact() {
    compactButtons = new CompactButtons(this);
    for (QPushButton* button :
         {ui->btnNewVisite, ui->btnModifierVisite, ui->btnSuppVisite, ui->btnRefresh, ui->imprimerTousRVBtn})
        compactButtons->add(button);
    for (const char* name : {"btnNewTraitement", "btnModifierTraitement", "btnSuppTraitement"})
        compactButtons->add(visitPanel->findChild<QPushButton*>(QLatin1String(name)));
}

void MainWindow::connectActions() {
    connect(ui->actionA_propos_de_Kelvora, &QAction::triggered, this, &MainWindow::aProposProc);
    connect(ui->actionAide, &QAction::triggered, this, &MainWindow::aideProc);
    connect(ui->actionSauvegarde, &QAction::triggered, this, &MainWindow::backupProc);
    connect(ui->actionListe_des_diagnostiques, &QAction::triggered, this, &MainWindow::dialogBox);
    connect(ui->actionRECHERCHE, &QAction::triggered, this, &MainWindow::selectRechercheTab);
    connect(ui->actionVisite, &QAction::triggered, this, &MainWindow::selectVisiteTab);
    connect(ui->actionVisites, &QAction::triggered, this, &MainWindow::selectVisitesTab);
    connect(ui->actionRendez_vous, &QAction::triggered, this, &MainWindow::selectRendez_vousTab);
    connect(ui->actionTous_les_Rendez_vous, &QAction::triggered, this, &MainWindow::selectTousRendez_vousTab);
    connect(ui->actionClient, &QAction::triggered, this, &MainWindow::laSommeProc);
    connect(ui->tabWidget_2, &QTabWidget::currentChanged, this, &MainWindow::updateToolBar);
}

void MainWindow::showNewestPatient() {
    const int newest = newestPatientNum();
    qCDebug(lcTrace) << "numPatient" << newest;
    setCurrentPatient(newest);
}

// The window opens on the patient page, on the newest visit, where it was left.
void MainWindow::openOnPatientPage() {
    ui->actionVisite->trigger();
    ui->tableViewVisite->selectRow(0);
    QSettings settings(QString::fromLatin1(settingskeys::windowOrganization),
                       QString::fromLatin1(settingskeys::windowApplication));
    restoreGeometry(settings.value(QString::fromLatin1(settingskeys::mainWindowGeometry)).toByteArray());
    restoreState(settings.value(QString::fromLatin1(settingskeys::mainWindowState)).toByteArray(), 0);
    fitIntoScreen(this);
}

MainWindow::~MainWindow() = default;

void MainWindow::applyRole() {
    // The page's one large area grows: the visit area, or the calendar where it stands instead.
    ui->gridLayout_5->setRowStretch(3, role.showsCalendar() ? 1 : 0);
    ui->gridLayout_5->setRowStretch(4, role.showsCalendar() ? 0 : 1);
    if (role.isDoctor()) {
        ui->label->hide();
        ui->label_2->hide();
        return;
    }
    ui->groupBox->hide();
    ui->actionListe_des_diagnostiques->setEnabled(false);
    ui->actionSauvegarde->setEnabled(false);
    ui->actionClient->setEnabled(false);
    ui->btnNewVisite->setEnabled(false);
    ui->btnModifierVisite->setEnabled(false);
    ui->btnSuppVisite->setEnabled(false);
    const QSqlRecord columns = visitesModel->record();
    // The reception sees no amount: the balance goes with the sums.
    for (const char* name : {"Diagnostique", "SommeDeFrais", "SommeDePayement", "Reste"})
        ui->tableViewVisite->setColumnHidden(columns.indexOf(QLatin1String(name)), true);
    if (role.showsCalendar())
        ui->frameDossier->hide();
    else
        ui->label->hide();
}

void MainWindow::retranslateFrame() {
    shownlanguage::applyLocale(this);
    for (QComboBox* types : {ui->comboBox, ui->comboBoxSoinProthese})
        for (int i = 0; i < types->count(); ++i)
            types->setItemText(i, shownlanguage::storedWord(types->itemData(i).toString()));
    userLabel->setText(tr("L'utilisateur: ") + userName + QStringLiteral("   "));
    ui->tousRendezvousTableView->setWindowTitle(tr("Table de tous les rendez-vous"));
    retranslateAppointmentGrid();
    // Each catalogue names the help page written in its language; the French page is the source.
    ui->webView->setSource(QUrl(tr("qrc:/help/aide.html", "address of the help page in the program's language")));
    showPatientName();
}

void MainWindow::selectVisiteTab() {
    if (!ui->actionVisite->isChecked())
        ui->actionVisite->setChecked(true);
    ui->tabWidget_2->setCurrentIndex(0);
    ui->actionRECHERCHE->setChecked(false);
    ui->actionVisites->setChecked(false);
    ui->actionRendez_vous->setChecked(false);
    ui->actionTous_les_Rendez_vous->setChecked(false);
    ui->lineEditFiltreVisite->setFocus();
}

void MainWindow::selectVisitesTab() {
    if (!ui->actionVisites->isChecked())
        ui->actionVisites->setChecked(true);
    ui->tabWidget_2->setCurrentIndex(1);
    ui->actionVisite->setChecked(false);
    ui->actionTous_les_Rendez_vous->setChecked(false);
    ui->lineEditParVisite->setFocus();
}

void MainWindow::selectRendez_vousTab() {
    if (!ui->actionRendez_vous->isChecked())
        ui->actionRendez_vous->setChecked(true);
    ui->tabWidget_2->setCurrentIndex(2);
    ui->actionRECHERCHE->setChecked(false);
    ui->actionVisites->setChecked(false);
    ui->actionTous_les_Rendez_vous->setChecked(false);
}

void MainWindow::selectTousRendez_vousTab() {
    if (!ui->actionTous_les_Rendez_vous->isChecked())
        ui->actionTous_les_Rendez_vous->setChecked(true);
    ui->tabWidget_2->setCurrentIndex(2);
    ui->actionVisites->setChecked(false);
    ui->actionRECHERCHE->setChecked(false);
    ui->actionVisite->setChecked(false);
    ui->actionRendez_vous->setChecked(false);
    ui->lineEdit->setFocus();
}

void MainWindow::updateToolBar(int index) {
    qCDebug(lcTrace) << "updateToolBar(int index) " << index;
    switch (index) {
    case 0:
        ui->actionVisite->setChecked(true);
        ui->actionVisites->setChecked(false);
        ui->actionTous_les_Rendez_vous->setChecked(false);
        break;
    case 1:
        ui->actionVisite->setChecked(false);
        ui->actionVisites->setChecked(true);
        ui->actionTous_les_Rendez_vous->setChecked(false);
        break;
    case 2:
        ui->actionVisite->setChecked(false);
        ui->actionVisites->setChecked(false);
        ui->actionTous_les_Rendez_vous->setChecked(true);
        break;
    default: // the help page leaves the marks as they are
        break;
    }
}

void MainWindow::dialogBox() {
    optionsDialog = std::make_unique<Dialog>(role.value());
    optionsDialog->exec();
}

void MainWindow::backupProc() {
    DialogBackup backup(role.value(), this);
    backup.exec();
}

void MainWindow::laSommeProc() {
    sumFormDialog sums(userId);
    sums.exec();
}

void MainWindow::aProposProc() {
    QMessageBox box(QMessageBox::Information, tr("About  Kelvora 1.4"),
                    QStringLiteral(" <font size = 5 color =\"blue\">\n") +
                        tr("C'est une application de gestion d'un cabinet dentaire") +
                        tr("<br><br>Kelvora 1.4 — conçu et réalisé par l'équipe Kelvora.<br>"
                           "Aide et nouvelles : kelvora.example") +
                        QStringLiteral("</font> "),
                    QMessageBox::Ok);
    box.exec();
}

void MainWindow::aideProc() {
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(productHelpAddress)));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    database.close();
    QSettings settings(QString::fromLatin1(settingskeys::windowOrganization),
                       QString::fromLatin1(settingskeys::windowApplication));
    settings.setValue(QString::fromLatin1(settingskeys::mainWindowGeometry), saveGeometry());
    settings.setValue(QString::fromLatin1(settingskeys::mainWindowState), saveState(0));
    event->accept();
}

// A window too narrow for the tool bars' texts shows their icons alone, and so do the buttons of the patient
// page, so that its lists keep their room. The texts are measured on the bars themselves.
void MainWindow::fitToWidth() {
    const QList<QToolBar*> bars = {ui->toolBar, ui->toolBar_2};
    for (QToolBar* bar : bars)
        bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    const bool narrow = ui->toolBar->sizeHint().width() + ui->toolBar_2->sizeHint().width() > width();
    if (narrow)
        for (QToolBar* bar : bars)
            bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    compactButtons->setCompact(narrow);
    fitPageTitles(narrow);
}

// The pages' titles are padded with blanks; a narrow window shows them without, so that every tab stands in
// sight without the tab bar's arrows. A language change sets padded titles again, kept in their turn.
void MainWindow::fitPageTitles(bool narrow) {
    QTabWidget* pages = ui->tabWidget_2;
    for (int page = 0; page < pages->count(); ++page) {
        const QString title = pages->tabText(page);
        if (narrow && title != title.trimmed()) {
            paddedPageTitles.insert(page, title);
            pages->setTabText(page, title.trimmed());
        } else if (!narrow && paddedPageTitles.contains(page)) {
            pages->setTabText(page, paddedPageTitles.take(page));
        }
    }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (compactButtons) // the form is sized before its buttons are gathered
        fitToWidth();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        paddedPageTitles.clear(); // the form has set every title again, with its blanks
        retranslateFrame();
        setColumnTitles(visitesModel);
        setColumnTitles(soinsProtheseModel);
        setColumnTitles(rendezvousModel);
        fitToWidth();
        // A status tip shown before the change would stay in the former language.
        statusBar()->clearMessage();
    }
}
