#pragma once

// A small office for the main window's tests: three users of each kind, patients, visits with acts, and
// appointments today and on other days; and the main window opened, shown and active as after a login.

#include "testsupport.h"

#include "mainwindow/mainwindow.h"

#include <QAction>
#include <QDate>
#include <QGroupBox>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QTableView>
#include <QTest>

#include <memory>

namespace mainwindowtest {

struct Office {
    testsupport::TempOffice files;
    int doctor = 0;    // role 1
    int assistant = 0; // role 2
    int reception = 0; // role 3
    int frontDesk = 0; // role 4
    int dupont = 0;    // patient with care and prosthesis visits
    int martin = 0;    // the newest patient
    int dupontCare1 = 0, dupontCare2 = 0, dupontProsthesis = 0, martinCare = 0;

    static QString when(const QDate& day, const char* time) {
        return day.toString(QStringLiteral("dd-MM-yyyy ")) + QLatin1String(time);
    }

    int insert(const QString& statement) {
        files.exec(statement);
        return int(files.lastInsertId());
    }

    Office() {
        doctor = insert("insert into user (Name, Password, Role, DrNom) values ('Dr Amrani', 'a', 1, 'Dr A. Amrani')");
        assistant = insert("insert into user (Name, Password, Role) values ('Dr Benali', 'b', 2)");
        reception = insert("insert into user (Name, Password, Role) values ('Accueil', 'c', 3)");
        frontDesk = insert("insert into user (Name, Password, Role) values ('Standard', 'd', 4)");
        dupont = insert("insert into Patients (Nom, Age, Annee, Sexe, Tel) values ('Dupont Jeanne', 0, 1980, 'F', "
                        "'0555 12 34 56')");
        martin = insert("insert into Patients (Nom, Age, Annee, Sexe) values ('Martin Karim', 0, 1991, 'M')");
        dupontCare1 = insert("insert into Visites (PatientNum, Type, VDate, Motif, Diagnostique) values (" +
                             QString::number(dupont) + ", 'SOINS', '09-12-2025 10:30', 'Douleur dentaire', 'Caries')");
        dupontCare2 =
            insert("insert into Visites (PatientNum, Type, VDate, Motif, Diagnostique) values (" +
                   QString::number(dupont) + ", 'SOINS', '14-01-2026 16:05', 'Motif préventif', 'Gingivite')");
        dupontProsthesis =
            insert("insert into Visites (PatientNum, Type, VDate, Motif, TypeProthese) values (" +
                   QString::number(dupont) + ", 'PROTHESE', '20-11-2025 09:00', 'Motif prothétique', 'Bridge')");
        martinCare = insert("insert into Visites (PatientNum, Type, VDate, Motif) values (" + QString::number(martin) +
                            ", 'SOINS', '02-02-2026 11:15', 'Anomalie buccale')");
        for (const auto& [visit, fee, paid] : {std::tuple{dupontCare1, 3000, 1000}, std::tuple{dupontCare1, 500, 500},
                                               std::tuple{dupontCare2, 2000, 0}, std::tuple{martinCare, 1500, 1500}})
            files.exec("insert into Traitements (visite_id, VDate, Acte, Frais, Payement, Medcin_id) values (" +
                       QString::number(visit) + ", '09-12-2026 10:40', 'Détartrage', " + QString::number(fee) + ", " +
                       QString::number(paid) + ", " + QString::number(doctor) + ")");
    }

    int appointment(int patient, const QString& when, const char* act) {
        return insert("insert into Rendezvous (PatientNum, RVDate, \"Médecin\", traitement) values (" +
                      QString::number(patient) + ", '" + when + ":00', 'Accueil', '" + act + "')");
    }
};

inline std::unique_ptr<MainWindow> openMainWindow(int userId) {
    auto window = std::make_unique<MainWindow>(userId, QSqlDatabase::database());
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("The main window did not become active");
    return window;
}

using testsupport::child;

// The main window's own visit search line (the embedded panel has one of the same name).
inline QLineEdit* visitSearchLine(QWidget* window) {
    return child<QGroupBox>(window, "groupBoxActes_2")->findChild<QLineEdit*>(QStringLiteral("lineEditFiltreVisite"));
}

inline QAction* action(QWidget* window, const char* name) {
    return child<QAction>(window, name);
}

inline QModelIndex firstShownCell(QTableView* view, int row) {
    for (int column = 0; column < view->model()->columnCount(); ++column)
        if (!view->isColumnHidden(column))
            return view->model()->index(row, column);
    return {};
}

// A click on the row, as the user selects it.
inline void clickRow(QTableView* view, int row) {
    const QModelIndex cell = firstShownCell(view, row);
    view->scrollTo(cell);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(cell).center());
}

// A double click on the row, as the user opens it.
inline void doubleClickRow(QTableView* view, int row) {
    clickRow(view, row);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(firstShownCell(view, row)).center());
}

// The text a column shows in a row, the column named by its header.
inline QString cellText(QTableView* view, int row, const QString& column) {
    for (int c = 0; c < view->model()->columnCount(); ++c)
        if (view->model()->headerData(c, Qt::Horizontal, Qt::UserRole).toString() == column)
            return view->model()->index(row, c).data().toString();
    return QStringLiteral("<no column %1>").arg(column);
}

} // namespace mainwindowtest
