#include "printing/tdpreviewdialog.h"

#include "ui_tdpreviewdialog.h"

#include "widgets/look.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QHeaderView>
#include <QLocale>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTableView>
#include <QTextDocument>
#include <QTextFrame>
#include <QTreeView>

namespace {

// The height of a plain text in a text item of this font, wrapped at this width (none when negative).
qreal textHeight(const QString& text, const QFont& font, qreal width) {
    QTextDocument document;
    document.setDefaultFont(font);
    document.setPlainText(text);
    document.setTextWidth(width);
    return document.size().height();
}

QPen linePen() {
    return QPen(QBrush(Qt::black), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

QHeaderView* horizontalHeaderOf(QAbstractItemView* view) {
    if (auto* table = qobject_cast<QTableView*>(view))
        return table->horizontalHeader();
    if (auto* tree = qobject_cast<QTreeView*>(view))
        return tree->header();
    return nullptr;
}

int columnWidthOf(QAbstractItemView* view, int column) {
    if (auto* table = qobject_cast<QTableView*>(view))
        return table->columnWidth(column);
    if (auto* tree = qobject_cast<QTreeView*>(view))
        return tree->columnWidth(column);
    return view->sizeHintForColumn(column);
}

// Letter where the system's country uses it (or names none), A4 elsewhere.
bool usesLetterPaper(QLocale::Territory territory) {
    return territory == QLocale::AnyTerritory || territory == QLocale::Canada || territory == QLocale::UnitedStates ||
           territory == QLocale::UnitedStatesMinorOutlyingIslands;
}

} // namespace

TDPreviewDialog::TDPreviewDialog(int prescriptionMode, const PrescriptionData& data, QAbstractItemView* view,
                                 QPrinter* printer, QWidget* parent)
    : QDialog(parent), view(view), printer(printer), prescription(prescriptionMode != 0),
      pageScene(new QGraphicsScene(this)) {
    patientName = data.patientName;
    patientAge = data.patientAge;
    bodyText = data.bodyText;
    drNom = data.drNom;
    ordonnancePied = data.ordonnancePied;
    doctorAddress = data.doctorAddress;
    date = data.date;
    if (prescription) {
        leftMargin = 10;
        rightMargin = 10;
        spacing = 8;
    }
    gridMode = NormalGrid;
    model = view ? view->model() : nullptr;

    printer->setFullPage(true);
    printer->setPageSize(QPageSize(usesLetterPaper(QLocale::system().territory()) ? QPageSize::Letter : QPageSize::A4));
    if (prescription) {
        printer->setPageSize(QPageSize(QPageSize::A5));
        printer->setPageOrientation(QPageLayout::Portrait);
    } else {
        title = tr("Liste des rendez-vous");
        pageLabel = tr("Page: ");
        if (model) {
            for (int column = 0; column < model->columnCount(); ++column)
                columnWidths.append(columnWidthOf(view, column));
        }
    }

    const QFont source = view ? view->font() : QApplication::font();
    titleFont = source;
    titleFont.setPointSize(24);
    titleFont.setWeight(QFont::Normal);
    titleFont.setUnderline(false);
    titleMetrics = QFontMetrics(titleFont);
    headerFont = source;
    headerFont.setWeight(QFont::Bold);
    headerFont.setUnderline(false);
    headerFont.setPointSize(9);
    headerMetrics = QFontMetrics(headerFont);
    bodyFont = source;
    bodyFont.setPointSize(9);
    bodyMetrics = QFontMetrics(bodyFont);

    subtitle = prescription ? drNom : bodyText;
    layoutPages();
}

TDPreviewDialog::~TDPreviewDialog() = default;

void TDPreviewDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    // The form is built when the preview is first run; the printed pages keep their French.
    if (event->type() == QEvent::LanguageChange && ui)
        ui->retranslateUi(this);
}

void TDPreviewDialog::setTitleText(const QString& text) {
    title = text;
}

void TDPreviewDialog::setGrid(Grids grid) {
    gridMode = grid;
}

void TDPreviewDialog::printPages() {
    printer->setFromTo(0, 0);
    printer->setOutputFormat(QPrinter::NativeFormat);
    printer->setOutputFileName(QString());

    QPrintDialog dialog(printer, this);
    dialog.setWindowTitle(tr("Print Document"));
    dialog.setMinMax(1, qMax(1, pages));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (dialog.exec() != QDialog::Accepted)
        return;
    renderToPrinter();
}

void TDPreviewDialog::renderToPrinter() {
    layoutPages();

    // A print system that makes the copies itself gets the document once; otherwise the copies are printed
    // here: collated copies are whole documents one after the other, uncollated ones repeat each page.
    const int copies = qMax(1, printer->copyCount());
    int documentCopies = 1;
    int pageCopies = 1;
    if (!printer->supportsMultipleCopies()) {
        if (printer->collateCopies())
            documentCopies = copies;
        else
            pageCopies = copies;
    }

    int first = printer->fromPage();
    int last = printer->toPage();
    if (first == 0 && last == 0) {
        first = 1;
        last = pages;
    }
    first = qMax(1, first);
    last = qMin(last, pages);
    if (first > last)
        return; // nothing to print: no page at all, or a range past the last page
    int step = 1;
    if (printer->pageOrder() == QPrinter::LastPageFirst) {
        std::swap(first, last);
        step = -1;
    }

    QPainter painter;
    if (!painter.begin(printer))
        return;
    for (int copy = 0; copy < documentCopies; ++copy) {
        for (int page = first;; page += step) {
            for (int repeat = 0; repeat < pageCopies; ++repeat) {
                if (printer->printerState() == QPrinter::Aborted || printer->printerState() == QPrinter::Error) {
                    painter.end();
                    return;
                }
                renderPage(painter, page);
                if (repeat < pageCopies - 1)
                    printer->newPage();
            }
            if (page == last)
                break;
            printer->newPage();
        }
        if (copy < documentCopies - 1)
            printer->newPage();
    }
    painter.end();
    if (ui)
        showPageWithBorder(ui->pageSpinBox->value());
}

void TDPreviewDialog::renderPage(QPainter& painter, int page) {
    drawPage(page);
    pageScene->render(&painter, QRectF(), pageScene->sceneRect(), Qt::KeepAspectRatio);
}

int TDPreviewDialog::run() {
    if (!ui) {
        ui = std::make_unique<Ui::TDPreviewDialog>();
        ui->setupUi(this);
        connect(ui->horizontalSlider, &QSlider::valueChanged, ui->pageSpinBox, &QSpinBox::setValue);
        connect(ui->pageSpinBox, qOverload<int>(&QSpinBox::valueChanged), ui->horizontalSlider, &QSlider::setValue);
        connect(ui->prevToolButton, &QToolButton::clicked, ui->pageSpinBox, &QSpinBox::stepDown);
        connect(ui->nextToolButton, &QToolButton::clicked, ui->pageSpinBox, &QSpinBox::stepUp);
        ui->graphicsView->setScene(pageScene);
        ui->graphicsView->ensureVisible(0, 0, 10, 10, 50, 50);
    }
    refreshPageCount();
    on_pageSpinBox_valueChanged(1);
    // Maximized from the start, but shown by exec(): a window already visible would not become modal.
    setWindowState(windowState() | Qt::WindowMaximized);
    return exec();
}

void TDPreviewDialog::exportToPdf(const QString& suggestedName) {
    QString fileName = QFileDialog::getSaveFileName(this, tr("Export PDF"), suggestedName, QStringLiteral("*.pdf"));
    if (fileName.isEmpty())
        return;
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName.append(QStringLiteral(".pdf"));
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(fileName);
    if (pages < 1)
        return;

    QPainter painter;
    if (!painter.begin(printer))
        return;
    for (int page = 1; page <= pages; ++page) {
        if (page > 1)
            printer->newPage();
        renderPage(painter, page);
    }
    painter.end();
    if (ui)
        showPageWithBorder(ui->pageSpinBox->value());
}

void TDPreviewDialog::on_setupToolButton_clicked() {
    QPageSetupDialog dialog(printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    layoutPages();
    {
        const QSignalBlocker blocker(ui->pageSpinBox);
        ui->pageSpinBox->setValue(1);
    }
    showPageWithBorder(1);
    refreshPageCount();
}

void TDPreviewDialog::on_zoomInToolButton_clicked() {
    ui->graphicsView->scale(1.5, 1.5);
}

void TDPreviewDialog::on_zoomOutToolButton_clicked() {
    ui->graphicsView->scale(0.6666666666666666, 0.6666666666666666);
}

void TDPreviewDialog::on_pageSpinBox_valueChanged(int page) {
    showPageWithBorder(page);
}

void TDPreviewDialog::showPageWithBorder(int page) {
    drawPage(page);
    // The border is only seen in the preview: printing draws the page without it.
    pageScene->addRect(pageScene->sceneRect(), QPen(QBrush(Qt::black), 2, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin),
                       Qt::NoBrush);
}

void TDPreviewDialog::layoutPages() {
    rowHeight = bodyFont.pointSize() + spacing;

    const QRectF paper = printer->paperRect(QPrinter::DevicePixel);
    const qreal width = paper.width() / printer->logicalDpiX() * unitsPerInch;
    const qreal height = paper.height() / printer->logicalDpiY() * unitsPerInch;
    pageScene->setSceneRect(0, 0, width, height);

    // However small the paper, a page holds at least one row, so that every row gets printed.
    rowsOnPage = qMax(1, int((height - topMargin - bottomMargin - headerHeight - footerHeight) / rowHeight) - 3);

    if (prescription) {
        pages = prescriptionPages();
        return;
    }
    if (model) {
        // A database model hands its rows over in blocks: the page count needs all of them.
        while (model->canFetchMore(QModelIndex()))
            model->fetchMore(QModelIndex());
    }
    const int rows = model ? model->rowCount() : 0;
    pages = rows / rowsOnPage + (rows % rowsOnPage ? 1 : 0);
}

void TDPreviewDialog::drawPage(int page) {
    pageScene->clear();
    if (prescription)
        drawPrescriptionPage(page);
    else
        drawTablePage(page);
    pageScene->update();
}

int TDPreviewDialog::printedColumn() const {
    if (!model || model->columnCount() < 2)
        return -1;
    if (QHeaderView* header = horizontalHeaderOf(view))
        return header->logicalIndex(1);
    return 1;
}

void TDPreviewDialog::drawTablePage(int page) {
    const qreal sceneWidth = pageScene->width();
    const qreal sceneHeight = pageScene->height();

    headerFont.setPointSize(16);
    headerMetrics = QFontMetrics(headerFont);
    QGraphicsTextItem* columnTitle = pageScene->addText(tr("Nom et Prénom"), headerFont);
    columnTitle->setPos(leftMargin, topMargin + headerHeight + 2 * spacing);
    // The large header sits one row above the first cell: without its blank top margin it would touch it.
    QTextFrameFormat frame = columnTitle->document()->rootFrame()->frameFormat();
    frame.setTopMargin(0);
    columnTitle->document()->rootFrame()->setFrameFormat(frame);

    const QPen shadePen(QBrush(Qt::gray), 1, Qt::SolidLine);
    const QBrush shadeBrush(Qt::gray);
    const int column = printedColumn();
    const int rows = model ? model->rowCount() : 0;
    const bool grid = gridMode == NormalGrid || gridMode == AlternateWithGrid;
    const bool shade = gridMode == AlternateColor || gridMode == AlternateWithGrid;

    for (int r = 0; r < rowsOnPage && column >= 0; ++r) {
        const int row = rowsOnPage * (page - 1) + r;
        if (row < 0)
            continue;
        if (row >= rows)
            break;
        const int y = 2 * rowHeight + r * rowHeight + topMargin + headerHeight;
        const int width = column < columnWidths.size() ? columnWidths.at(column) : 0;
        const QString text = model->index(row, column).data(Qt::DisplayRole).toString();
        QGraphicsTextItem* cell = pageScene->addText(bodyMetrics.elidedText(text, Qt::ElideRight, width - 8), bodyFont);
        cell->setPos(leftMargin, y);
        const QRectF band(leftMargin, y + qRound(rowHeight / 5.0), width, rowHeight);
        if (grid)
            pageScene->addRect(band, QPen(), Qt::NoBrush);
        if (shade && r % 2 == 0)
            pageScene->addRect(band, shadePen, shadeBrush)->setZValue(-1);
    }

    if (headerHeight > 0) {
        const int y = topMargin + headerHeight;
        pageScene->addLine(leftMargin, y, sceneWidth - rightMargin, y, linePen());
        QGraphicsTextItem* titleItem = pageScene->addText(title, titleFont);
        titleItem->setPos(int(sceneWidth / 2) - titleMetrics.horizontalAdvance(title) / 2,
                          topMargin + (headerHeight / 2 - titleMetrics.height() / 2) - 20);
        QGraphicsTextItem* subtitleItem = pageScene->addText(subtitle, bodyFont);
        subtitleItem->setPos(leftMargin, topMargin + headerHeight - rowHeight - spacing);
    }

    if (footerHeight > 0) {
        const qreal y = sceneHeight - footerHeight - bottomMargin;
        pageScene->addLine(leftMargin, y, sceneWidth - rightMargin, y, linePen());
        QGraphicsTextItem* footer = pageScene->addText(
            pageLabel + QString::number(pages) + QStringLiteral(" / ") + QString::number(page), bodyFont);
        footer->setPos(leftMargin, y + spacing);
    }
}

// Where the prescription's items go. The places are the page's own; a text that wraps (a long name, an
// address on several lines) pushes what stands under it down by its extra lines, so that nothing overlaps.
struct TDPreviewDialog::PrescriptionPlaces {
    qreal doctorY = 0;
    qreal dateY = 0;
    qreal nameY = 0;
    qreal ageY = 0;
    qreal titleY = 0;
    qreal bodyY = 0;
    qreal bodyX = 30;
    qreal bodyWidth = 0;
    qreal bodyHeight = 0; // from the body's top to just above the footer line: one page of body text
    qreal columnX = 0;    // the doctor's address and the date, at the right
    qreal columnWidth = 0;
    qreal doctorWidth = 0;
};

QFont TDPreviewDialog::prescriptionFont(int pointSize) const {
    QFont font = bodyFont;
    font.setFamily(QString::fromLatin1(look::fontFamily));
    font.setPointSize(pointSize);
    return font;
}

TDPreviewDialog::PrescriptionPlaces TDPreviewDialog::placePrescription() const {
    const qreal sceneWidth = pageScene->width();
    const qreal sceneHeight = pageScene->height();
    // The lines a text takes beyond its first, in the height of a text item.
    const auto extra = [this](const QString& text, int pointSize, qreal width) {
        return textHeight(text, prescriptionFont(pointSize), width) -
               textHeight(QStringLiteral("X"), prescriptionFont(pointSize), width);
    };
    PrescriptionPlaces places;
    places.columnX = sceneWidth - 160;
    places.columnWidth = 160 - rightMargin;
    places.doctorWidth = places.columnX - leftMargin - spacing;
    places.doctorY = headerHeight - rowHeight - spacing + topMargin;
    places.dateY = places.doctorY + 50 + extra(doctorAddress, 14, places.columnWidth);
    const qreal dateBottom = places.dateY + textHeight(QStringLiteral("X"), prescriptionFont(14), -1);
    qreal shift = qMax(0.0, dateBottom + spacing - 230);
    places.nameY = 230 + shift;
    shift += extra(nameLine(), 16, 400);
    places.ageY = 260 + shift;
    places.titleY = 300 + shift;
    places.bodyY = 400 + shift;
    // The body keeps clear of both edges, as far from the right one as from the left.
    places.bodyWidth = sceneWidth - 2 * places.bodyX;
    places.bodyHeight = qMax(40.0, sceneHeight - footerHeight - bottomMargin - spacing - places.bodyY);
    return places;
}

QString TDPreviewDialog::nameLine() const {
    return tr("Nom ") + QStringLiteral(":\t") + patientName;
}

// A prescription too long for its page is never cut nor drawn over the footer: it goes on on a next page, under
// the same header and patient, and the preview counts the pages.
int TDPreviewDialog::prescriptionPages() const {
    const PrescriptionPlaces places = placePrescription();
    QTextDocument body;
    body.setDefaultFont(prescriptionFont(12));
    body.setPlainText(bodyText);
    body.setPageSize(QSizeF(places.bodyWidth, places.bodyHeight));
    return qMax(1, body.pageCount());
}

void TDPreviewDialog::drawPrescriptionPage(int page) {
    const qreal sceneWidth = pageScene->width();
    const qreal sceneHeight = pageScene->height();
    const PrescriptionPlaces places = placePrescription();
    auto addText = [this](const QString& text, int pointSize, qreal x, qreal y, qreal textWidth = -1) {
        QGraphicsTextItem* item = pageScene->addText(text, prescriptionFont(pointSize));
        item->setPos(x, y);
        if (textWidth > 0)
            item->setTextWidth(textWidth);
        return item;
    };

    addText(nameLine(), 16, 50, places.nameY, 400);
    addText(QStringLiteral("Age :\t") + QString::number(patientAge) + tr("  ans "), 16, 50, places.ageY, 200);
    addText(tr("ORDONNANCE"), 17, sceneWidth * 0.5 - 70 - 20, places.titleY, 200);

    // The body's lines are laid out in pages of the body's height; this page shows its own page of them, and
    // the frame around it hides the others.
    auto* frame =
        pageScene->addRect(QRectF(places.bodyX, places.bodyY, places.bodyWidth, places.bodyHeight), Qt::NoPen);
    frame->setFlag(QGraphicsItem::ItemClipsChildrenToShape);
    auto* body = new QGraphicsTextItem(frame);
    body->setFont(prescriptionFont(12));
    body->setPlainText(bodyText);
    body->document()->setPageSize(QSizeF(places.bodyWidth, places.bodyHeight));
    body->setPos(places.bodyX, places.bodyY - (page - 1) * places.bodyHeight);

    if (headerHeight > 0) {
        const int y = topMargin + headerHeight;
        pageScene->addLine(leftMargin, y, sceneWidth - rightMargin, y, linePen());
        // The office's name is in the application's own font, not in the prescription's.
        QFont officeFont = titleFont;
        officeFont.setFamily(QApplication::font().family());
        QGraphicsTextItem* office = pageScene->addText(tr("Cabinet dentaire"), officeFont);
        office->setPos(160, headerHeight / 2 - QFontMetrics(officeFont).height() / 2 + topMargin - 20);
        addText(drNom, 14, leftMargin, places.doctorY, places.doctorWidth);
        addText(doctorAddress, 14, places.columnX, places.doctorY + 25, places.columnWidth);
        addText(tr("Le ") + date.date().toString(tr("dd-MM-yyyy")), 14, places.columnX, places.dateY,
                places.columnWidth);
    }

    if (footerHeight > 0) {
        const qreal y = sceneHeight - footerHeight - bottomMargin;
        pageScene->addLine(leftMargin, y, sceneWidth - rightMargin, y, linePen());
        addText(ordonnancePied, 14, leftMargin, y + spacing, sceneWidth - leftMargin - rightMargin);
    }
}

void TDPreviewDialog::refreshPageCount() {
    if (!ui)
        return; // the form comes with run()
    // An empty list still shows its first page, with the header and footer only.
    const int last = qMax(1, pages);
    ui->pageSpinBox->setPrefix(QString::number(pages) + QStringLiteral(" / "));
    ui->pageSpinBox->setMaximum(last);
    ui->horizontalSlider->setMaximum(last);
}
