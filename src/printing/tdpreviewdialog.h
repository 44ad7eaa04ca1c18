#pragma once

#include "printing/prescriptiondata.h"
#include "printing/printedpages.h"

#include <QDialog>

#include <memory>

class QAbstractItemView;
class QGraphicsScene;
class QPainter;
class QPrinter;

namespace Ui {
class TDPreviewDialog;
}

// Shows the printed pages (laid out by PrintedPages) in a preview with page navigation and zoom, and renders
// the same scene on the printer or into a PDF. Two modes: a paginated list of one column of an item view
// (mode 0), or an A5 prescription (mode 1).
class TDPreviewDialog : public QDialog {
    Q_OBJECT

public:
    enum Grids { NoGrid = 0, NormalGrid = 1, AlternateColor = 2, AlternateWithGrid = 3 };
    Q_ENUM(Grids)

    TDPreviewDialog(int prescriptionMode, const PrescriptionData& data, QAbstractItemView* view, QPrinter* printer,
                    QWidget* parent = nullptr);
    ~TDPreviewDialog() override;

    int pageCount() const { return pages->pageCount(); }
    int rowsPerPage() const { return pages->rowsPerPage(); }
    QGraphicsScene* scene() const { return pageScene; }

    // Lays the pages out again and renders them on the printer as it is set now (page range, copies,
    // collation, page order), without asking anything: the second half of printPages().
    void renderToPrinter();

public slots:
    virtual void setTitleText(const QString& text);
    virtual void setGrid(Grids grid);
    virtual void printPages();
    virtual int run();
    virtual void exportToPdf(const QString& suggestedName);

protected:
    void changeEvent(QEvent* event) override;

private slots:
    virtual void on_setupToolButton_clicked();
    virtual void on_zoomInToolButton_clicked();
    virtual void on_zoomOutToolButton_clicked();
    virtual void on_pageSpinBox_valueChanged(int page);

public slots:
    virtual void layoutPages();
    virtual void drawPage(int page);
    virtual void refreshPageCount();

private:
    void renderPage(QPainter& painter, int page);
    void showPageWithBorder(int page);

    std::unique_ptr<Ui::TDPreviewDialog> ui; // built by run(): the constructor only lays the pages out
    QPrinter* printer = nullptr;
    QGraphicsScene* pageScene = nullptr;
    std::unique_ptr<PrintedPages> pages;
};
