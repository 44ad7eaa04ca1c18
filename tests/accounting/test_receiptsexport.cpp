#include "testsupport.h"

#include "accounting/sumformdialog.h"
#include "data/receiptsexport.h"
#include "data/sql.h"

#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

using testsupport::TempOffice;

class TestReceiptsExport : public QObject {
    Q_OBJECT

private:
    // Users: 1 the first doctor, 2 a second doctor (role 2), 3 the reception.
    // Acts over four days of March 2024, both doctors on the 6th, one patient of each doctor, and a patient
    // whose name needs quoting; an act on the last day late in the evening.
    static void fill(TempOffice& office) {
        QVERIFY(office.exec("insert into user (Name, Password, Role) values ('Admin', 'a', 1)"));
        QVERIFY(office.exec("insert into user (Name, Password, Role) values ('Dr Benali', 'b', 2)"));
        QVERIFY(office.exec("insert into user (Name, Password, Role) values ('Accueil', 'c', 3)"));
        const struct {
            const char* patient;
            const char* when;
            int fee, paid, doctor;
        } acts[] = {
            {"Ali", "05-03-2024 10:30", 3000, 1000, 1},
            {"Zohra", "06-03-2024 09:00", 2000, 2500, 1},
            {"Bensaïd, \"Mimi\"", "06-03-2024 11:00", 4000, 4000, 2},
            {"Ali", "07-03-2024 23:45", 1500, 0, 2},
            {"Zohra", "08-03-2024 08:00", 700, 700, 1},
        };
        for (const auto& act : acts) {
            QVERIFY(office.exec(QString("insert into Patients (Nom) values ('%1')").arg(sql::quoted(act.patient))));
            const qint64 patient = office.lastInsertId();
            QVERIFY(office.exec(QString("insert into Visites (PatientNum, Type, VDate) values (%1, 'SOINS', '%2')")
                                    .arg(patient)
                                    .arg(act.when)));
            const qint64 visit = office.lastInsertId();
            QVERIFY(office.exec(QString("insert into Traitements (visite_id, VDate, Acte, Frais, Payement, Medcin_id) "
                                        "values (%1, '%2', 'Soin', %3, %4, %5)")
                                    .arg(visit)
                                    .arg(act.when)
                                    .arg(act.fee)
                                    .arg(act.paid)
                                    .arg(act.doctor)));
        }
    }

    // The CSV's lines split into fields, quoted fields read back as RFC 4180 writes them.
    static QList<QStringList> parse(const QByteArray& csv) {
        QList<QStringList> lines;
        QStringList fields;
        QString current;
        bool quoted = false;
        const QString text = QString::fromUtf8(csv);
        for (int i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (quoted) {
                if (c == '"' && i + 1 < text.size() && text.at(i + 1) == '"')
                    current += text.at(++i);
                else if (c == '"')
                    quoted = false;
                else
                    current += c;
            } else if (c == '"') {
                quoted = true;
            } else if (c == ',') {
                fields << current;
                current.clear();
            } else if (c == '\r' && i + 1 < text.size() && text.at(i + 1) == '\n') {
                fields << current;
                lines << fields;
                fields.clear();
                current.clear();
                ++i;
            } else {
                current += c;
            }
        }
        if (!current.isEmpty() || !fields.isEmpty())
            lines << (fields << current); // a last line without its CR LF: the check of the ending catches it
        return lines;
    }

    // The sums of fee and payment over the rows of one type.
    static QList<qint64> sums(const QList<QStringList>& lines, const QString& type) {
        qint64 fee = 0;
        qint64 payment = 0;
        for (const QStringList& line : lines)
            if (line.value(0) == type) {
                fee += line.value(4).toLongLong();
                payment += line.value(5).toLongLong();
            }
        return {fee, payment};
    }

    static QList<qint64> shownTotals(sumFormDialog& dialog) {
        return {dialog.findChild<QLabel*>("labelDay")->text().toLongLong(),
                dialog.findChild<QLabel*>("labelDayPayement")->text().toLongLong()};
    }

    static void setPeriod(sumFormDialog& dialog, const QDate& first, const QDate& last) {
        dialog.findChild<QDateEdit*>("dateEdit")->setDate(first);
        dialog.findChild<QDateEdit*>("dateEdit_2")->setDate(last);
    }

    // Clicks the export button and answers the file chooser with this path.
    static void exportTo(sumFormDialog& dialog, const char* button, const QString& path) {
        auto answer = std::make_unique<testsupport::ModalAnswer>([path](QWidget* widget) {
            auto* chooser = qobject_cast<QFileDialog*>(widget);
            QVERIFY(chooser);
            // Typed whole into the name field, as a user would: the chooser reads its folders in the background,
            // and a chosen file of a folder it has not read yet may be taken in the folder it shows.
            auto* name = chooser->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            name->setText(path);
            QMetaObject::invokeMethod(chooser, "accept");
        });
        QTest::mouseClick(testsupport::child<QPushButton>(&dialog, button), Qt::LeftButton);
        QVERIFY(answer->answered());
    }

private slots:
    // For every period and both kinds of doctor, the CSV's day rows, patient rows and total row add up to the
    // totals the window shows; the tool prints the very same bytes.
    void csvSumsEqualTheWindowsTotals() {
        TempOffice office;
        QVERIFY(office.isValid());
        fill(office);
        const QList<QPair<QDate, QDate>> periods = {{QDate(2024, 3, 5), QDate(2024, 3, 8)},
                                                    {QDate(2024, 3, 6), QDate(2024, 3, 6)},
                                                    {QDate(2024, 3, 7), QDate(2024, 3, 7)},
                                                    {QDate(2024, 3, 6), QDate(2024, 3, 7)},
                                                    {QDate(2024, 4, 1), QDate(2024, 4, 30)}};
        for (const int user : {1, 2}) {
            sumFormDialog dialog(user);
            for (const auto& period : periods) {
                setPeriod(dialog, period.first, period.second);
                const int doctor = user == 1 ? 0 : user;
                const QByteArray csv = receiptsexport::csv(receiptsexport::read(period.first, period.second, doctor));
                const QList<QStringList> lines = parse(csv);
                const QList<qint64> shown = shownTotals(dialog);
                QCOMPARE(sums(lines, "day"), shown);
                QCOMPARE(sums(lines, "patient"), shown);
                QCOMPARE(sums(lines, "total"), shown);

                QProcess tool;
                QStringList arguments = {"receipts", office.databasePath(),
                                         "--from",   period.first.toString("dd-MM-yyyy"),
                                         "--to",     period.second.toString("dd-MM-yyyy"),
                                         "--csv"};
                if (doctor)
                    arguments << "--doctor" << QString::number(doctor);
                tool.start(qEnvironmentVariable("KELVORA_BINARY_DIR") + "/tools/kelvora-db/kelvora-db", arguments);
                QVERIFY(tool.waitForFinished(60000));
                QCOMPARE(tool.exitCode(), 0);
                QCOMPARE(tool.readAllStandardOutput(), csv);
            }
        }
        // The late act of the 7th belongs to the 7th; the second doctor's period holds only his own acts.
        const QList<QStringList> own =
            parse(receiptsexport::csv(receiptsexport::read(QDate(2024, 3, 5), QDate(2024, 3, 8), 2)));
        QCOMPARE(own.size(), 6);
        QCOMPARE(own.at(0), QStringList({"type", "date", "patient", "doctor", "fee", "payment", "balance"}));
        QCOMPARE(own.at(1), QStringList({"day", "2024-03-06", "", "Dr Benali", "4000", "4000", "0"}));
        QCOMPARE(own.at(2), QStringList({"day", "2024-03-07", "", "Dr Benali", "1500", "0", "1500"}));
        QCOMPARE(own.at(3), QStringList({"patient", "", "Ali", "Dr Benali", "1500", "0", "1500"}));
        QCOMPARE(own.at(4), QStringList({"patient", "", "Bensaïd, \"Mimi\"", "Dr Benali", "4000", "4000", "0"}));
        QCOMPARE(own.at(5), QStringList({"total", "", "", "", "5500", "4000", "1500"}));
    }

    // The window's buttons write the shown period, whole, to the chosen files; reception has no buttons.
    void windowExportsToCsvAndPdf() {
        TempOffice office;
        QVERIFY(office.isValid());
        fill(office);
        sumFormDialog dialog(1);
        // Not modal itself, so that the file chooser is the modal widget the answer finds.
        dialog.setWindowModality(Qt::NonModal);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        setPeriod(dialog, QDate(2024, 3, 6), QDate(2024, 3, 7));

        const QString csvPath = office.dir() + "/march";
        exportTo(dialog, "pushButtonCsv", csvPath);
        QFile csv(csvPath + ".csv");
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QByteArray written = csv.readAll();
        QVERIFY(written.endsWith("\r\n"));
        QCOMPARE(sums(parse(written), "day"), shownTotals(dialog));
        QCOMPARE(parse(written).size(), 1 + 3 + 3 + 1);

        const QString pdfPath = office.dir() + "/march.pdf";
        exportTo(dialog, "pushButtonPdf", pdfPath);
        QFile pdf(pdfPath);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        // Kept beside the window's picture, to be looked at.
        const QString picture = testsupport::grabToFile(&dialog, "receipts-export");
        QFile::remove(QFileInfo(picture).dir().filePath("receipts-export.pdf"));
        QVERIFY(QFile::copy(pdfPath, QFileInfo(picture).dir().filePath("receipts-export.pdf")));

        sumFormDialog reception(3);
        QVERIFY(testsupport::child<QPushButton>(&reception, "pushButtonCsv")->isHidden());
        QVERIFY(testsupport::child<QPushButton>(&reception, "pushButtonPdf")->isHidden());
    }
};

KELVORA_TEST(TestReceiptsExport)
#include "test_receiptsexport.moc"
