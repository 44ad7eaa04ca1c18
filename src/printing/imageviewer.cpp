#include "printing/imageviewer.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QScrollArea>
#include <QScrollBar>

namespace {
constexpr double zoomInFactor = 1.25;
constexpr double zoomOutFactor = 0.8;
constexpr double largestScale = 3.0;
constexpr double smallestScale = 0.333;
} // namespace

ImageViewer::ImageViewer(const QString& title, const QImage& image) {
    imageLabel = new QLabel;
    imageLabel->setObjectName(QStringLiteral("imageLabel"));
    imageLabel->setBackgroundRole(QPalette::Base);
    imageLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    imageLabel->setScaledContents(true);

    scrollArea = new QScrollArea(this);
    scrollArea->setObjectName(QStringLiteral("scrollArea"));
    scrollArea->setBackgroundRole(QPalette::Dark);
    scrollArea->setWidget(imageLabel);
    setCentralWidget(scrollArea);

    createActions();
    createMenus();
    retranslate();

    setWindowTitle(title);
    resize(500, 400);

    imageLabel->setPixmap(QPixmap::fromImage(image));
    imageLabel->adjustSize();
    scaleFactor = 1.0;
    printAct->setEnabled(true);
    updateActions();
    if (!fitToWindowAct->isChecked())
        imageLabel->adjustSize();
    fitToWindowAct->setEnabled(true);
    fitToWindowAct->trigger();
}

void ImageViewer::createActions() {
    openAct = new QAction(this);
    openAct->setObjectName(QStringLiteral("openAct"));
    openAct->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(openAct, &QAction::triggered, this, &ImageViewer::open);

    printAct = new QAction(this);
    printAct->setObjectName(QStringLiteral("printAct"));
    printAct->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    printAct->setEnabled(false);
    connect(printAct, &QAction::triggered, this, &ImageViewer::print);

    exitAct = new QAction(this);
    exitAct->setObjectName(QStringLiteral("exitAct"));
    exitAct->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(exitAct, &QAction::triggered, this, &QWidget::close);

    zoomInAct = new QAction(this);
    zoomInAct->setObjectName(QStringLiteral("zoomInAct"));
    zoomInAct->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Plus));
    zoomInAct->setEnabled(false);
    connect(zoomInAct, &QAction::triggered, this, &ImageViewer::zoomIn);

    zoomOutAct = new QAction(this);
    zoomOutAct->setObjectName(QStringLiteral("zoomOutAct"));
    zoomOutAct->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    zoomOutAct->setEnabled(false);
    connect(zoomOutAct, &QAction::triggered, this, &ImageViewer::zoomOut);

    normalSizeAct = new QAction(this);
    normalSizeAct->setObjectName(QStringLiteral("normalSizeAct"));
    normalSizeAct->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    normalSizeAct->setEnabled(false);
    connect(normalSizeAct, &QAction::triggered, this, &ImageViewer::normalSize);

    fitToWindowAct = new QAction(this);
    fitToWindowAct->setObjectName(QStringLiteral("fitToWindowAct"));
    fitToWindowAct->setEnabled(false);
    fitToWindowAct->setCheckable(true);
    fitToWindowAct->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    connect(fitToWindowAct, &QAction::triggered, this, &ImageViewer::fitToWindow);
}

void ImageViewer::retranslate() {
    openAct->setText(tr("&Ouvrir..."));
    printAct->setText(tr("&Imprimer..."));
    exitAct->setText(tr("&Quitter"));
    zoomInAct->setText(tr("Zoom &In (25%)"));
    zoomOutAct->setText(tr("Zoom &Out (25%)"));
    normalSizeAct->setText(tr("&Taille Normal"));
    fitToWindowAct->setText(tr("&Taille de la fenêtre"));
    fileMenu->setTitle(tr("&Fichier"));
    viewMenu->setTitle(tr("&Aperçu"));
}

void ImageViewer::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void ImageViewer::createMenus() {
    fileMenu = new QMenu(this);
    fileMenu->setObjectName(QStringLiteral("fileMenu"));
    fileMenu->addAction(openAct);
    fileMenu->addAction(printAct);
    fileMenu->addSeparator();
    fileMenu->addAction(exitAct);

    viewMenu = new QMenu(this);
    viewMenu->setObjectName(QStringLiteral("viewMenu"));
    viewMenu->addAction(zoomInAct);
    viewMenu->addAction(zoomOutAct);
    viewMenu->addAction(normalSizeAct);
    viewMenu->addSeparator();
    viewMenu->addAction(fitToWindowAct);

    menuBar()->addMenu(fileMenu);
    menuBar()->addMenu(viewMenu);
}

void ImageViewer::open() {
    const QString fileName = QFileDialog::getOpenFileName(this, tr("Open File"), QDir::currentPath());
    if (fileName.isEmpty())
        return;
    const QImage image(fileName);
    if (image.isNull()) {
        QMessageBox::information(this, tr("Image Viewer"), tr("Cannot load %1.").arg(fileName));
        return;
    }
    imageLabel->setPixmap(QPixmap::fromImage(image));
    scaleFactor = 1.0;
    printAct->setEnabled(true);
    fitToWindowAct->setEnabled(true);
    updateActions();
    if (!fitToWindowAct->isChecked())
        imageLabel->adjustSize();
}

void ImageViewer::print() {
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        printTo(&printer);
}

void ImageViewer::printTo(QPrinter* target) {
    const QPixmap pixmap = imageLabel->pixmap();
    if (pixmap.isNull())
        return;
    QPainter painter;
    if (!painter.begin(target))
        return;
    const QRect viewport = painter.viewport();
    const QSize size = pixmap.size().scaled(viewport.size(), Qt::KeepAspectRatio);
    painter.setViewport(viewport.x(), viewport.y(), size.width(), size.height());
    painter.setWindow(pixmap.rect());
    painter.drawPixmap(0, 0, pixmap);
    painter.end();
}

void ImageViewer::zoomIn() {
    scaleImage(zoomInFactor);
}

void ImageViewer::zoomOut() {
    scaleImage(zoomOutFactor);
}

void ImageViewer::normalSize() {
    imageLabel->adjustSize();
    scaleFactor = 1.0;
}

void ImageViewer::fitToWindow() {
    const bool fit = fitToWindowAct->isChecked();
    scrollArea->setWidgetResizable(fit);
    if (!fit)
        normalSize();
    updateActions();
}

void ImageViewer::updateActions() {
    const bool free = !fitToWindowAct->isChecked();
    zoomInAct->setEnabled(free);
    zoomOutAct->setEnabled(free);
    normalSizeAct->setEnabled(free);
}

void ImageViewer::scaleImage(double factor) {
    scaleFactor *= factor;
    imageLabel->resize(imageLabel->pixmap().size() * scaleFactor);
    // Keep the centre of the view where it was.
    adjustScrollBar(scrollArea->horizontalScrollBar(), factor);
    adjustScrollBar(scrollArea->verticalScrollBar(), factor);
    zoomInAct->setEnabled(scaleFactor < largestScale);
    zoomOutAct->setEnabled(scaleFactor > smallestScale);
}

void ImageViewer::adjustScrollBar(QScrollBar* scrollBar, double factor) {
    scrollBar->setValue(qRound(factor * scrollBar->value() + (factor - 1) * scrollBar->pageStep() / 2));
}
