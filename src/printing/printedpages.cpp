#include "printing/printedpages.h"

#include "widgets/look.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QApplication>
#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QHeaderView>
#include <QPrinter>
#include <QTableView>
#include <QTextDocument>
#include <QTextFrame>
#include <QTreeView>

namespace {

// The page's header and footer bands and the scene's unit, a hundredth of an inch.
constexpr int headerHeight = 60;
constexpr int footerHeight = 60;
constexpr int unitsPerInch = 100;

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

} // namespace

PrintedPages::PrintedPages(bool isPrescription, const PrescriptionData& data, QAbstractItemView* listView,
                           QGraphicsScene* pageScene)
    : view(listView), model(listView ? listView->model() : nullptr), scene(pageScene), prescription(isPrescription),
      content(data) {
    if (prescription) {
        margins.setLeft(10);
        margins.setRight(10);
        spacing = 8;
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

    subtitle = prescription ? content.drNom : content.bodyText;
}

void PrintedPages::setGrid(bool lines, bool shaded) {
    gridLines = lines;
    shadedRows = shaded;
}

void PrintedPages::layOut(const QPrinter& printer) {
    rowHeight = bodyFont.pointSize() + spacing;

    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const qreal width = paper.width() / printer.logicalDpiX() * unitsPerInch;
    const qreal height = paper.height() / printer.logicalDpiY() * unitsPerInch;
    scene->setSceneRect(0, 0, width, height);

    // However small the paper, a page holds at least one row, so that every row gets printed.
    rowsOnPage =
        qMax(1, int((height - margins.top() - margins.bottom() - headerHeight - footerHeight) / rowHeight) - 3);

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

void PrintedPages::draw(int page) {
    scene->clear();
    if (prescription)
        drawPrescriptionPage(page);
    else
        drawTablePage(page);
    scene->update();
}

int PrintedPages::printedColumn() const {
    if (!model || model->columnCount() < 2)
        return -1;
    if (QHeaderView* header = horizontalHeaderOf(view))
        return header->logicalIndex(1);
    return 1;
}

void PrintedPages::drawTablePage(int page) {
    const qreal sceneWidth = scene->width();
    const qreal sceneHeight = scene->height();

    headerFont.setPointSize(16);
    headerMetrics = QFontMetrics(headerFont);
    QGraphicsTextItem* columnTitle = scene->addText(tr("Nom et Prénom"), headerFont);
    columnTitle->setPos(margins.left(), margins.top() + headerHeight + 2 * spacing);
    // The large header sits one row above the first cell: without its blank top margin it would touch it.
    QTextFrameFormat frame = columnTitle->document()->rootFrame()->frameFormat();
    frame.setTopMargin(0);
    columnTitle->document()->rootFrame()->setFrameFormat(frame);

    const QPen shadePen(QBrush(Qt::gray), 1, Qt::SolidLine);
    const QBrush shadeBrush(Qt::gray);
    const int column = printedColumn();
    const int rows = model ? model->rowCount() : 0;

    for (int r = 0; r < rowsOnPage && column >= 0; ++r) {
        const int row = rowsOnPage * (page - 1) + r;
        if (row < 0)
            continue;
        if (row >= rows)
            break;
        const int y = 2 * rowHeight + r * rowHeight + margins.top() + headerHeight;
        const int width = column < columnWidths.size() ? columnWidths.at(column) : 0;
        const QString text = model->index(row, column).data(Qt::DisplayRole).toString();
        QGraphicsTextItem* cell = scene->addText(bodyMetrics.elidedText(text, Qt::ElideRight, width - 8), bodyFont);
        cell->setPos(margins.left(), y);
        const QRectF band(margins.left(), y + qRound(rowHeight / 5.0), width, rowHeight);
        if (gridLines)
            scene->addRect(band, QPen(), Qt::NoBrush);
        if (shadedRows && r % 2 == 0)
            scene->addRect(band, shadePen, shadeBrush)->setZValue(-1);
    }

    const int headerY = margins.top() + headerHeight;
    scene->addLine(margins.left(), headerY, sceneWidth - margins.right(), headerY, linePen());
    QGraphicsTextItem* titleItem = scene->addText(title, titleFont);
    titleItem->setPos(int(sceneWidth / 2) - titleMetrics.horizontalAdvance(title) / 2,
                      margins.top() + (headerHeight / 2 - titleMetrics.height() / 2) - 20);
    QGraphicsTextItem* subtitleItem = scene->addText(subtitle, bodyFont);
    subtitleItem->setPos(margins.left(), margins.top() + headerHeight - rowHeight - spacing);

    const qreal footerY = sceneHeight - footerHeight - margins.bottom();
    scene->addLine(margins.left(), footerY, sceneWidth - margins.right(), footerY, linePen());
    QGraphicsTextItem* footer =
        scene->addText(pageLabel + QString::number(pages) + QStringLiteral(" / ") + QString::number(page), bodyFont);
    footer->setPos(margins.left(), footerY + spacing);
}

// Where the prescription's items go. The places are the page's own; a text that wraps (a long name, an
// address on several lines) pushes what stands under it down by its extra lines, so that nothing overlaps.
struct PrintedPages::PrescriptionPlaces {
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

QFont PrintedPages::prescriptionFont(int pointSize) const {
    QFont font = bodyFont;
    font.setFamily(QString::fromLatin1(look::fontFamily));
    font.setPointSize(pointSize);
    return font;
}

PrintedPages::PrescriptionPlaces PrintedPages::placePrescription() const {
    const qreal sceneWidth = scene->width();
    const qreal sceneHeight = scene->height();
    // The lines a text takes beyond its first, in the height of a text item.
    const auto extra = [this](const QString& text, int pointSize, qreal width) {
        return textHeight(text, prescriptionFont(pointSize), width) -
               textHeight(QStringLiteral("X"), prescriptionFont(pointSize), width);
    };
    PrescriptionPlaces places;
    places.columnX = sceneWidth - 160;
    places.columnWidth = 160 - margins.right();
    places.doctorWidth = places.columnX - margins.left() - spacing;
    places.doctorY = headerHeight - rowHeight - spacing + margins.top();
    places.dateY = places.doctorY + 50 + extra(content.doctorAddress, 14, places.columnWidth);
    const qreal dateBottom = places.dateY + textHeight(QStringLiteral("X"), prescriptionFont(14), -1);
    qreal shift = qMax(0.0, dateBottom + spacing - 230);
    places.nameY = 230 + shift;
    shift += extra(nameLine(), 16, 400);
    places.ageY = 260 + shift;
    places.titleY = 300 + shift;
    places.bodyY = 400 + shift;
    // The body keeps clear of both edges, as far from the right one as from the left.
    places.bodyWidth = sceneWidth - 2 * places.bodyX;
    places.bodyHeight = qMax(40.0, sceneHeight - footerHeight - margins.bottom() - spacing - places.bodyY);
    return places;
}

QString PrintedPages::nameLine() const {
    return tr("Nom ") + QStringLiteral(":\t") + content.patientName;
}

// A drug line picked from the list is a row of tab-separated columns (drug, strength, form, dose, quantity).
// When it is too long for the page it wraps at the tabs only, so that a dose such as "1 cp 3 fois par jour"
// stays whole on its line; a column wider than the whole line still wraps between its words.
QString PrintedPages::printedBody(qreal width) const {
    const QFontMetricsF metrics(prescriptionFont(12));
    QStringList lines = content.bodyText.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (!line.contains(QLatin1Char('\t')))
            continue;
        QStringList columns = line.split(QLatin1Char('\t'));
        for (QString& column : columns) {
            if (metrics.horizontalAdvance(column) < width)
                column.replace(QLatin1Char(' '), QChar::Nbsp);
        }
        line = columns.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n'));
}

// A prescription too long for its page is never cut nor drawn over the footer: it goes on on a next page, under
// the same header and patient, and the preview counts the pages.
int PrintedPages::prescriptionPages() const {
    const PrescriptionPlaces places = placePrescription();
    QTextDocument body;
    body.setDefaultFont(prescriptionFont(12));
    body.setPlainText(printedBody(places.bodyWidth - 2 * body.documentMargin()));
    body.setPageSize(QSizeF(places.bodyWidth, places.bodyHeight));
    return qMax(1, body.pageCount());
}

void PrintedPages::drawPrescriptionPage(int page) {
    const qreal sceneWidth = scene->width();
    const qreal sceneHeight = scene->height();
    const PrescriptionPlaces places = placePrescription();
    auto addText = [this](const QString& text, int pointSize, qreal x, qreal y, qreal textWidth = -1) {
        QGraphicsTextItem* item = scene->addText(text, prescriptionFont(pointSize));
        item->setPos(x, y);
        if (textWidth > 0)
            item->setTextWidth(textWidth);
        return item;
    };

    addText(nameLine(), 16, 50, places.nameY, 400);
    addText(QStringLiteral("Age :\t") + QString::number(content.patientAge) + tr("  ans "), 16, 50, places.ageY, 200);
    addText(tr("ORDONNANCE"), 17, sceneWidth * 0.5 - 70 - 20, places.titleY, 200);

    // The body's lines are laid out in pages of the body's height; this page shows its own page of them, and
    // the frame around it hides the others.
    auto* frame = scene->addRect(QRectF(places.bodyX, places.bodyY, places.bodyWidth, places.bodyHeight), Qt::NoPen);
    frame->setFlag(QGraphicsItem::ItemClipsChildrenToShape);
    auto* body = new QGraphicsTextItem(frame);
    body->setFont(prescriptionFont(12));
    body->setPlainText(printedBody(places.bodyWidth - 2 * body->document()->documentMargin()));
    body->document()->setPageSize(QSizeF(places.bodyWidth, places.bodyHeight));
    body->setPos(places.bodyX, places.bodyY - (page - 1) * places.bodyHeight);

    const int headerY = margins.top() + headerHeight;
    scene->addLine(margins.left(), headerY, sceneWidth - margins.right(), headerY, linePen());
    // The office's name is in the application's own font, not in the prescription's.
    QFont officeFont = titleFont;
    officeFont.setFamily(QApplication::font().family());
    QGraphicsTextItem* office = scene->addText(tr("Cabinet dentaire"), officeFont);
    office->setPos(160, headerHeight / 2 - QFontMetrics(officeFont).height() / 2 + margins.top() - 20);
    addText(content.drNom, 14, margins.left(), places.doctorY, places.doctorWidth);
    addText(content.doctorAddress, 14, places.columnX, places.doctorY + 25, places.columnWidth);
    addText(tr("Le ") + content.date.date().toString(tr("dd-MM-yyyy")), 14, places.columnX, places.dateY,
            places.columnWidth);

    const qreal footerY = sceneHeight - footerHeight - margins.bottom();
    scene->addLine(margins.left(), footerY, sceneWidth - margins.right(), footerY, linePen());
    addText(content.ordonnancePied, 14, margins.left(), footerY + spacing,
            sceneWidth - margins.left() - margins.right());
}
