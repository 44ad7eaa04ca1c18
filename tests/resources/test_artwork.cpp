#include "testsupport.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QTest>

// The embedded pictures: every name a window asks for is there, is a real picture and is not blank.
class TestArtwork : public QObject {
    Q_OBJECT

private:
    // True when the picture has at least one visible pixel that is not white: a drawing, not an empty canvas.
    static bool hasDrawing(const QImage& image) {
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < argb.height(); ++y)
            for (int x = 0; x < argb.width(); ++x) {
                const QRgb pixel = argb.pixel(x, y);
                if (qAlpha(pixel) > 128 && (qRed(pixel) < 200 || qGreen(pixel) < 200 || qBlue(pixel) < 200))
                    return true;
            }
        return false;
    }

    // ctest names the folders; run by hand, the test finds them from where it was built and where it runs.
    static QString sourceDir() {
        const QString dir = qEnvironmentVariable("KELVORA_SOURCE_DIR");
        return dir.isEmpty() ? QFileInfo(QStringLiteral(__FILE__)).absoluteDir().filePath("../..") : dir;
    }
    static QString binaryDir() {
        const QString dir = qEnvironmentVariable("KELVORA_BINARY_DIR");
        return dir.isEmpty() ? QCoreApplication::applicationDirPath() + "/.." : dir;
    }

private slots:
    void windowsFindTheirIcons_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("minimumSide");
        const QStringList icons = {"login_icon.png",
                                   "login.png",
                                   "folder_icon.png",
                                   "standardbutton-apply-16.png",
                                   "standardbutton-apply-32.png",
                                   "standardbutton-cancel-16.png",
                                   "standardbutton-cancel-32.png",
                                   "floppy-128.png",
                                   "fileopen.png",
                                   "administracion.png",
                                   "Calendar.png",
                                   "cuenta_2.png",
                                   "Setting.png",
                                   "Drive Backup.png",
                                   "exit.png",
                                   "help-about.png",
                                   "seahorse-applet-unknown.png",
                                   "informacion.png",
                                   "view-calendar-day.png",
                                   "list-add-user.png",
                                   "search_png.png",
                                   "user-properties.png",
                                   "kontact_notes.png",
                                   "plus.png",
                                   "edit.png",
                                   "editdelete.png",
                                   "editdelete1010.png",
                                   "no-image-but-good-image.png",
                                   "refresh-32.png",
                                   "fileprint.png",
                                   "user-group-icon.png",
                                   "list-remove-user.png",
                                   "guardar.png",
                                   "prothese-complete.png",
                                   "return.png",
                                   "user.png",
                                   "soins.png"};
        for (const QString& name : icons)
            QTest::newRow(qPrintable(name)) << ":/icons/" + name << 16;
        for (const char* name :
             {"fileprint", "remove", "ok", "button_cancel", "add", "configure", "cancel", "fileopen"})
            QTest::newRow(name) << QString(":/icons/16x16/actions/%1.png").arg(name) << 16;
        for (const char* name : {"fileprint", "1rightarrow", "ok", "button_cancel", "configure", "fileopen",
                                 "1leftarrow", "viewzoomin", "viewzoomout", "preview"})
            QTest::newRow(qPrintable("preview " + QString(name)))
                << QString(":/16x16/icons/16x16/actions/%1.png").arg(name) << 16;
        QTest::newRow("48x48 login") << ":/icons/48x48/apps/login.png" << 48;
        QTest::newRow("logo3d") << ":/icons/logo3d.png" << 128;
        QTest::newRow("kinetic") << ":/images/kinetic.JPG" << 200;
        QTest::newRow("application icon") << ":/icons/dente.ico" << 32;
        for (const char* name : {"pushbutton",
                                 "pushbutton_hover",
                                 "pushbutton_pressed",
                                 "radiobutton_unchecked",
                                 "radiobutton_unchecked_hover",
                                 "radiobutton_unchecked_pressed",
                                 "radiobutton_checked",
                                 "radiobutton_checked_hover",
                                 "radiobutton_checked_pressed",
                                 "checkbox_unchecked",
                                 "checkbox_unchecked_hover",
                                 "checkbox_unchecked_pressed",
                                 "checkbox_checked",
                                 "checkbox_checked_hover",
                                 "checkbox_checked_pressed",
                                 "spinup",
                                 "spinup_hover",
                                 "spinup_pressed",
                                 "spinup_off",
                                 "spindown",
                                 "spindown_hover",
                                 "spindown_pressed",
                                 "spindown_off",
                                 "up_arrow",
                                 "up_arrow_disabled",
                                 "down_arrow",
                                 "down_arrow_disabled",
                                 "frame",
                                 "sizegrip",
                                 "pagefold"})
            QTest::newRow(name) << QString(":/images/%1.png").arg(name) << 7;
    }

    void windowsFindTheirIcons() {
        QFETCH(QString, path);
        QFETCH(int, minimumSide);
        const QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(path + " is not an embedded picture"));
        QVERIFY(qMin(image.width(), image.height()) >= minimumSide);
        QVERIFY2(hasDrawing(image), qPrintable(path + " is blank"));
    }

    void loginHeaderPictureStaysAbsent() {
        // The login form names a picture that is deliberately not shipped: its header label stays empty.
        QVERIFY(!QFile::exists(":/appicons/login.png"));
        QVERIFY(QImage(":/appicons/login.png").isNull());
    }

    void checkedAndUncheckedIndicatorsDiffer() {
        // A state whose picture is the same as another's would leave the user without feedback.
        const QStringList kinds = {"radiobutton", "checkbox"};
        for (const QString& kind : kinds) {
            const QImage unchecked(":/images/" + kind + "_unchecked.png");
            for (const char* state : {"_checked", "_unchecked_hover", "_unchecked_pressed"})
                QVERIFY2(QImage(":/images/" + kind + state + ".png") != unchecked, qPrintable(kind + QString(state)));
        }
        QVERIFY(QImage(":/images/pushbutton.png") != QImage(":/images/pushbutton_hover.png"));
        QVERIFY(QImage(":/images/pushbutton.png") != QImage(":/images/pushbutton_pressed.png"));
    }

    void everyPictureAFormNamesExists() {
        // Whatever form or source of the program names a resource picture finds it, but for the one
        // deliberately absent.
        const QString src = sourceDir() + "/src";
        QVERIFY2(QFile::exists(src), qPrintable("no source folder at " + src));
        static const QRegularExpression resourcePath("(?:>|\")(:/[^<\"]+\\.(?:png|ico|jpg|JPG))");
        int seen = 0;
        QDirIterator files(src, {"*.ui", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(file.readAll());
            for (const QRegularExpressionMatch& match : resourcePath.globalMatch(text)) {
                const QString path = match.captured(1);
                if (path == ":/appicons/login.png")
                    continue;
                ++seen;
                QVERIFY2(!QImage(path).isNull(), qPrintable(file.fileName() + " names the missing " + path));
            }
        }
        qInfo("%d picture references checked", seen);
    }

    void officeImagesFolderIsDrawn() {
        // The main window's style sheet reads these from the office's images/ folder, a copy of this one.
        const QString dir = binaryDir() + "/artwork/images/";
        for (const char* name :
             {"pagefold.png", "pushbutton.png", "pushbutton_hover.png", "pushbutton_pressed.png", "sizegrip.png"}) {
            const QImage image(dir + name);
            QVERIFY2(!image.isNull(), qPrintable(dir + QString(name)));
            QCOMPARE(image, QImage(":/images/" + QString(name)));
        }
    }
};

KELVORA_TEST(TestArtwork)
#include "test_artwork.moc"
