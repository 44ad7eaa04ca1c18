#include "printing/tdpreviewdialog.h"

#include "ui_tdpreviewdialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QLocale>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace {

// Letter where the system's country uses it (or names none), A4 elsewhere.
bool usesLetterPaper(QLocale::Territory territory) {
    return territory == QLocale::AnyTerritory || territory == QLocale::Canada || territory == QLocale::UnitedStates ||
           territory == QLocale::UnitedStatesMinorOutlyingIslands;
}

} // namespace

TDPreviewDialog::TDPreviewDialog(int prescriptionMode, const PrescriptionData& content, QAbstractItemView* view,
                                 QPrinter* target, QWidget* parent)
    : QDialog(parent), printer(target), pageScene(new QGraphicsScene(this)),
      pages(std::make_unique<PrintedPages>(prescriptionMode != 0, content, view, pageScene)) {
    printer->setFullPage(true);
    printer->setPageSize(QPageSize(usesLetterPaper(QLocale::system().territory()) ? QPageSize::Letter : QPageSize::A4));
    if (prescriptionMode != 0) {
        printer->setPageSize(QPageSize(QPageSize::A5));
        printer->setPageOrientation(QPageLayout::Portrait);
    }
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
    pages->setTitle(text);
}

void TDPreviewDialog::setGrid(Grids grid) {
    pages->setGrid(grid == NormalGrid || grid == AlternateWithGrid,
                   grid == AlternateColor || grid == AlternateWithGrid);
}

void TDPreviewDialog::printPages() {
    printer->setFromTo(0, 0);
    printer->setOutputFormat(QPrinter::NativeFormat);
    printer->setOutputFileName(QString());

    QPrintDialog dialog(printer, this);
    dialog.setWindowTitle(tr("Print Document"));
    dialog.setMinMax(1, qMax(1, pages->pageCount()));
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
        last = pages->pageCount();
    }
    first = qMax(1, first);
    last = qMin(last, pages->pageCount());
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
    const int count = pages->pageCount();
    if (count < 1)
        return;

    QPainter painter;
    if (!painter.begin(printer))
        return;
    for (int page = 1; page <= count; ++page) {
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
    pages->layOut(*printer);
}

void TDPreviewDialog::drawPage(int page) {
    pages->draw(page);
}

void TDPreviewDialog::refreshPageCount() {
    if (!ui)
        return; // the form comes with run()
    // An empty list still shows its first page, with the header and footer only.
    const int last = qMax(1, pages->pageCount());
    ui->pageSpinBox->setPrefix(QString::number(pages->pageCount()) + QStringLiteral(" / "));
    ui->pageSpinBox->setMaximum(last);
    ui->horizontalSlider->setMaximum(last);
}
