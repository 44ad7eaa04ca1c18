#pragma once

#include "appointments/gridlayout.h"

#include <QAbstractScrollArea>
#include <QPoint>

class QPainter;

// The drawn grid of the day grid window: slots down, columns across, the column titles and the hours kept
// in sight while the grid scrolls. One cell is current, and in it one of its appointments or none. A
// double click or Return asks to open the cell; dragging an appointment to another cell asks to move it.
class GridCanvas : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit GridCanvas(QWidget* parent = nullptr);

    // Shows the new grid; the appointment that was current stays current where it is still on show.
    void setGridLayout(const GridLayout& layout);
    const GridLayout& gridLayout() const { return grid; }

    int currentColumn() const { return column; }
    int currentSlot() const { return slot; }
    // The current appointment's number, or 0 on a free place of a cell.
    int currentAppointment() const;
    void setCurrent(int column, int slot, int lane = -1);
    bool selectAppointment(int rvNum);

    // Where a cell or a placed appointment lies in the viewport.
    QRect cellRect(int column, int slot) const;
    QRect placeRect(int place) const;

    // Draws the whole grid with its titles at the origin, in the painter's units: on paper.
    static void drawWhole(QPainter& painter, const GridLayout& layout, const QSize& area);

signals:
    void currentChanged();
    // rvNum is 0 for a free place: book there.
    void openRequested(int column, int slot, int rvNum);
    void moveRequested(int rvNum, int column, int slot);
    void dayStepRequested(int days);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    struct Metrics {
        int gutter = 64;
        int header = 40;
        int row = 36;
        int columnWidth = 160;
    };
    struct Hit {
        int column = -1;
        int slot = -1;
        int lane = -1;
    };

    static void drawGrid(QPainter& painter, const GridLayout& layout, const Metrics& metrics, const QRect& visible,
                         int currentColumn, int currentSlot, int currentPlace, int dropColumn, int dropSlot, int parts);
    void updateScrollBars();
    Hit hitAt(const QPoint& point) const;
    int currentPlace() const;
    void ensureCurrentVisible();

    GridLayout grid;
    Metrics metrics;
    int column = 0;
    int slot = 0;
    int lane = -1;
    // A drag: the appointment held, where the press was, and the cell it would land in.
    int draggedRv = 0;
    QPoint pressedAt;
    bool dragging = false;
    int dropColumn = -1;
    int dropSlot = -1;
};
