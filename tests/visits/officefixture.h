#pragma once

#include "testsupport.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QSqlQuery>
#include <QString>
#include <QTest>
#include <QWidget>

// A small office: three users (a doctor who chooses the treating doctor, a second doctor, reception), one
// patient and a few acts with their default fees.
namespace officefixture {

inline void fill(testsupport::TempOffice& office) {
    office.exec("insert into user (Name, Password, Role, DrNom, Adresse, OrdonnancePied) values "
                "('dr', 'x', 1, 'Dr Benali', '12 rue des Oliviers', 'Ne pas dépasser la dose prescrite')");
    office.exec("insert into user (Name, Password, Role, DrNom, Adresse, OrdonnancePied) values "
                "('assistant', 'x', 2, 'Dr Haddad', '3 place du Marché', 'Pied Haddad')");
    office.exec("insert into user (Name, Password, Role, DrNom) values ('accueil', 'x', 3, '')");
    office.exec("insert into Patients (Nom, Age, Sexe, Adresse, Antecedent_G, Antecedent_L) values "
                "('Ali', 34, 'M', 'Oran', 'Diabète', 'Gingivite')");
    office.exec("insert into acte (Code, Acte, Frais, FraisProthese) values ('D', 'Détartrage', 2000, 500)");
    office.exec("insert into acte (Code, Acte, Frais, FraisProthese) values ('E', 'Extraction', 3000, 0)");
    office.exec("insert into acte (Code, Acte, Frais, FraisProthese) values ('C', 'Consultation', 1000, 0)");
}

inline const int doctor = 1;
inline const int assistant = 2;
inline const int reception = 3;
inline const int patient = 1;

// A visit of the patient with one act per (act, fee, payment, date) given; returns the visit number.
inline int addVisit(testsupport::TempOffice& office, const QString& type, const QString& date) {
    office.exec("insert into Visites (PatientNum, Type, VDate, Motif, Diagnostique, TypeProthese) values (1, '" + type +
                "', '" + date + "', 'Douleur', 'Carie', '/')");
    return int(office.lastInsertId());
}

inline int addAct(testsupport::TempOffice& office, int visit, const QString& acte, int fee, int payment,
                  const QString& date, int doctorId = doctor) {
    office.exec(QString("insert into Traitements (visite_id, VDate, Acte, Frais, Payement, Medcin_id) values "
                        "(%1, '%2', '%3', %4, %5, %6)")
                    .arg(visit)
                    .arg(date, QString(acte).replace("'", "''"))
                    .arg(fee)
                    .arg(payment)
                    .arg(doctorId));
    return int(office.lastInsertId());
}

using testsupport::child;

// Types the text key by key; letters outside ASCII arrive as the text of a key press, as from a French keyboard.
inline void typeText(QWidget* field, const QString& text) {
    for (const QChar c : text) {
        if (c == QLatin1Char('\n')) {
            QTest::keyClick(field, Qt::Key_Return);
        } else if (c.unicode() < 128) {
            QTest::keyClicks(field, QString(c));
        } else {
            QTest::sendKeyEvent(QTest::Press, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

// Selects everything in a field and types over it, as a user would.
inline void typeOver(QWidget* field, const QString& text) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    typeText(field, text);
}

} // namespace officefixture
