#pragma once

#include <QDialog>
#include <QImage>
#include <QModelIndex>
#include <QString>

#include <memory>

class ListModel;

namespace Ui {
class DialogVisite;
}

// The acts of one visit: listed, filtered, added, changed and deleted, with the selected act's radiograph.
// Used as a dialog and as the panel of the main window, which shows another visit with updateVisite().
class DialogVisite : public QDialog {
    Q_OBJECT

public:
    DialogVisite(int userId, int patientNum, int visitNum, QWidget* parent = nullptr);
    ~DialogVisite() override;

    void updateVisite(int userId, int patientNum, int visitNum, bool prothese);
    void clearVisite();

    int userId = 0;

signals:
    void refreshVisit();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void on_lineEditFiltreVisite_textChanged(const QString& text);
    void on_lineEditFiltreVisite_returnPressed();
    void on_btnNewTraitement_clicked();
    void on_btnModifierTraitement_clicked();
    void on_tableViewTraitement_activated(const QModelIndex& index);
    void on_btnSuppTraitement_clicked();
    void on_btnCloseTraitement_clicked();
    void on_selectRow(const QModelIndex& current, const QModelIndex& previous);
    void on_pushBtnRadion_clicked();

private:
    void applyRole();
    void showPatient();
    void showVisit();
    void makeModel();
    void setUpTable();
    void showNoImage();
    QSize radioIconSize() const;
    void fitColumns();
    void refitColumns();
    void fitDateColumn();

    std::unique_ptr<Ui::DialogVisite> ui;
    int patientNum = 0;
    int m_v_id = 0;
    QString visitFilter;
    ListModel* model = nullptr;
    QImage radio;
    int dateWidth = 0; // the widths of the columns for their contents
    int shortDateWidth = 0;
    int actWidth = 0;
    int amountsWidth = 0;
};
