#pragma once

#include "printing/prescriptiondata.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QMargins>
#include <QVector>

class QAbstractItemModel;
class QAbstractItemView;
class QGraphicsScene;
class QPrinter;

// The printed pages, laid out on a graphics scene one page at a time: a paginated list of one column of an
// item view, or an A5 prescription (on more pages when its text is long). Whoever shows or prints them only
// renders the scene. Its texts belong to the print preview's catalogue context.
class PrintedPages {
    Q_DECLARE_TR_FUNCTIONS(TDPreviewDialog)

public:
    PrintedPages(bool isPrescription, const PrescriptionData& data, QAbstractItemView* listView,
                 QGraphicsScene* pageScene);

    void setTitle(const QString& text) { title = text; }
    // Lines around the list's cells, and a grey band behind every other row.
    void setGrid(bool lines, bool shadedRows);

    // Sizes the scene to the printer's paper and counts the pages.
    void layOut(const QPrinter& printer);
    // Draws the page (from 1) on the emptied scene.
    void draw(int page);

    int pageCount() const { return pages; }
    int rowsPerPage() const { return rowsOnPage; }

private:
    struct PrescriptionPlaces;

    void drawTablePage(int page);
    int printedColumn() const;
    PrescriptionPlaces placePrescription() const;
    QFont prescriptionFont(int pointSize) const;
    QString nameLine() const;
    QString printedBody(qreal width) const;
    int prescriptionPages() const;
    void drawPrescriptionPage(int page);

    QAbstractItemView* view = nullptr;
    QAbstractItemModel* model = nullptr;
    QGraphicsScene* scene = nullptr;
    bool prescription = false;
    bool gridLines = true;
    bool shadedRows = false;
    int rowsOnPage = 1;
    int pages = 0;

    // In hundredths of an inch, as the whole page.
    QMargins margins{80, 40, 80, 40};
    int spacing = 10;
    int rowHeight = 0;

    QString title;
    QString pageLabel;
    QVector<int> columnWidths;

    QFont titleFont;
    QFontMetrics titleMetrics{titleFont};
    QFont headerFont;
    QFontMetrics headerMetrics{headerFont};
    QFont bodyFont;
    QFontMetrics bodyMetrics{bodyFont};

    PrescriptionData content; // the prescription, or the list's subtitle in bodyText
    QString subtitle;
};
