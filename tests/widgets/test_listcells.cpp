#include "testsupport.h"

#include "widgets/dateformatdelegate.h"
#include "widgets/delegate.h"
#include "widgets/listcells.h"
#include "widgets/shownlanguage.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyle>
#include <QTest>
#include <QTranslator>

// How list cells show amounts, dates and stored words.
class TestListCells : public QObject {
    Q_OBJECT

private:
    // One cell painted as a table view with word wrap (the toolkit's default) hands it to its delegate.
    static QImage paintCell(QStyledItemDelegate* delegate, const QModelIndex& index, int width) {
        QImage image(width, 30, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QStyleOptionViewItem option;
        option.rect = image.rect();
        option.palette = QApplication::palette();
        option.font = QApplication::font();
        option.fontMetrics = QFontMetrics(option.font);
        option.state = QStyle::State_Enabled;
        option.features = QStyleOptionViewItem::WrapText;
        option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
        QPainter painter(&image);
        delegate->paint(&painter, option, index);
        return image;
    }

    // The right-most column that holds anything but white.
    static int lastInkColumn(const QImage& image) {
        for (int x = image.width() - 1; x >= 0; --x)
            for (int y = 0; y < image.height(); ++y)
                if (image.pixelColor(x, y) != QColor(Qt::white))
                    return x;
        return -1;
    }

    static int textMargin() { return QApplication::style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1; }

private slots:
    void amountsRightAlignedAndNeverCutIntoAnotherNumber() {
        QStandardItemModel model(1, 3);
        model.setData(model.index(0, 0), 1000);
        model.setData(model.index(0, 1), 100);
        model.setData(model.index(0, 2), 5);
        AmountDelegate amount;
        Delegate balance;
        for (QStyledItemDelegate* delegate : std::initializer_list<QStyledItemDelegate*>{&amount, &balance}) {
            // The units stand at the right edge of the cell.
            QVERIFY(lastInkColumn(paintCell(delegate, model.index(0, 2), 200)) > 180);
            // A cell just wide enough for 100 does not show 1000 as 100.
            const int narrow = QFontMetrics(QApplication::font()).horizontalAdvance("100") + 2 * textMargin();
            QVERIFY(paintCell(delegate, model.index(0, 0), narrow) != paintCell(delegate, model.index(0, 1), narrow));
        }
        QVERIFY(listcells::isAmountColumn("SommeDePayement") && listcells::isAmountColumn("reste"));
        QVERIFY(!listcells::isAmountColumn("Acte"));
    }

    void datesAndStoredWordsFollowTheLanguage() {
        const QDateTime monday(QDate(2024, 1, 1), QTime(9, 30));
        DateFormatDelegate dates("dddd dd-MM-yyyy HH:mm");
        QCOMPARE(dates.displayText(monday, QLocale()), QString("lundi 01-01-2024 09:30"));
        QCOMPARE(dates.shortText(monday), QString("lun. 01-01-2024 09:30"));
        QCOMPARE(shownlanguage::storedWord("En attente"), QString("En attente"));

        QTranslator english;
        QVERIFY(english.load(":/kelvora_en.qm"));
        QApplication::installTranslator(&english);
        QCOMPARE(dates.displayText(monday, QLocale()), QString("Monday 01-01-2024 09:30"));
        QCOMPARE(dates.shortText(monday), QString("Mon 01-01-2024 09:30"));
        QCOMPARE(shownlanguage::storedWord("En attente"), QString("Waiting"));
        QCOMPARE(shownlanguage::storedWord("PROTHESE"), QString("PROSTHESIS"));
        QCOMPARE(shownlanguage::storedWord("Dr Benali"), QString("Dr Benali"));

        // Too narrow for the day's whole name, the cell shows the short form whole.
        QStandardItemModel model(1, 2);
        model.setData(model.index(0, 0), monday);
        model.setData(model.index(0, 1), dates.shortText(monday));
        QStyledItemDelegate plain;
        const int narrow =
            QFontMetrics(QApplication::font()).horizontalAdvance(dates.shortText(monday)) + 2 * textMargin() + 6;
        QCOMPARE(paintCell(&dates, model.index(0, 0), narrow), paintCell(&plain, model.index(0, 1), narrow));
        QApplication::removeTranslator(&english);
    }
};

KELVORA_TEST(TestListCells)
#include "test_listcells.moc"
