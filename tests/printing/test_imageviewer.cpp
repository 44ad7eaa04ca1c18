#include "testsupport.h"

#include "printing/imageviewer.h"
#include "printingtestutils.h"

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <vector>

namespace {

// A landscape picture with something to see: a tooth-like shape on a dark film.
QImage radiograph(int width = 400, int height = 200) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(30, 30, 34));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(225, 225, 215));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(width * 0.4, height * 0.15, width * 0.2, height * 0.45), 20, 20);
    painter.drawRect(QRectF(width * 0.43, height * 0.5, width * 0.05, height * 0.4));
    painter.drawRect(QRectF(width * 0.52, height * 0.5, width * 0.05, height * 0.4));
    return image;
}

QAction* action(ImageViewer& viewer, const char* name) {
    return viewer.findChild<QAction*>(QString::fromLatin1(name));
}

QSize labelSize(ImageViewer& viewer) {
    return viewer.findChild<QLabel*>(QStringLiteral("imageLabel"))->size();
}

} // namespace

class TestImageViewer : public QObject {
    Q_OBJECT

private slots:
    void opensFittedToTheWindow() {
        ImageViewer viewer(QStringLiteral("Ali - visite du 05-03-2024"), radiograph());
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        QCOMPARE(viewer.windowTitle(), QStringLiteral("Ali - visite du 05-03-2024"));
        QCOMPARE(viewer.size(), QSize(500, 400));
        QVERIFY(action(viewer, "fitToWindowAct")->isChecked());
        QVERIFY(action(viewer, "fitToWindowAct")->isEnabled());
        QVERIFY(!action(viewer, "zoomInAct")->isEnabled());
        QVERIFY(!action(viewer, "zoomOutAct")->isEnabled());
        QVERIFY(!action(viewer, "normalSizeAct")->isEnabled());
        QVERIFY(action(viewer, "printAct")->isEnabled());
        auto* scroll = viewer.findChild<QScrollArea*>(QStringLiteral("scrollArea"));
        QCOMPARE(labelSize(viewer), scroll->viewport()->size());

        QCOMPARE(viewer.menuBar()->actions().size(), 2);
        testsupport::grabToFile(&viewer, QStringLiteral("imageviewer-fitted"));
    }

    void zoomStopsAtItsLimits() {
        ImageViewer viewer(QStringLiteral("Radio"), radiograph());
        viewer.show();
        QVERIFY(QTest::qWaitForWindowActive(&viewer));
        // Ctrl+F leaves fit-to-window: the image comes back at its own size.
        QTest::keyClick(&viewer, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(!action(viewer, "fitToWindowAct")->isChecked());
        QCOMPARE(viewer.currentScale(), 1.0);
        QCOMPARE(labelSize(viewer), QSize(400, 200));
        QVERIFY(action(viewer, "zoomInAct")->isEnabled());
        QVERIFY(action(viewer, "normalSizeAct")->isEnabled());

        for (int i = 0; i < 4; ++i)
            action(viewer, "zoomInAct")->trigger();
        QVERIFY(action(viewer, "zoomInAct")->isEnabled());
        QTest::keyClick(&viewer, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(viewer.currentScale(), 1.25 * 1.25 * 1.25 * 1.25 * 1.25);
        QVERIFY(!action(viewer, "zoomInAct")->isEnabled());
        QVERIFY(action(viewer, "zoomOutAct")->isEnabled());
        QCOMPARE(labelSize(viewer), QSize(1221, 610));
        auto* scroll = viewer.findChild<QScrollArea*>(QStringLiteral("scrollArea"));
        // The view stays on the middle of the picture.
        QScrollBar* across = scroll->horizontalScrollBar();
        QTRY_VERIFY(across->isVisible());
        QVERIFY(qAbs(across->value() - across->maximum() / 2) < 10);
        testsupport::grabToFile(&viewer, QStringLiteral("imageviewer-zoomed"));

        QTest::keyClick(&viewer, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(viewer.currentScale(), 1.0);
        QCOMPARE(labelSize(viewer), QSize(400, 200));

        for (int i = 0; i < 4; ++i)
            QTest::keyClick(&viewer, Qt::Key_Minus, Qt::ControlModifier);
        QVERIFY(action(viewer, "zoomOutAct")->isEnabled());
        action(viewer, "zoomOutAct")->trigger();
        QVERIFY(qAbs(viewer.currentScale() - 0.32768) < 1e-12);
        QVERIFY(!action(viewer, "zoomOutAct")->isEnabled());
        QVERIFY(action(viewer, "zoomInAct")->isEnabled());
        QCOMPARE(labelSize(viewer), QSize(131, 66));

        // Back to fitting: the zoom actions are off again.
        action(viewer, "fitToWindowAct")->trigger();
        QVERIFY(!action(viewer, "zoomInAct")->isEnabled());
        QVERIFY(!action(viewer, "zoomOutAct")->isEnabled());
        QVERIFY(!action(viewer, "normalSizeAct")->isEnabled());
    }

    void openingAFileThatIsNoImage() {
        QTemporaryDir dir;
        const QString broken = dir.filePath(QStringLiteral("radio.png"));
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a picture");
        file.close();
        const QString good = dir.filePath(QStringLiteral("autre.png"));
        QVERIFY(radiograph(64, 32).save(good));

        ImageViewer viewer(QStringLiteral("Radio"), radiograph());
        viewer.show();
        action(viewer, "fitToWindowAct")->trigger(); // the label shows the picture's own size

        // The file chooser may still count as the modal window for a moment after it closed: the box is
        // waited for until it is a message box.
        std::vector<std::unique_ptr<testsupport::ModalAnswer>> boxChecks;
        std::unique_ptr<testsupport::ModalAnswer> box;
        QString fileCaption, boxTitle;
        std::function<void()> awaitBox = [&] {
            boxChecks.push_back(std::make_unique<testsupport::ModalAnswer>([&](QWidget* shown) {
                if (!qobject_cast<QMessageBox*>(shown)) {
                    awaitBox();
                    return;
                }
                boxTitle = shown->windowTitle();
                box = testsupport::answerMessageBox();
            }));
        };
        auto chooser = [&](const QString& path, bool thenBox) {
            return std::make_unique<testsupport::ModalAnswer>([&, path, thenBox](QWidget* widget) {
                fileCaption = widget->windowTitle();
                if (printingtest::chooseFile(widget, path) && thenBox)
                    awaitBox();
            });
        };

        auto first = chooser(broken, true);
        action(viewer, "openAct")->trigger();
        QVERIFY(first->answered());
        QCOMPARE(fileCaption, QStringLiteral("Open File"));
        QVERIFY(box && box->answered());
        QCOMPARE(boxTitle, QStringLiteral("Image Viewer"));
        QCOMPARE(box->seenText(), QStringLiteral("Cannot load %1.").arg(broken));
        // The picture shown stays.
        QCOMPARE(viewer.findChild<QLabel*>(QStringLiteral("imageLabel"))->pixmap().size(), QSize(400, 200));

        auto second = chooser(good, false);
        action(viewer, "openAct")->trigger();
        QVERIFY(second->answered());
        QCOMPARE(viewer.findChild<QLabel*>(QStringLiteral("imageLabel"))->pixmap().size(), QSize(64, 32));
        QCOMPARE(labelSize(viewer), QSize(64, 32));
        QCOMPARE(viewer.currentScale(), 1.0);
    }

    void printsFittedToThePage() {
        QTemporaryDir dir;
        ImageViewer viewer(QStringLiteral("Radio"), radiograph(400, 200));
        QPrinter printer(QPrinter::ScreenResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("radio.pdf")));
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Portrait);
        viewer.printTo(&printer);

        // pdfimages tells the drawn resolution: 400 pixels across the page's printable width.
        QProcess images;
        images.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), printer.outputFileName()});
        QVERIFY(images.waitForFinished(60000));
        const QStringList lines = QString::fromUtf8(images.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3); // two header lines and the one image
        const QStringList fields = lines.at(2).split(' ', Qt::SkipEmptyParts);
        QCOMPARE(fields.at(3).toInt(), 400);
        QCOMPARE(fields.at(4).toInt(), 200);
        const double xPpi = fields.at(12).toDouble();
        const double yPpi = fields.at(13).toDouble();
        const double printableWidth = printer.pageRect(QPrinter::Inch).width();
        QVERIFY2(qAbs(400 / xPpi - printableWidth) < 0.05, qPrintable(lines.at(2)));
        QVERIFY(qAbs(xPpi - yPpi) < 1); // proportions kept

        // A cancelled print dialog prints nothing.
        auto cancel = testsupport::rejectNextDialog();
        action(viewer, "printAct")->trigger();
        QVERIFY(cancel->answered());
    }
};

KELVORA_TEST(TestImageViewer)
#include "test_imageviewer.moc"
