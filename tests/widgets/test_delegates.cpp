#include "testsupport.h"

#include "widgets/dateformatdelegate.h"
#include "widgets/delegate.h"
#include "widgets/delegate2.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>

class TestDelegates : public QObject {
    Q_OBJECT

private:
    // Paints one cell of the model with the delegate into a white picture.
    static QImage paintCell(QStyledItemDelegate* delegate, const QModelIndex& index) {
        QImage image(240, 40, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QStyleOptionViewItem option;
        option.rect = image.rect();
        option.palette = QApplication::palette();
        option.font = QApplication::font();
        option.font.setPointSize(22);
        option.font.setBold(true);
        option.state = QStyle::State_Enabled;
        option.locale = QLocale();
        QPainter painter(&image);
        delegate->paint(&painter, option, index);
        return image;
    }

    static int pixelsOf(const QImage& image, QColor color) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == color)
                    ++count;
        return count;
    }

    static QString textColorName(const QImage& image) {
        const QList<QPair<QString, QColor>> colors = {{"red", QColor(Qt::red)},
                                                      {"green", QColor(Qt::green)},
                                                      {"blue", QColor(Qt::blue)},
                                                      {"darkgreen", QColor(0, 200, 0)}};
        QStringList found;
        for (const auto& [name, color] : colors)
            if (pixelsOf(image, color) > 10)
                found << name;
        return found.join(',');
    }

    static QList<QStandardItem*> row(const QStringList& texts) {
        QList<QStandardItem*> items;
        for (const QString& text : texts)
            items << new QStandardItem(text);
        return items;
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English)); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::system()); }

    void datesReadInFrenchWhateverTheLocale() {
        DateFormatDelegate day("dddd dd-MM-yyyy");
        QCOMPARE(day.displayText(QString("2024-01-01T09:30:00"), QLocale()), QString("lundi 01-01-2024"));
        QCOMPARE(day.displayText(QString("2024-01-01"), QLocale(QLocale::English)), QString("lundi 01-01-2024"));
        DateFormatDelegate full("dddd dd-MM-yyyy HH:mm:ss");
        QCOMPARE(full.displayText(QDateTime(QDate(2025, 8, 17), QTime(14, 5, 9)), QLocale()),
                 QString("dimanche 17-08-2025 14:05:09"));
        DateFormatDelegate month("dd MMMM yyyy");
        QCOMPARE(month.displayText(QString("2025-02-03T00:00:00"), QLocale()), QString("03 février 2025"));
        QCOMPARE(day.displayText(QString("pas une date"), QLocale()), QString());
    }

    void datesColouredAgainstToday() {
        const QDateTime now = QDateTime::currentDateTime();
        QStandardItemModel model;
        model.appendRow(row({"1", now.addDays(1).toString(Qt::ISODate), "x"}));
        model.appendRow(row({"2", now.toString(Qt::ISODate), "x"}));
        model.appendRow(row({"3", now.addDays(-1).toString(Qt::ISODate), "x"}));
        model.appendRow(row({"4", "", "x"}));
        model.appendRow(row({"5", "31-31-2020", "x"}));
        DateFormatDelegate delegate("dd-MM-yyyy", 1);
        QCOMPARE(textColorName(paintCell(&delegate, model.index(0, 1))), QString("darkgreen"));
        QCOMPARE(textColorName(paintCell(&delegate, model.index(1, 1))), QString("blue"));
        QCOMPARE(textColorName(paintCell(&delegate, model.index(2, 1))), QString("red"));
        // Nothing is drawn for an empty or unreadable date, but its colour is red.
        QCOMPARE(textColorName(paintCell(&delegate, model.index(3, 1))), QString());
        QCOMPARE(textColorName(paintCell(&delegate, model.index(4, 1))), QString());

        // Only the colour column is coloured; -1 colours nothing.
        DateFormatDelegate other("dd-MM-yyyy", 2);
        QCOMPARE(textColorName(paintCell(&other, model.index(0, 1))), QString());
        DateFormatDelegate none("dd-MM-yyyy");
        QCOMPARE(textColorName(paintCell(&none, model.index(2, 1))), QString());
    }

    void balanceColouredBySign() {
        QStandardItemModel model;
        for (const char* text : {"1500", "0", "-200", "", "12.5", "abc"})
            model.appendRow(row({QString(text)}));
        Delegate delegate;
        QCOMPARE(textColorName(paintCell(&delegate, model.index(0, 0))), QString("red"));
        QCOMPARE(textColorName(paintCell(&delegate, model.index(1, 0))), QString("green"));
        QCOMPARE(textColorName(paintCell(&delegate, model.index(2, 0))), QString("blue"));
        QCOMPARE(textColorName(paintCell(&delegate, model.index(4, 0))), QString("green"));
        QCOMPARE(textColorName(paintCell(&delegate, model.index(5, 0))), QString("green"));
    }

    void appointmentBackgroundByRowState() {
        QStandardItemModel model;
        model.appendRow(row({"10:00", "Benali", "En attente"}));
        model.appendRow(row({"10:30", "Haddad", "Présent"}));
        model.appendRow(row({"11:00", "Kaci", "Absent"}));
        Delegate2 delegate;
        const QColor waiting = QColor(255, 0, 0, 200);
        // Column 2 decides, whichever column is painted.
        for (int column : {0, 2}) {
            const QImage a = paintCell(&delegate, model.index(0, column));
            QColor corner = a.pixelColor(1, 1);
            QCOMPARE(corner.red(), 255);
            QVERIFY(corner.green() < 60 && corner.blue() < 60);
            const QImage b = paintCell(&delegate, model.index(1, column));
            corner = b.pixelColor(1, 1);
            QCOMPARE(corner.green(), 255);
            QVERIFY(corner.red() < 60 && corner.blue() < 60);
            const QImage c = paintCell(&delegate, model.index(2, column));
            QCOMPARE(c.pixelColor(1, 1), QColor(Qt::white));
        }
        // The fill is the translucent colour itself.
        QImage transparent(10, 10, QImage::Format_ARGB32);
        transparent.fill(Qt::transparent);
        {
            QPainter painter(&transparent);
            QStyleOptionViewItem option;
            option.rect = transparent.rect();
            delegate.paint(&painter, option, model.index(0, 1));
        }
        QCOMPARE(transparent.pixelColor(0, 0), waiting);

        // The text is centred.
        const QImage text = paintCell(&delegate, model.index(2, 1));
        int left = text.width(), right = 0;
        for (int y = 0; y < text.height(); ++y)
            for (int x = 0; x < text.width(); ++x)
                if (text.pixelColor(x, y) != QColor(Qt::white)) {
                    left = qMin(left, x);
                    right = qMax(right, x);
                }
        QVERIFY(right > left);
        QVERIFY(qAbs((text.width() - 1 - right) - left) <= 4);
    }

    void appointmentListOnScreen() {
        const QDateTime now = QDateTime::currentDateTime();
        QStandardItemModel model;
        model.setHorizontalHeaderLabels({"Date", "Nom", "Etat", "Reste"});
        model.appendRow(row({now.addDays(1).toString(Qt::ISODate), "Benali", "En attente", "1500"}));
        model.appendRow(row({now.toString(Qt::ISODate), "Haddad", "Présent", "0"}));
        model.appendRow(row({now.addDays(-3).toString(Qt::ISODate), "Kaci", "Absent", "-200"}));
        QTableView view;
        view.setModel(&model);
        view.setItemDelegateForColumn(0, new DateFormatDelegate("dddd dd-MM-yyyy HH:mm", 0, &view));
        view.setItemDelegateForColumn(2, new Delegate2(&view));
        view.setItemDelegateForColumn(3, new Delegate(&view));
        view.resize(640, 160);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.resizeColumnsToContents();
        const QString path = testsupport::grabToFile(&view, "delegates_list");
        QVERIFY(QFile::exists(path));
        // The tomorrow cell reads in French.
        const QString shown = qobject_cast<QStyledItemDelegate*>(view.itemDelegateForColumn(0))
                                  ->displayText(model.index(0, 0).data(), QLocale());
        const QStringList frenchDays = {"lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi", "dimanche"};
        QCOMPARE(shown.section(' ', 0, 0), frenchDays.at(now.addDays(1).date().dayOfWeek() - 1));
    }
};

KELVORA_TEST(TestDelegates)
#include "test_delegates.moc"
