#pragma once

#include <QMainWindow>
#include <QPrinter>

class QAction;
class QImage;
class QLabel;
class QMenu;
class QScrollArea;
class QScrollBar;

// A free-standing window showing one image (a radiograph) with zoom, fit-to-window and printing; it can also
// open another image file.
class ImageViewer : public QMainWindow {
    Q_OBJECT

public:
    ImageViewer(const QString& title, const QImage& image);

    double currentScale() const { return scaleFactor; }
    // Paints the image on an already configured printer, as large as the page allows, proportions kept.
    void printTo(QPrinter* target);

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void open();
    void print();
    void zoomIn();
    void zoomOut();
    void normalSize();
    void fitToWindow();

private:
    void createActions();
    void createMenus();
    void retranslate();
    void updateActions();
    void scaleImage(double factor);
    void adjustScrollBar(QScrollBar* scrollBar, double factor);

    QLabel* imageLabel = nullptr;
    QScrollArea* scrollArea = nullptr;
    double scaleFactor = 1.0;
    QPrinter printer{QPrinter::ScreenResolution};

    QAction* openAct = nullptr;
    QAction* printAct = nullptr;
    QAction* exitAct = nullptr;
    QAction* zoomInAct = nullptr;
    QAction* zoomOutAct = nullptr;
    QAction* normalSizeAct = nullptr;
    QAction* fitToWindowAct = nullptr;

    QMenu* fileMenu = nullptr;
    QMenu* viewMenu = nullptr;
};
