#include "testsupport.h"

#include "printing/tdpreviewdialog.h"
#include "printingtestutils.h"

#include "data/listmodel.h"
#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QGraphicsView>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QSqlTableModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <vector>

using namespace printingtest;

namespace {

// An appointment-like list: date, name, state; the name is the column shown second.
struct AppointmentList {
    explicit AppointmentList(int rows) : model(rows, 3) {
        for (int row = 0; row < rows; ++row) {
            model.setItem(row, 0,
                          new QStandardItem(QStringLiteral("05-03-2024 09:%1").arg(row % 60, 2, 10, QChar('0'))));
            model.setItem(row, 1, new QStandardItem(name(row)));
            model.setItem(row, 2, new QStandardItem(QStringLiteral("En attente")));
        }
        view.setModel(&model);
    }
    static QString name(int row) { return QStringLiteral("Patient %1").arg(row + 1, 3, 10, QChar('0')); }

    QStandardItemModel model;
    QTableView view;
    QPrinter printer{QPrinter::HighResolution};
};

PrescriptionData dateLine() {
    PrescriptionData data;
    data.bodyText = QStringLiteral("05/03/2024");
    return data;
}

// 100 x 165 mm paper holds twenty rows of the list.
void useTwentyRowPaper(QPrinter& printer) {
    printer.setPageSize(QPageSize(QSizeF(100, 165), QPageSize::Millimeter, QStringLiteral("twenty rows")));
}

QList<QGraphicsRectItem*> rectItems(QGraphicsScene* scene, bool filled) {
    QList<QGraphicsRectItem*> rects;
    for (QGraphicsItem* item : scene->items())
        if (auto* rect = qgraphicsitem_cast<QGraphicsRectItem*>(item))
            if ((rect->brush().style() != Qt::NoBrush) == filled)
                rects << rect;
    std::sort(rects.begin(), rects.end(),
              [](QGraphicsRectItem* a, QGraphicsRectItem* b) { return a->rect().y() < b->rect().y(); });
    return rects;
}

QStringList rowTexts(QGraphicsScene* scene) {
    QStringList rows;
    for (const QString& text : texts(scene))
        if (text.startsWith(QStringLiteral("Patient")) || text.startsWith(QStringLiteral("05-03")) ||
            text == QStringLiteral("En attente"))
            rows << text;
    return rows;
}

} // namespace

class TestPreviewTable : public QObject {
    Q_OBJECT

private slots:
    void pageCountFollowsRowsPerPage_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("pages");
        QTest::newRow("25 rows") << 25 << 2;
        QTest::newRow("40 rows") << 40 << 2;
        QTest::newRow("41 rows") << 41 << 3;
        QTest::newRow("20 rows") << 20 << 1;
        QTest::newRow("empty") << 0 << 0;
    }
    void pageCountFollowsRowsPerPage() {
        QFETCH(int, rows);
        QFETCH(int, pages);
        AppointmentList list(rows);
        TDPreviewDialog preview(0, dateLine(), &list.view, &list.printer);
        useTwentyRowPaper(list.printer);
        preview.layoutPages();
        QCOMPARE(preview.rowsPerPage(), 20);
        QCOMPARE(preview.pageCount(), pages);
    }

    void emptyListShowsOnlyTheBands() {
        AppointmentList list(0);
        TDPreviewDialog preview(0, dateLine(), &list.view, &list.printer);
        preview.drawPage(1);
        QVERIFY(rowTexts(preview.scene()).isEmpty());
        QVERIFY(findText(preview.scene(), QStringLiteral("Page: 0 / 1")));
        QVERIFY(findText(preview.scene(), QStringLiteral("Liste des rendez-vous")));
    }

    void pageLayoutOfASecondPage() {
        AppointmentList list(41);
        TDPreviewDialog preview(0, dateLine(), &list.view, &list.printer);
        useTwentyRowPaper(list.printer);
        preview.layoutPages();
        preview.drawPage(2);
        QGraphicsScene* scene = preview.scene();
        const qreal height = scene->height();
        const qreal width = scene->width();
        QVERIFY(qAbs(width - 393.7) < 1); // 100 x 165 mm, give or take the rounding of the paper to points
        QVERIFY(qAbs(height - 649.6) < 1);

        // The rows of page 2, from the 21st on, 19 units apart (9 pt body + 10 spacing), under the bands.
        const QStringList rows = rowTexts(scene);
        QCOMPARE(rows.size(), 20);
        QCOMPARE(rows.first(), AppointmentList::name(20));
        QCOMPARE(rows.last(), AppointmentList::name(39));
        QCOMPARE(findText(scene, AppointmentList::name(20))->pos(), QPointF(80, 138));
        QCOMPARE(findText(scene, AppointmentList::name(21))->pos(), QPointF(80, 157));
        QCOMPARE(findText(scene, AppointmentList::name(20))->font().pointSize(), 9);

        QGraphicsTextItem* column = findText(scene, QStringLiteral("Nom et Prénom"));
        QVERIFY(column);
        QCOMPARE(column->pos(), QPointF(80, 120));
        QCOMPARE(column->font().pointSize(), 16);
        QVERIFY(column->font().bold());

        // The total first, then the current page.
        QGraphicsTextItem* footer = findText(scene, QStringLiteral("Page: 3 / 2"));
        QVERIFY(footer);
        QCOMPARE(footer->pos(), QPointF(80, height - 100 + 10));

        QGraphicsTextItem* title = findText(scene, QStringLiteral("Liste des rendez-vous"));
        QVERIFY(title);
        QCOMPARE(title->font().pointSize(), 24);
        const QFontMetrics titleMetrics(title->font());
        QCOMPARE(title->pos().x(), qreal(int(width / 2) - titleMetrics.horizontalAdvance(title->toPlainText()) / 2));
        QCOMPARE(title->pos().y(), qreal(40 + (30 - titleMetrics.height() / 2) - 20));
        QGraphicsTextItem* subtitle = findText(scene, QStringLiteral("05/03/2024"));
        QVERIFY(subtitle);
        QCOMPARE(subtitle->pos(), QPointF(80, 71));

        QList<qreal> lineHeights;
        for (QGraphicsItem* item : scene->items())
            if (auto* line = qgraphicsitem_cast<QGraphicsLineItem*>(item)) {
                QCOMPARE(line->line().x1(), 80.0);
                QCOMPARE(line->line().x2(), width - 80);
                lineHeights << line->line().y1();
            }
        std::sort(lineHeights.begin(), lineHeights.end());
        QCOMPARE(lineHeights, (QList<qreal>{100, height - 100}));

        preview.drawPage(3);
        QCOMPARE(rowTexts(scene), QStringList{AppointmentList::name(40)});
        QVERIFY(findText(scene, QStringLiteral("Page: 3 / 3")));
    }

    void onlyTheColumnAtVisualPositionOneIsPrinted() {
        AppointmentList list(5);
        TDPreviewDialog preview(0, dateLine(), &list.view, &list.printer);
        preview.drawPage(1);
        QCOMPARE(rowTexts(preview.scene()),
                 (QStringList{AppointmentList::name(0), AppointmentList::name(1), AppointmentList::name(2),
                              AppointmentList::name(3), AppointmentList::name(4)}));

        // The state column dragged into second place is printed instead of the names.
        list.view.horizontalHeader()->moveSection(2, 1);
        preview.drawPage(1);
        QCOMPARE(rowTexts(preview.scene()), QStringList(5, QStringLiteral("En attente")));
    }

    void longTextsAreElided() {
        AppointmentList list(2);
        const QString longName = QStringLiteral("Benali Mohamed Amine Abdelkader Ben Youcef El Hadj");
        list.model.item(0, 1)->setText(longName);
        list.view.setColumnWidth(1, 120);
        TDPreviewDialog preview(0, dateLine(), &list.view, &list.printer);
        preview.drawPage(1);
        const QStringList rows = rowTexts(preview.scene());
        QCOMPARE(rows.size(), 1); // the elided name no longer starts with "Patient"
        QVERIFY(!findText(preview.scene(), longName));
        QGraphicsTextItem* elided = nullptr;
        for (QGraphicsTextItem* item : textItems(preview.scene()))
            if (item->toPlainText().startsWith(QStringLiteral("Benali")))
                elided = item;
        QVERIFY(elided);
        QVERIFY(elided->toPlainText().endsWith(QChar(0x2026)));
        QVERIFY(QFontMetrics(elided->font()).horizontalAdvance(elided->toPlainText()) <= 112);
        QCOMPARE(rows.first(), AppointmentList::name(1)); // short enough to stay whole
    }

    void gridModes() {
        AppointmentList list(25);
        list.view.setColumnWidth(1, 150);
        TDPreviewDialog preview(0, dateLine(), &list.view, &list.printer);
        useTwentyRowPaper(list.printer);
        preview.layoutPages();
        QGraphicsScene* scene = preview.scene();

        // The constructor's grid: a border round each cell, nothing shaded.
        preview.drawPage(1);
        QList<QGraphicsRectItem*> cells = rectItems(scene, false);
        QCOMPARE(cells.size(), 20);
        QCOMPARE(cells.first()->rect(), QRectF(80, 138 + 4, 150, 19));
        QCOMPARE(cells.at(1)->rect(), QRectF(80, 157 + 4, 150, 19));
        QVERIFY(rectItems(scene, true).isEmpty());

        preview.setGrid(TDPreviewDialog::AlternateColor);
        preview.drawPage(1);
        QVERIFY(rectItems(scene, false).isEmpty());
        QList<QGraphicsRectItem*> shaded = rectItems(scene, true);
        QCOMPARE(shaded.size(), 10);
        for (int i = 0; i < shaded.size(); ++i) {
            QCOMPARE(shaded.at(i)->rect(), QRectF(80, 138 + 2 * i * 19 + 4, 150, 19)); // rows 0, 2, 4 ...
            QCOMPARE(shaded.at(i)->brush().color(), QColor(Qt::gray));
            QCOMPARE(shaded.at(i)->zValue(), -1.0);
        }
        // Shading starts again on the next page: its first row is shaded too.
        preview.drawPage(2);
        shaded = rectItems(scene, true);
        QCOMPARE(shaded.size(), 3);
        QCOMPARE(shaded.first()->rect().y(), 138.0 + 4);

        preview.setGrid(TDPreviewDialog::AlternateWithGrid);
        preview.drawPage(2);
        QCOMPARE(rectItems(scene, false).size(), 5);
        QCOMPARE(rectItems(scene, true).size(), 3);

        preview.setGrid(TDPreviewDialog::NoGrid);
        preview.drawPage(2);
        QVERIFY(rectItems(scene, false).isEmpty());
        QVERIFY(rectItems(scene, true).isEmpty());
        QCOMPARE(QMetaEnum::fromType<TDPreviewDialog::Grids>().valueToKey(3), "AlternateWithGrid");
    }

    void paperTooSmallForAnyRowStillPrintsOneRowAPage() {
        AppointmentList list(7);
        TDPreviewDialog preview(0, dateLine(), &list.view, &list.printer);
        list.printer.setPageSize(QPageSize(QSizeF(100, 60), QPageSize::Millimeter, QStringLiteral("tiny")));
        preview.layoutPages();
        QCOMPARE(preview.rowsPerPage(), 1);
        QCOMPARE(preview.pageCount(), 7);
        preview.drawPage(7);
        QCOMPARE(rowTexts(preview.scene()), QStringList{AppointmentList::name(6)});
    }

    void databaseListCountsEveryRow() {
        testsupport::TempOffice office;
        QVERIFY(office.isValid());
        QVERIFY(office.exec(QStringLiteral("insert into Patients (Nom, Age) with recursive n(i) as (select 1 union all "
                                           "select i + 1 from n where i < 300) select 'Patient ' || i, 30 from n")));
        QSqlTableModel model;
        model.setTable(QStringLiteral("Patients"));
        model.setSort(0, Qt::AscendingOrder);
        QVERIFY(model.select());
        // The model hands its rows over in blocks from a file; a server sends them all at once.
        QVERIFY(model.rowCount() < 300 || !testsupport::serverLocation().isEmpty());
        QTableView view;
        view.setModel(&model);
        QPrinter printer(QPrinter::HighResolution);
        TDPreviewDialog preview(0, dateLine(), &view, &printer);
        useTwentyRowPaper(printer);
        preview.layoutPages();
        QCOMPARE(preview.pageCount(), 15);
        preview.drawPage(15);
        QVERIFY(findText(preview.scene(), QStringLiteral("Patient 300")));
    }

    void pageSetupLaysThePagesOutAgain() {
        AppointmentList list(100);
        TDPreviewDialog preview(0, dateLine(), &list.view, &list.printer);
        list.printer.setPageSize(QPageSize(QPageSize::A4));
        preview.layoutPages();

        std::vector<std::unique_ptr<testsupport::ModalAnswer>> setups;
        int valueAfterCancel = 0, valueAfterAccept = 0;
        QString footerAfterCancel, footerAfterAccept, prefixAfterAccept;
        auto answer = std::make_unique<testsupport::ModalAnswer>([&](QWidget* widget) {
            auto* spin = widget->findChild<QSpinBox*>(QStringLiteral("pageSpinBox"));
            auto* setup = widget->findChild<QToolButton*>(QStringLiteral("setupToolButton"));
            auto* scene = qobject_cast<TDPreviewDialog*>(widget)->scene();
            spin->setValue(2);
            setups.push_back(testsupport::rejectNextDialog());
            QTest::mouseClick(setup, Qt::LeftButton);
            valueAfterCancel = spin->value();
            footerAfterCancel = texts(scene).filter(QStringLiteral("Page: ")).join(QLatin1Char('|'));

            // Accepted (the paper became smaller meanwhile): laid out again, back on page 1.
            list.printer.setPageSize(QPageSize(QSizeF(100, 165), QPageSize::Millimeter, QStringLiteral("small")));
            setups.push_back(std::make_unique<testsupport::ModalAnswer>([](QWidget* shown) {
                if (auto* dialog = qobject_cast<QDialog*>(shown))
                    dialog->accept();
            }));
            QTest::mouseClick(setup, Qt::LeftButton);
            valueAfterAccept = spin->value();
            prefixAfterAccept = spin->prefix();
            footerAfterAccept = texts(scene).filter(QStringLiteral("Page: ")).join(QLatin1Char('|'));
            QTest::mouseClick(widget->findChild<QPushButton*>(QStringLiteral("cancelPushButton")), Qt::LeftButton);
        });
        preview.run();
        QVERIFY(answer->answered());
        QCOMPARE(setups.size(), size_t(2));
        QVERIFY(setups.at(0)->answered() && setups.at(1)->answered());
        QCOMPARE(valueAfterCancel, 2);
        QCOMPARE(footerAfterCancel, QStringLiteral("Page: 3 / 2"));
        QCOMPARE(valueAfterAccept, 1);
        QCOMPARE(prefixAfterAccept, QString::number(preview.pageCount()) + QStringLiteral(" / "));
        QCOMPARE(footerAfterAccept, QStringLiteral("Page: %1 / 1").arg(preview.pageCount()));
    }

    void previewWindow() {
        AppointmentList list(100);
        QPrinter& printer = list.printer;
        TDPreviewDialog preview(0, dateLine(), &list.view, &printer);
        preview.setGrid(TDPreviewDialog::NoGrid);
        printer.setPageSize(QPageSize(QPageSize::A4));
        preview.layoutPages();
        QCOMPARE(preview.pageCount(), 3);

        QString prefix, footerAfterNext, footerAfterLast, footerAfterPrev, title;
        int maximum = 0, sliderMaximum = 0, borders = 0;
        qreal zoomedIn = 0, zoomedOut = 0;
        bool maximized = false;
        auto answer = std::make_unique<testsupport::ModalAnswer>([&](QWidget* widget) {
            auto* dialog = qobject_cast<TDPreviewDialog*>(widget);
            if (!dialog)
                return;
            title = dialog->windowTitle();
            maximized = dialog->isMaximized();
            auto* spin = dialog->findChild<QSpinBox*>(QStringLiteral("pageSpinBox"));
            auto* slider = dialog->findChild<QSlider*>(QStringLiteral("horizontalSlider"));
            auto* view = dialog->findChild<QGraphicsView*>(QStringLiteral("graphicsView"));
            prefix = spin->prefix();
            maximum = spin->maximum();
            sliderMaximum = slider->maximum();
            for (QGraphicsItem* item : dialog->scene()->items())
                if (auto* rect = qgraphicsitem_cast<QGraphicsRectItem*>(item))
                    if (rect->rect() == dialog->scene()->sceneRect() && rect->pen().width() == 2)
                        ++borders;

            auto* next = dialog->findChild<QToolButton*>(QStringLiteral("nextToolButton"));
            auto* prev = dialog->findChild<QToolButton*>(QStringLiteral("prevToolButton"));
            QTest::mouseClick(next, Qt::LeftButton);
            footerAfterNext = texts(dialog->scene()).filter(QStringLiteral("Page: ")).join(QLatin1Char('|'));
            testsupport::grabToFile(dialog, QStringLiteral("preview-list-page2"));
            slider->setValue(3);
            footerAfterLast = texts(dialog->scene()).filter(QStringLiteral("Page: ")).join(QLatin1Char('|'));
            QTest::mouseClick(prev, Qt::LeftButton);
            footerAfterPrev = texts(dialog->scene()).filter(QStringLiteral("Page: ")).join(QLatin1Char('|'));

            QTest::mouseClick(dialog->findChild<QToolButton*>(QStringLiteral("zoomInToolButton")), Qt::LeftButton);
            zoomedIn = view->transform().m11();
            QTest::mouseClick(dialog->findChild<QToolButton*>(QStringLiteral("zoomOutToolButton")), Qt::LeftButton);
            zoomedOut = view->transform().m11();
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("okPushButton")), Qt::LeftButton);
        });
        QCOMPARE(preview.run(), int(QDialog::Accepted));
        QVERIFY(answer->answered());
        QCOMPARE(title, QStringLiteral("Aperçu avant l'impression"));
        QVERIFY(maximized);
        QCOMPARE(prefix, QStringLiteral("3 / "));
        QCOMPARE(maximum, 3);
        QCOMPARE(sliderMaximum, 3);
        QCOMPARE(borders, 1);
        QCOMPARE(footerAfterNext, QStringLiteral("Page: 3 / 2"));
        QCOMPARE(footerAfterLast, QStringLiteral("Page: 3 / 3"));
        QCOMPARE(footerAfterPrev, QStringLiteral("Page: 3 / 2"));
        QCOMPARE(zoomedIn, 1.5);
        QVERIFY(qAbs(zoomedOut - 1.0) < 1e-9);

        // Cancel rejects; the form is built once however often the preview runs.
        auto cancel = std::make_unique<testsupport::ModalAnswer>([](QWidget* widget) {
            QTest::mouseClick(widget->findChild<QPushButton*>(QStringLiteral("cancelPushButton")), Qt::LeftButton);
        });
        QCOMPARE(preview.run(), int(QDialog::Rejected));
        QCOMPARE(preview.findChildren<QGraphicsView*>().size(), 1);
    }
};

KELVORA_TEST(TestPreviewTable)
#include "test_previewtable.moc"
