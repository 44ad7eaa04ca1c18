// The appointment list printed through the print preview, to a PDF file read back as text.

#include "mainwindowfixture.h"

#include "printing/tdpreviewdialog.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

using namespace mainwindowtest;

class TestAppointmentPrinting : public QObject {
    Q_OBJECT

private:
    // Clicks "Imprimer" and exports the preview's pages to a PDF file; returns the file's text.
    static QString printToPdf(MainWindow* w, const QString& pdf) {
        std::unique_ptr<testsupport::ModalAnswer> saveAs;
        bool previewSeen = false;
        testsupport::ModalAnswer preview([&](QWidget* widget) {
            auto* dialog = qobject_cast<TDPreviewDialog*>(widget);
            if (!dialog) {
                widget->close();
                return;
            }
            previewSeen = true;
            saveAs = std::make_unique<testsupport::ModalAnswer>([&](QWidget* chooser) {
                auto* files = qobject_cast<QFileDialog*>(chooser);
                if (!files) {
                    chooser->close();
                    return;
                }
                auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                if (!name) {
                    files->reject();
                    return;
                }
                name->setText(pdf);
                QTest::keyClick(name, Qt::Key_Return);
            });
            dialog->exportToPdf(QStringLiteral("rendez-vous.pdf"));
            dialog->reject();
        });
        QTest::mouseClick(child<QPushButton>(w, "imprimerTousRVBtn"), Qt::LeftButton);
        if (!previewSeen || !saveAs || !saveAs->answered())
            return QStringLiteral("<no preview or no file chooser>");
        if (!QFileInfo(pdf).exists())
            return QStringLiteral("<no file written>");
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        if (!text.waitForFinished(60000))
            return QStringLiteral("<pdftotext did not finish>");
        return QString::fromUtf8(text.readAllStandardOutput());
    }

private slots:
    void appointmentListToPdf() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed");
        Office office;
        const QDate today = QDate::currentDate();
        office.appointment(office.dupont, Office::when(today, "09:00"), "Détartrage");
        office.appointment(office.martin, Office::when(today, "10:30"), "Extraction");
        office.appointment(office.martin, Office::when(today.addDays(3), "11:00"), "Contrôle");
        auto window = openMainWindow(office.reception);
        MainWindow* w = window.get();
        QTest::keyClick(w, Qt::Key_F6);

        const QString day = today.toString("dd/MM/yyyy");
        const QString withDate = printToPdf(w, office.files.dir() + "/today.pdf");
        QVERIFY2(withDate.contains("Liste des rendez-vous"), qPrintable(withDate));
        QVERIFY(withDate.contains("Dupont Jeanne"));
        QVERIFY(withDate.contains("Martin Karim"));
        QVERIFY(withDate.contains(day));
        QVERIFY(!withDate.contains("Détartrage")); // only the names are printed

        auto* check = child<QCheckBox>(w, "checkBox");
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
        QVERIFY(!check->isChecked());
        const QString allDays = printToPdf(w, office.files.dir() + "/all.pdf");
        QVERIFY2(allDays.contains("Liste des rendez-vous"), qPrintable(allDays));
        QCOMPARE(allDays.count("Martin Karim"), 2);
        QVERIFY(!allDays.contains(day)); // no date line without "Le"
    }
};

KELVORA_TEST(TestAppointmentPrinting)
#include "test_printing.moc"
