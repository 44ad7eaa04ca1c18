#include "testsupport.h"

#include "printing/tdpreviewdialog.h"
#include "printingtestutils.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QPrinter>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace printingtest;

namespace {

QString patient(int row) {
    return QStringLiteral("Patient %1").arg(row + 1, 3, 10, QChar('0'));
}

// A 100-row appointment list on A4: three pages of 48, 48 and 4 rows.
struct PrintedList {
    PrintedList() : model(100, 3) {
        for (int row = 0; row < 100; ++row) {
            model.setItem(row, 0, new QStandardItem(QStringLiteral("05-03-2024")));
            model.setItem(row, 1, new QStandardItem(patient(row)));
            model.setItem(row, 2, new QStandardItem(QStringLiteral("Présent")));
        }
        view.setModel(&model);
        PrescriptionData data;
        data.bodyText = QStringLiteral("05/03/2024");
        preview = std::make_unique<TDPreviewDialog>(0, data, &view, &printer);
        preview->setGrid(TDPreviewDialog::NoGrid);
        printer.setPageSize(QPageSize(QPageSize::A4));
        preview->layoutPages();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("liste.pdf")));
    }

    // The current page number printed in the footer of each PDF page.
    QList<int> printedPageNumbers() const {
        QList<int> numbers;
        static const QRegularExpression footer(QStringLiteral("Page: 3 / (\\d)"));
        for (const QString& page : pdfPages(printer.outputFileName())) {
            const QRegularExpressionMatch match = footer.match(page);
            numbers << (match.hasMatch() ? match.captured(1).toInt() : -1);
        }
        return numbers;
    }

    QTemporaryDir dir;
    QStandardItemModel model;
    QTableView view;
    QPrinter printer{QPrinter::HighResolution};
    std::unique_ptr<TDPreviewDialog> preview;
};

} // namespace

class TestPreviewPrint : public QObject {
    Q_OBJECT

private slots:
    void threePageListOnPaper() {
        PrintedList list;
        QCOMPARE(list.preview->rowsPerPage(), 48);
        QCOMPARE(list.preview->pageCount(), 3);
        list.preview->renderToPrinter();

        const QStringList pages = pdfPages(list.printer.outputFileName());
        QCOMPARE(pages.size(), 3);
        const int firstRows[] = {0, 48, 96};
        const int lastRows[] = {47, 95, 99};
        for (int i = 0; i < 3; ++i) {
            const QString& page = pages.at(i);
            QVERIFY(page.contains(QStringLiteral("Liste des rendez-vous")));
            QVERIFY(page.contains(QStringLiteral("Nom et Prénom")));
            QVERIFY(page.contains(QStringLiteral("05/03/2024")));
            QVERIFY(page.contains(QStringLiteral("Page: 3 / %1").arg(i + 1)));
            QVERIFY(page.contains(patient(firstRows[i])));
            QVERIFY(page.contains(patient(lastRows[i])));
            QCOMPARE(page.count(QStringLiteral("Patient ")), lastRows[i] - firstRows[i] + 1);
            // Only the name column reaches the paper, and not the preview's border.
            QVERIFY(!page.contains(QStringLiteral("Présent")));
        }
        QVERIFY(pdfInfo(list.printer.outputFileName()).contains(QStringLiteral("(A4)")));
    }

    void copiesRangeAndOrder_data() {
        QTest::addColumn<int>("copies");
        QTest::addColumn<bool>("collate");
        QTest::addColumn<bool>("lastFirst");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QList<int>>("pages");
        QTest::newRow("one copy") << 1 << false << false << 0 << 0 << QList<int>{1, 2, 3};
        QTest::newRow("collated copies are whole sets") << 2 << true << false << 0 << 0 << QList<int>{1, 2, 3, 1, 2, 3};
        QTest::newRow("uncollated copies repeat each page")
            << 2 << false << false << 0 << 0 << QList<int>{1, 1, 2, 2, 3, 3};
        QTest::newRow("last page first") << 1 << false << true << 0 << 0 << QList<int>{3, 2, 1};
        QTest::newRow("range") << 1 << false << false << 2 << 3 << QList<int>{2, 3};
        QTest::newRow("range backwards, collated") << 2 << true << true << 1 << 2 << QList<int>{2, 1, 2, 1};
        QTest::newRow("range past the end is clipped") << 1 << false << false << 3 << 9 << QList<int>{3};
    }
    void copiesRangeAndOrder() {
        QFETCH(int, copies);
        QFETCH(bool, collate);
        QFETCH(bool, lastFirst);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QList<int>, pages);
        PrintedList list;
        list.printer.setCopyCount(copies);
        list.printer.setCollateCopies(collate);
        list.printer.setPageOrder(lastFirst ? QPrinter::LastPageFirst : QPrinter::FirstPageFirst);
        list.printer.setFromTo(from, to);
        list.preview->renderToPrinter();
        QCOMPARE(list.printedPageNumbers(), pages);
    }

    void nothingToPrintWritesNothing() {
        PrintedList list;
        list.model.removeRows(0, 100);
        list.preview->renderToPrinter();
        QCOMPARE(list.preview->pageCount(), 0);
        QVERIFY(!QFile::exists(list.printer.outputFileName()));

        PrintedList past;
        past.printer.setFromTo(5, 6);
        past.preview->renderToPrinter();
        QVERIFY(!QFile::exists(past.printer.outputFileName()));
    }

    void cancelledPrintDialogPrintsNothing() {
        PrintedList list;
        QString title;
        auto cancel = std::make_unique<testsupport::ModalAnswer>([&](QWidget* widget) {
            title = widget->windowTitle();
            if (auto* dialog = qobject_cast<QDialog*>(widget))
                dialog->reject();
        });
        list.preview->printPages();
        QVERIFY(cancel->answered());
        QCOMPARE(title, QStringLiteral("Print Document"));
        QVERIFY(!QFile::exists(list.dir.filePath(QStringLiteral("liste.pdf"))));
        QVERIFY(list.printer.outputFileName().isEmpty());
    }

    void exportToPdfAddsTheSuffix() {
        PrintedList list;
        const QString chosen = list.dir.filePath(QStringLiteral("rendez-vous"));
        QString caption;
        auto answer = std::make_unique<testsupport::ModalAnswer>([&](QWidget* widget) {
            caption = widget->windowTitle();
            chooseFile(widget, chosen);
        });
        list.preview->exportToPdf(QStringLiteral("rendez-vous.pdf"));
        QVERIFY(answer->answered());
        QCOMPARE(caption, QStringLiteral("Export PDF"));
        const QStringList pages = pdfPages(chosen + QStringLiteral(".pdf"));
        QCOMPARE(pages.size(), 3);
        QVERIFY(pages.at(2).contains(patient(99)));

        // A cancelled save dialog leaves the printer as it was.
        list.printer.setOutputFileName(QString());
        auto cancel = testsupport::rejectNextDialog();
        list.preview->exportToPdf(QStringLiteral("other.pdf"));
        QVERIFY(cancel->answered());
        QVERIFY(list.printer.outputFileName().isEmpty());
    }
};

// The paper follows the system's country: each case runs the check below in a process of its own, since the
// system locale is read once per process.
class TestPreviewPaper : public QObject {
    Q_OBJECT

private slots:
    void paperByCountry_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("paper");
        QTest::newRow("United States") << "en_US.UTF-8"
                                       << "Letter";
        QTest::newRow("Canada") << "fr_CA.UTF-8"
                                << "Letter";
        QTest::newRow("no country") << "C"
                                    << "Letter";
        QTest::newRow("France") << "fr_FR.UTF-8"
                                << "A4";
        QTest::newRow("Algeria") << "ar_DZ.UTF-8"
                                 << "A4";
    }
    void paperByCountry() {
        QFETCH(QString, locale);
        QFETCH(QString, paper);
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), locale);
        environment.insert(QStringLiteral("LANG"), locale);
        environment.insert(QStringLiteral("KELVORA_EXPECTED_PAPER"), paper);
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("-class"), QStringLiteral("TestPaperInLocale")});
        QVERIFY(child.waitForFinished(120000));
        QVERIFY2(child.exitCode() == 0, child.readAll().constData());
    }
};

class TestPaperInLocale : public QObject {
    Q_OBJECT

private slots:
    void tableAndPrescriptionPaper() {
        const QString expected = qEnvironmentVariable("KELVORA_EXPECTED_PAPER");
        if (expected.isEmpty())
            QSKIP("run by TestPreviewPaper with a locale of its choice");
        QStandardItemModel model(3, 2);
        QTableView view;
        view.setModel(&model);
        QPrinter printer(QPrinter::HighResolution);
        TDPreviewDialog list(0, PrescriptionData(), &view, &printer);
        QCOMPARE(printer.pageLayout().pageSize().id(),
                 expected == QStringLiteral("Letter") ? QPageSize::Letter : QPageSize::A4);
        QVERIFY(qAbs(list.scene()->width() - (expected == QStringLiteral("Letter") ? 850 : 826.8)) < 0.5);

        QPrinter prescriptionPrinter(QPrinter::HighResolution);
        TDPreviewDialog prescription(1, PrescriptionData(), &view, &prescriptionPrinter);
        QCOMPARE(prescriptionPrinter.pageLayout().pageSize().id(), QPageSize::A5);
        QCOMPARE(prescriptionPrinter.pageLayout().orientation(), QPageLayout::Portrait);
    }
};

KELVORA_TEST(TestPreviewPrint)
KELVORA_TEST(TestPreviewPaper)
KELVORA_TEST(TestPaperInLocale)
#include "test_previewprint.moc"
