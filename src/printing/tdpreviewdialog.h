#pragma once

#include "printing/prescriptiondata.h"

#include <QDateTime>
#include <QDialog>
#include <QFont>
#include <QFontMetrics>
#include <QVector>

#include <memory>

class QAbstractItemModel;
class QAbstractItemView;
class QGraphicsScene;
class QPrinter;

namespace Ui {
class TDPreviewDialog;
}

// Lays printed pages out on a graphics scene, one page at a time, shows them in a preview with page
// navigation and zoom, and renders the same scene on the printer. Two modes: a paginated list of one column
// of an item view (mode 0), or one A5 prescription page (mode 1).
class TDPreviewDialog : public QDialog {
    Q_OBJECT

public:
    enum Grids { NoGrid = 0, NormalGrid = 1, AlternateColor = 2, AlternateWithGrid = 3 };
    Q_ENUM(Grids)

    TDPreviewDialog(int prescriptionMode, const PrescriptionData& data, QAbstractItemView* view, QPrinter* printer,
                    QWidget* parent = nullptr);
    ~TDPreviewDialog() override;

    int pageCount() const { return pages; }
    int rowsPerPage() const { return rowsOnPage; }
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
    void drawTablePage(int page);
    struct PrescriptionPlaces;
    PrescriptionPlaces placePrescription() const;
    QFont prescriptionFont(int pointSize) const;
    QString nameLine() const;
    int prescriptionPages() const;
    void drawPrescriptionPage(int page);
    void renderPage(QPainter& painter, int page);
    void showPageWithBorder(int page);
    int printedColumn() const;

    std::unique_ptr<Ui::TDPreviewDialog> ui; // built by run(): the constructor only lays the pages out
    QAbstractItemView* view = nullptr;
    QPrinter* printer = nullptr;
    Grids gridMode = NormalGrid;
    int rowsOnPage = 1;
    int pages = 0;

    bool prescription = false;
    int leftMargin = 80;
    int rightMargin = 80;
    int topMargin = 40;
    int bottomMargin = 40;
    int spacing = 10;
    int headerHeight = 60;
    int footerHeight = 60;
    int unitsPerInch = 100;
    int rowHeight = 0;

    QString title;
    QString pageLabel;
    QVector<int> columnWidths;
    QAbstractItemModel* model = nullptr;
    QGraphicsScene* pageScene = nullptr;

    QFont titleFont;
    QFontMetrics titleMetrics{titleFont};
    QFont headerFont;
    QFontMetrics headerMetrics{headerFont};
    QFont bodyFont;
    QFontMetrics bodyMetrics{bodyFont};

    QString subtitle;
    QString patientName;
    int patientAge = 0;
    QString bodyText;
    QString drNom;
    QString ordonnancePied;
    QString doctorAddress;
    QDateTime date;
};
