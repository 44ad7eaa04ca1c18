#include "testsupport.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>

using testsupport::TempOffice;

// The style sheets the windows dress themselves with, applied to real widgets and looked at.
class TestStyles : public QObject {
    Q_OBJECT

private:
    static QString styleSheet(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    static QString artworkImages() {
        const QString dir = qEnvironmentVariable("KELVORA_BINARY_DIR");
        return (dir.isEmpty() ? QCoreApplication::applicationDirPath() + "/.." : dir) + "/artwork/images";
    }

    struct MainWindowSample {
        QMainWindow window;
        QPushButton* button = nullptr;
        QComboBox* combo = nullptr;
        QLabel* label = nullptr;
        MainWindowSample() {
            auto* central = new QWidget(&window);
            auto* layout = new QVBoxLayout(central);
            label = new QLabel("Patient : ", central);
            button = new QPushButton("&Nouveau", central);
            combo = new QComboBox(central);
            combo->addItems({"SOINS", "PROTHESE", "TOUS"});
            auto* password = new QLineEdit(central);
            password->setEchoMode(QLineEdit::Password);
            password->setText("secret");
            password->setObjectName("password");
            layout->addWidget(label);
            layout->addWidget(button);
            layout->addWidget(combo);
            layout->addWidget(password);
            layout->addStretch();
            window.setCentralWidget(central);
            window.setStyleSheet(styleSheet(":/styles/mainwindow.qss"));
            window.resize(360, 260);
        }
    };

private slots:
    void mainWindowSheetDrawsWithTheOfficeImages() {
        TempOffice office;
        QVERIFY(office.isValid());
        for (const QString& name : QDir(artworkImages()).entryList({"*.png"}))
            QVERIFY(QFile::copy(artworkImages() + "/" + name, office.dir() + "/images/" + name));

        MainWindowSample sample;
        QVERIFY(!sample.window.styleSheet().isEmpty());
        sample.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sample.window));
        testsupport::grabToFile(&sample.window, "style-mainwindow");
        const QImage shot = sample.window.centralWidget()->grab().toImage();

        QCOMPARE(shot.pixelColor(4, shot.height() - 4), QColor(242, 242, 245));
        // The page fold at the top right corner.
        QVERIFY(shot.pixelColor(shot.width() - 3, 3) != QColor(242, 242, 245));
        // The button is framed by its picture: its outline is the picture's, not the platform's.
        const QImage button = sample.button->grab().toImage();
        const QImage picture(":/images/pushbutton.png");
        QCOMPARE(button.pixelColor(button.width() / 2, 0), picture.pixelColor(picture.width() / 2, 0));
        // Labels have no background of their own.
        const QRect label = sample.label->geometry();
        QCOMPARE(shot.pixelColor(label.center().x(), label.bottom() - 1), QColor(242, 242, 245));
    }

    void mainWindowSheetWithoutImagesStillDraws() {
        TempOffice office; // its images/ folder is empty
        MainWindowSample sample;
        sample.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sample.window));
        testsupport::grabToFile(&sample.window, "style-mainwindow-without-images");
        const QImage shot = sample.window.centralWidget()->grab().toImage();
        QCOMPARE(shot.pixelColor(shot.width() - 3, 3), QColor(242, 242, 245));
        QVERIFY(sample.button->isVisible() && sample.button->height() > 10);
    }

    void loginSheetUsesEmbeddedPictures() {
        QDialog dialog;
        auto* layout = new QVBoxLayout(&dialog);
        auto* here = new QRadioButton("Sur cette machine ", &dialog);
        auto* there = new QRadioButton("Sur une autre machine ", &dialog);
        auto* ok = new QPushButton("&Ok", &dialog);
        ok->setIcon(QIcon(":/icons/standardbutton-apply-32.png"));
        layout->addWidget(here);
        layout->addWidget(there);
        layout->addWidget(ok);
        here->setChecked(true);
        dialog.setStyleSheet(styleSheet(":/styles/login.qss"));
        QVERIFY(!dialog.styleSheet().isEmpty());
        dialog.resize(300, 160);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        testsupport::grabToFile(&dialog, "style-login");

        const QImage button = ok->grab().toImage();
        const QImage picture(":/images/pushbutton.png");
        QCOMPARE(button.pixelColor(button.width() / 2, 0), picture.pixelColor(picture.width() / 2, 0));
        // The checked indicator carries the blue dot of its picture, the unchecked one none.
        const auto hasDot = [](QRadioButton* radio) {
            const QImage image = radio->grab().toImage();
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < 16 && x < image.width(); ++x)
                    if (image.pixelColor(x, y) == QColor(0x2f, 0x7e, 0xd8))
                        return true;
            return false;
        };
        QVERIFY(hasDot(here));
        QVERIFY(!hasDot(there));
    }
};

KELVORA_TEST(TestStyles)
#include "test_styles.moc"
