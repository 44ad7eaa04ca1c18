#include "testsupport.h"

#include "printing/tdpreviewdialog.h"
#include "printingtestutils.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QGraphicsLineItem>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>

using namespace printingtest;

namespace {

PrescriptionData aliPrescription() {
    PrescriptionData data;
    data.patientNum = 12;
    data.patientName = QStringLiteral("Ali");
    data.patientAge = 34;
    data.patientSex = QStringLiteral("M");
    data.patientAddress = QStringLiteral("3 rue des Oliviers");
    data.bodyText = QStringLiteral("Amoxicilline 1 g : 2 fois par jour\nParacétamol 500 mg si douleur\n"
                                   "Bain de bouche dans l'eau tiède");
    data.drNom = QStringLiteral("Dr Karim Benali");
    data.ordonnancePied = QStringLiteral("Tél : 021 00 00 00");
    data.doctorAddress = QStringLiteral("12 bd Amirouche");
    data.date = QDateTime(QDate(2024, 3, 5), QTime(10, 30));
    return data;
}

struct Expected {
    QString text;
    QPointF pos;
    int pointSize;
    qreal textWidth;
};

} // namespace

class TestPreviewPrescription : public QObject {
    Q_OBJECT

private slots:
    void alwaysA5Portrait() {
        QTableView acts;
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageOrientation(QPageLayout::Landscape);
        TDPreviewDialog preview(1, aliPrescription(), &acts, &printer);
        QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::A5);
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
        QVERIFY(printer.fullPage());
        QCOMPARE(preview.pageCount(), 1);
        QVERIFY(qAbs(preview.scene()->width() - 582.7) < 1); // A5, give or take the rounding of the paper to points
        QVERIFY(qAbs(preview.scene()->height() - 826.8) < 1);
    }

    void longTextsWrapInsideTheMarginsAndGoOnOnTheNextPage() {
        // Kept beside the screenshots, to be looked at.
        const QString pdf = qEnvironmentVariable("KELVORA_BINARY_DIR", QDir::tempPath()) + "/screenshots";
        QDir().mkpath(pdf);
        QTableView acts;
        QPrinter printer(QPrinter::HighResolution);
        PrescriptionData data = aliPrescription();
        data.patientName = QStringLiteral("Abdelkader Ben Mohamed El Hadj Boumediene Ould Sidi Cheikh Tlemcani");
        data.doctorAddress = QStringLiteral("Cité des 1000 logements, bâtiment 12, escalier B, Bab Ezzouar, Alger");
        data.ordonnancePied = QStringLiteral("Ne pas dépasser la dose prescrite. Consultation sur rendez-vous, "
                                             "du samedi au jeudi de 8 h à 17 h. Urgences : 0555 00 00 00");
        QStringList lines;
        for (int i = 1; i <= 45; ++i)
            lines << QStringLiteral("Ligne %1 : Amoxicilline 1 g, un comprimé matin et soir pendant sept jours, "
                                    "à prendre au milieu du repas")
                         .arg(i);
        data.bodyText = lines.join(QLatin1Char('\n'));
        TDPreviewDialog preview(1, data, &acts, &printer);
        QVERIFY(preview.pageCount() > 1);
        QGraphicsScene* scene = preview.scene();
        const qreal w = scene->width();
        const qreal footerLine = scene->height() - 100;
        for (int page = 1; page <= preview.pageCount(); ++page) {
            preview.drawPage(page);
            QList<QGraphicsTextItem*> items = textItems(scene);
            QVERIFY(findText(scene, data.ordonnancePied));
            for (QGraphicsTextItem* item : items) {
                const QRectF box = item->mapRectToScene(item->boundingRect());
                // Nothing runs off the paper's right edge.
                QVERIFY2(box.left() >= 10 && box.right() <= w - 10, qPrintable(item->toPlainText().left(40)));
                if (item->toPlainText() != data.bodyText)
                    continue;
                // The body shows through a frame that stops above the footer, and no line of it straddles the
                // frame's edge: each line is on one page, whole.
                const QRectF frame = item->parentItem()->mapRectToScene(item->parentItem()->boundingRect());
                QVERIFY(frame.bottom() <= footerLine);
                const qreal pageHeight = item->document()->pageSize().height();
                for (QTextBlock block = item->document()->begin(); block.isValid(); block = block.next()) {
                    const QRectF where = item->document()->documentLayout()->blockBoundingRect(block);
                    for (int l = 0; l < block.layout()->lineCount(); ++l) {
                        const QTextLine line = block.layout()->lineAt(l);
                        const qreal top = where.top() + line.y();
                        QCOMPARE(int(top / pageHeight), int((top + line.height() - 0.01) / pageHeight));
                    }
                }
            }
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf + "/prescription-long.pdf");
        preview.renderToPrinter();
        const QStringList pages = pdfPages(printer.outputFileName());
        QCOMPARE(pages.size(), preview.pageCount());
        QVERIFY(pages.last().contains(QStringLiteral("Ligne 45")));
    }

    void bodyLinesBreakBetweenWords() {
        // Drugs picked from the list come as tab-separated columns; a dose must wrap whole words.
        QTableView acts;
        QPrinter printer(QPrinter::HighResolution);
        PrescriptionData data = aliPrescription();
        const QString drug = QStringLiteral("Paracétamol + codéine\t500 mg\t\tcomprimé\t1 comprimé 3 fois par jour "
                                            "pendant cinq jours au milieu du repas\t\t1 boîte");
        data.bodyText = QStringList(20, drug).join(QLatin1Char('\n'));
        TDPreviewDialog preview(1, data, &acts, &printer);
        const qreal bodyRight = preview.scene()->width() - 10;
        for (int page = 1; page <= preview.pageCount(); ++page) {
            preview.drawPage(page);
            QGraphicsTextItem* body = findText(preview.scene(), data.bodyText);
            QVERIFY(body);
            for (QTextBlock block = body->document()->begin(); block.isValid(); block = block.next()) {
                const QString text = block.text().replace(QChar::Nbsp, QLatin1Char(' '));
                const int dose = text.indexOf(QStringLiteral("1 comprimé"));
                const QTextLine doseLine = block.layout()->lineForTextPosition(dose);
                QVERIFY(doseLine.textStart() + doseLine.textLength() >= dose + 26);
                for (int l = 0; l < block.layout()->lineCount(); ++l) {
                    const QTextLine line = block.layout()->lineAt(l);
                    const int start = line.textStart();
                    QVERIFY2(start == 0 || text.at(start - 1).isSpace(), qPrintable(text.mid(start, 20)));
                    QVERIFY(body->mapToScene(QPointF(line.naturalTextRect().right(), 0)).x() <= bodyRight);
                }
            }
        }
    }

    void everyItemAtItsPlace() {
        QTableView acts;
        acts.setFont(QFont(QStringLiteral("Times New Roman"), 14));
        QPrinter printer(QPrinter::HighResolution);
        const PrescriptionData data = aliPrescription();
        TDPreviewDialog preview(1, data, &acts, &printer);
        preview.setGrid(TDPreviewDialog::NoGrid);
        preview.drawPage(1);
        QGraphicsScene* scene = preview.scene();
        const qreal w = scene->width();
        const qreal h = scene->height();

        // The doctor's line sits a row (9 pt + 8) and a spacing above the header line: 60 - 17 - 8 + 40.
        const QList<Expected> expected{
            {QStringLiteral("Nom :\tAli"), {50, 230}, 16, 400},
            {QStringLiteral("Age :\t34  ans "), {50, 260}, 16, 200},
            {QStringLiteral("ORDONNANCE"), {w * 0.5 - 90, 300}, 17, 200},
            // Every text has a width, so that a long one wraps inside the margins; the body keeps 30 from both edges.
            {data.bodyText, {30, 400}, 12, w - 60},
            {QStringLiteral("Dr Karim Benali"), {10, 75}, 14, w - 160 - 18},
            {QStringLiteral("12 bd Amirouche"), {w - 160, 100}, 14, 150},
            {QStringLiteral("Le 05-03-2024"), {w - 160, 125}, 14, 150},
            {QStringLiteral("Tél : 021 00 00 00"), {10, h - 100 + 8}, 14, w - 20},
        };
        for (const Expected& item : expected) {
            QGraphicsTextItem* found = findText(scene, item.text);
            QVERIFY2(found, qPrintable(item.text));
            QCOMPARE(found->pos(), item.pos);
            QCOMPARE(found->font().family(), QStringLiteral("Times New Roman"));
            QCOMPARE(found->font().pointSize(), item.pointSize);
            QCOMPARE(found->textWidth(), item.textWidth);
        }

        // The office's name is in the application's font, even when the table's font is the prescription's.
        QGraphicsTextItem* office = findText(scene, QStringLiteral("Cabinet dentaire"));
        QVERIFY(office);
        QFont titleFont = QApplication::font();
        titleFont.setPointSize(24);
        titleFont.setWeight(QFont::Normal);
        QCOMPARE(office->font().family(), titleFont.family());
        QCOMPARE(office->font().pointSize(), 24);
        QCOMPARE(office->pos(), QPointF(160, 30 - QFontMetrics(titleFont).height() / 2 + 40 - 20));

        // Nothing else: no page count, no list title, no column header.
        QCOMPARE(textItems(scene).size(), expected.size() + 1);

        QList<QLineF> lines;
        for (QGraphicsItem* item : scene->items())
            if (auto* line = qgraphicsitem_cast<QGraphicsLineItem*>(item)) {
                lines << line->line();
                QCOMPARE(line->pen().widthF(), 1.0);
                QCOMPARE(line->pen().capStyle(), Qt::SquareCap);
                QCOMPARE(line->pen().joinStyle(), Qt::BevelJoin);
            }
        std::sort(lines.begin(), lines.end(), [](const QLineF& a, const QLineF& b) { return a.y1() < b.y1(); });
        QCOMPARE(lines, (QList<QLineF>{QLineF(10, 100, w - 10, 100), QLineF(10, h - 100, w - 10, h - 100)}));

        // Drawing it again (as printing does) puts everything at the same place.
        preview.layoutPages();
        preview.drawPage(1);
        QCOMPARE(findText(scene, QStringLiteral("Dr Karim Benali"))->pos(), QPointF(10, 75));
    }

    void emptyDoctorTextsKeepTheLinesAndFixedTexts() {
        QTableView acts;
        QPrinter printer(QPrinter::HighResolution);
        PrescriptionData data = aliPrescription();
        data.drNom.clear();
        data.ordonnancePied.clear();
        data.doctorAddress.clear();
        data.patientName.clear();
        data.patientAge = 0;
        TDPreviewDialog preview(1, data, &acts, &printer);
        preview.drawPage(1);
        QGraphicsScene* scene = preview.scene();
        int lines = 0;
        for (QGraphicsItem* item : scene->items())
            lines += qgraphicsitem_cast<QGraphicsLineItem*>(item) ? 1 : 0;
        QCOMPARE(lines, 2);
        QVERIFY(findText(scene, QStringLiteral("Nom :\t")));
        QVERIFY(findText(scene, QStringLiteral("Age :\t0  ans ")));
        QVERIFY(findText(scene, QStringLiteral("Cabinet dentaire")));
        QVERIFY(findText(scene, QStringLiteral("ORDONNANCE")));
        QVERIFY(findText(scene, QStringLiteral("Le 05-03-2024")));
        QCOMPARE(texts(scene).count(QString()), 3);
    }

    void previewWindow() {
        QTableView acts;
        QPrinter printer(QPrinter::HighResolution);
        TDPreviewDialog preview(1, aliPrescription(), &acts, &printer);
        preview.setGrid(TDPreviewDialog::NoGrid);
        QString prefix;
        auto answer = std::make_unique<testsupport::ModalAnswer>([&](QWidget* widget) {
            prefix = widget->findChild<QSpinBox*>(QStringLiteral("pageSpinBox"))->prefix();
            testsupport::grabToFile(widget, QStringLiteral("preview-prescription"));
            QTest::mouseClick(widget->findChild<QToolButton*>(QStringLiteral("zoomOutToolButton")), Qt::LeftButton);
            testsupport::grabToFile(widget, QStringLiteral("preview-prescription-whole"));
            QTest::mouseClick(widget->findChild<QPushButton*>(QStringLiteral("cancelPushButton")), Qt::LeftButton);
        });
        QCOMPARE(preview.run(), int(QDialog::Rejected));
        QVERIFY(answer->answered());
        QCOMPARE(prefix, QStringLiteral("1 / "));
    }

    void printedToPdf() {
        QTemporaryDir dir;
        QTableView acts;
        QPrinter printer(QPrinter::HighResolution);
        TDPreviewDialog preview(1, aliPrescription(), &acts, &printer);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("ordonnance.pdf")));
        preview.renderToPrinter();

        const QStringList pages = pdfPages(printer.outputFileName());
        QCOMPARE(pages.size(), 1);
        const QString page = pages.first();
        for (const char* text :
             {"Cabinet dentaire", "Dr Karim Benali", "12 bd Amirouche", "Le 05-03-2024", "Nom : Ali", "Age : 34 ans",
              "ORDONNANCE", "Amoxicilline 1 g : 2 fois par jour", "Paracétamol 500 mg si douleur",
              "Bain de bouche dans l'eau tiède", "Tél : 021 00 00 00"})
            QVERIFY2(page.contains(QString::fromUtf8(text)), text);
        // The three lines of the prescription keep their breaks and their order.
        const int first = page.indexOf(QStringLiteral("Amoxicilline"));
        const int second = page.indexOf(QStringLiteral("Paracétamol"));
        const int third = page.indexOf(QStringLiteral("Bain de bouche"));
        QVERIFY(first < second && second < third);
        QVERIFY(page.mid(first, third - first).count(QLatin1Char('\n')) >= 2);
        QVERIFY(pdfInfo(printer.outputFileName()).contains(QStringLiteral("(A5)")));
    }
};

KELVORA_TEST(TestPreviewPrescription)
#include "test_previewprescription.moc"
