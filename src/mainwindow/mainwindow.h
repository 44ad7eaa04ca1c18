#pragma once

#include "data/role.h"

#include <QMainWindow>
#include <QMap>
#include <QModelIndex>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

#include <memory>

class CompactButtons;
class Dialog;
class DialogVisite;
class QAction;
class QLabel;
class QPrinter;
class QPushButton;
class ListModel;

namespace Ui {
class MainWindow;
}

// The office's workspace: the current patient with his visits and the embedded visit panel, the visits of
// every patient, the appointment book and the help page, under two tool bars that follow the logged-in
// user's role.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(int userId, QSqlDatabase database, QWidget* parent = nullptr);
    ~MainWindow() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private slots:
    // Frame
    void selectVisiteTab();
    void selectVisitesTab();
    void selectRendez_vousTab();
    void selectTousRendez_vousTab();
    void selectRechercheTab();
    void updateToolBar(int index);
    void dialogBox();
    void backupProc();
    void laSommeProc();
    void aProposProc();
    void aideProc();

    // Patient page
    void on_pushButtonNewPatient_clicked();
    void on_commandLinkButton_clicked();
    void on_commandLinkButton_2_clicked();
    void on_newRendezVousBtn_clicked();
    void on_listeRendezVousBtn_clicked();

    // Visit lists
    void on_lineEditFiltreVisite_textChanged(const QString& text);
    void on_lineEditFiltreVisite_returnPressed();
    void on_tableViewVisite_activated(const QModelIndex& index);
    void on_btnNewVisite_clicked();
    void on_btnModifierVisite_clicked();
    void on_btnSuppVisite_clicked();
    void selectModelVisit();
    void on_lineEditParVisite_textChanged(const QString& text);
    void on_lineEditParVisite_returnPressed();
    void on_parVisiteTableView_activated(const QModelIndex& index);

    // Appointment book
    void on_lineEdit_textChanged(const QString& text);
    void on_lineEdit_returnPressed();
    void on_checkBox_toggled(bool checked);
    void on_dateEdit_dateChanged(const QDate& date);
    void on_btnRefresh_clicked();
    void on_pushButtonAttente_clicked();
    void on_pushButtonPresent_clicked();
    void on_pushButtonAbsent_clicked();
    void on_tousRendezvousTableView_activated(const QModelIndex& index);
    void on_tousRendezvousTableView_clicked(const QModelIndex& index);
    void on_imprimerTousRVBtn_clicked();
    void imprimerTousRVProc();

private:
    // The toolkit's widgets no longer send these signals with a text argument, or under these names, so these
    // handlers are connected by hand rather than by name.
    void on_comboBox_currentIndexChanged(const QString& text);
    void on_comboBox_activated(const QString& text);
    void on_tableViewVisite_SelectionChanged(const QModelIndex& current, const QModelIndex& previous);
    void on_comboBoxSoinProthese_currentIndexChanged(const QString& text);
    void on_comboBoxSoinProthese_activated(const QString& text);
    void on_tableViewTousRDV_SelectionChanged(const QModelIndex& current, const QModelIndex& previous);

    void buildFrame();
    void replaceStatusBar();
    void createVisitPanel();
    void buildUserLabel(const QString& name);
    void makeButtonsCompact();
    void connectActions();
    void showNewestPatient();
    void openOnPatientPage();
    void applyRole();
    void updateAges();
    void setupVisitModels();
    void setupAllVisitsModel();
    void finishVisitViews();
    void setupAppointmentModel();
    void finishAppointmentView();
    void startAppointmentBook();
    void addAppointmentGrid();
    void retranslateAppointmentGrid();
    void openAppointmentGrid();
    void openRecallList();

    void setCurrentPatient(int patientNum);
    void remplirForm();
    int newestPatientNum();
    void showPatientName();
    void runPatientSearch();

    void refreshVisitList(const QString& searchText);
    void showVisitOfRow(int row);
    void selectFirstVisitQuietly();
    void setVisitType(const QString& type);
    void setAllVisitsType(const QString& type);
    void filterAllVisits(const QString& searchText, const QString& opening);
    int visitNumOfRow(int row) const;

    void refreshAppointments();
    void markAppointment(const QString& statement);

    void retranslateFrame();
    void fitToWidth();
    void fitPageTitles(bool narrow);

    std::unique_ptr<Ui::MainWindow> ui;

    int userId = 0;
    Role role;
    QAction* gridAction = nullptr;
    QPushButton* gridButton = nullptr;
    QPushButton* recallButton = nullptr;
    QString userName;
    QSqlDatabase database;
    QLabel* userLabel = nullptr;
    CompactButtons* compactButtons = nullptr;
    QMap<int, QString> paddedPageTitles; // the pages' titles with their blanks, while narrow

    int numPatient = 0;
    QString patientName;
    QSqlQuery queryPatient;
    QString patientFilter;

    DialogVisite* visitPanel = nullptr;
    QString visitType;
    QString allVisitsType;
    ListModel* visitesModel = nullptr;
    ListModel* soinsProtheseModel = nullptr;
    // Off while the list is re-selected by the program, so that the panel is not reloaded twice.
    bool panelFollowsSelection = true;

    ListModel* rendezvousModel = nullptr;
    int selectedAppointment = -1;
    bool appointmentsReady = false;
    std::unique_ptr<QPrinter> printer;

    std::unique_ptr<Dialog> optionsDialog;
};
