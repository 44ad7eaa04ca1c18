#pragma once

#include "data/loadedrow.h"

#include <QDialog>
#include <QString>

#include <memory>

class MyComboBox;
class QCompleter;
class ListModel;

namespace Ui {
class DialogAddUpdateVisite;
}

// The visit form: creates a care visit (number 0) or a prosthesis visit (below 0) with its first act, or edits
// the date, motif, diagnosis and prosthesis type of an existing visit.
class DialogAddUpdateVisite : public QDialog {
    Q_OBJECT

public:
    DialogAddUpdateVisite(int userId, int patientNum, int visitNum, QWidget* parent = nullptr);
    ~DialogAddUpdateVisite() override;

    void done(int result) override;

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void on_dateDateTimeEdit_editingFinished();
    void on_motifLineEdit_returnPressed();
    void on_diagnostiqueLineEdit_returnPressed();
    void on_lineEdit_returnPressed();
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();

private:
    // Connected by hand to the prosthetist selector's textActivated().
    void on_comboBox_activated(const QString& text);
    QCompleter* makeCompleter(const QString& table, const QString& filter);
    void showPatient();
    void showTitle();
    void showType(bool care);
    bool save();

    std::unique_ptr<Ui::DialogAddUpdateVisite> ui;
    int userId = 0;
    int patientNum = 0;
    int visitNum = 0;
    QString type;
    // The stored visit the form was filled from; a save writes only over it.
    LoadedRow stored;
    QCompleter* motifCompleter = nullptr;
    QCompleter* diagnostiqueCompleter = nullptr;
    QCompleter* typeProtheseCompleter = nullptr;
    ListModel* prothesistesModel = nullptr;
    // Built and wired, but never placed on the form: its "/" entry still decides the prosthesis type.
    MyComboBox* comboBox = nullptr;
};
