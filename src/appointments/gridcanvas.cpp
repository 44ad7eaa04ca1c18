#include "appointments/gridcanvas.h"

#include "widgets/statecolours.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>

namespace {

enum Part { Body = 1, Header = 2, Gutter = 4, Corner = 8, Everything = 15 };

// Narrower columns scroll sideways rather than crush the names.
constexpr int minimumColumnWidth = 150;
const QColor overlapColour(230, 120, 0);
const QColor currentColour(40, 90, 220);
const QColor hourLine(150, 150, 150);
const QColor slotLine(220, 220, 220);
const QColor headerBackground(235, 238, 245);

QString columnTitle(const GridLayout& layout, int column, bool withDay) {
    const GridLayout::Column& c = layout.columns().at(column);
    const QString doctor = c.doctor.isEmpty() ? GridCanvas::tr("Sans médecin") : c.doctor;
    if (!withDay)
        return doctor;
    return QLocale().toString(c.day, QStringLiteral("ddd dd-MM")) + QLatin1Char('\n') + doctor;
}

} // namespace

GridCanvas::GridCanvas(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    // Always there, so that the columns share a width that does not change with the scroll bar.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setMouseTracking(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    const int line = fontMetrics().height();
    metrics.row = line * 2 + 6;
    metrics.header = line * 2 + 8;
    metrics.gutter = fontMetrics().horizontalAdvance(QStringLiteral("00:00")) + 16;
}

void GridCanvas::setGridLayout(const GridLayout& layout) {
    const int kept = currentAppointment();
    grid = layout;
    column = std::clamp(column, 0, std::max(0, int(grid.columns().size()) - 1));
    slot = std::clamp(slot, 0, std::max(0, grid.slotCount() - 1));
    lane = -1;
    if (!(kept && selectAppointment(kept)) && !grid.at(column, slot).isEmpty())
        lane = 0;
    dragging = false;
    draggedRv = 0;
    updateScrollBars();
    ensureCurrentVisible();
    viewport()->update();
    emit currentChanged();
}

int GridCanvas::currentPlace() const {
    const QVector<int> cell = grid.at(column, slot);
    return lane >= 0 && lane < cell.size() ? cell.at(lane) : -1;
}

int GridCanvas::currentAppointment() const {
    const int place = currentPlace();
    return place < 0 ? 0 : grid.appointments().at(grid.placed().at(place).appointment).rvNum;
}

void GridCanvas::setCurrent(int newColumn, int newSlot, int newLane) {
    if (grid.columns().isEmpty() || grid.slotCount() == 0)
        return;
    column = std::clamp(newColumn, 0, int(grid.columns().size()) - 1);
    slot = std::clamp(newSlot, 0, grid.slotCount() - 1);
    const int count = int(grid.at(column, slot).size());
    lane = count == 0 ? -1 : std::clamp(newLane, -1, count - 1);
    ensureCurrentVisible();
    viewport()->update();
    emit currentChanged();
}

bool GridCanvas::selectAppointment(int rvNum) {
    const int place = grid.placeOf(rvNum);
    if (place < 0)
        return false;
    const GridLayout::Placed& placed = grid.placed().at(place);
    setCurrent(placed.column, placed.slot, placed.lane);
    return true;
}

QRect GridCanvas::cellRect(int c, int s) const {
    return QRect(metrics.gutter + c * metrics.columnWidth - horizontalScrollBar()->value(),
                 metrics.header + s * metrics.row - verticalScrollBar()->value(), metrics.columnWidth, metrics.row);
}

QRect GridCanvas::placeRect(int place) const {
    const GridLayout::Placed& placed = grid.placed().at(place);
    const QRect cell = cellRect(placed.column, placed.slot).adjusted(2, 2, -2, -2);
    const int width = cell.width() / placed.lanes;
    return QRect(cell.left() + placed.lane * width, cell.top(), width - (placed.lanes > 1 ? 2 : 0), cell.height());
}

void GridCanvas::updateScrollBars() {
    const int columns = int(grid.columns().size());
    const int available = viewport()->width() - metrics.gutter;
    metrics.columnWidth = columns > 0 ? std::max(minimumColumnWidth, available / columns) : minimumColumnWidth;
    const int width = metrics.gutter + columns * metrics.columnWidth;
    const int height = metrics.header + grid.slotCount() * metrics.row;
    horizontalScrollBar()->setRange(0, std::max(0, width - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    verticalScrollBar()->setRange(0, std::max(0, height - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setSingleStep(metrics.row);
}

void GridCanvas::ensureCurrentVisible() {
    const QRect cell = cellRect(column, slot);
    const QRect body = viewport()->rect().adjusted(metrics.gutter, metrics.header, 0, 0);
    if (cell.top() < body.top())
        verticalScrollBar()->setValue(verticalScrollBar()->value() - (body.top() - cell.top()));
    else if (cell.bottom() > body.bottom())
        verticalScrollBar()->setValue(verticalScrollBar()->value() + (cell.bottom() - body.bottom()));
    if (cell.left() < body.left())
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - (body.left() - cell.left()));
    else if (cell.right() > body.right())
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + (cell.right() - body.right()));
}

GridCanvas::Hit GridCanvas::hitAt(const QPoint& point) const {
    Hit hit;
    if (point.x() < metrics.gutter || point.y() < metrics.header)
        return hit;
    const int x = point.x() - metrics.gutter + horizontalScrollBar()->value();
    const int y = point.y() - metrics.header + verticalScrollBar()->value();
    hit.column = x / metrics.columnWidth;
    hit.slot = y / metrics.row;
    if (hit.column >= grid.columns().size() || hit.slot >= grid.slotCount())
        return Hit();
    const QVector<int> cell = grid.at(hit.column, hit.slot);
    for (int i = 0; i < cell.size(); ++i)
        if (placeRect(cell.at(i)).contains(point))
            hit.lane = i;
    return hit;
}

void GridCanvas::drawGrid(QPainter& painter, const GridLayout& layout, const Metrics& m, const QRect& visible,
                          int currentColumn, int currentSlot, int currentPlace, int dropColumn, int dropSlot,
                          int parts) {
    const int columns = int(layout.columns().size());
    const int width = m.gutter + columns * m.columnWidth;
    const int height = m.header + layout.slotCount() * m.row;
    const bool severalDays = columns > 0 && layout.columns().first().day != layout.columns().last().day;
    const QFont plain = painter.font();
    QFont bold = plain;
    bold.setBold(true);

    if (parts & Body) {
        painter.fillRect(QRect(m.gutter, m.header, width - m.gutter, height - m.header) & visible, Qt::white);
        for (int s = 0; s <= layout.slotCount(); ++s) {
            const int y = m.header + s * m.row;
            const bool hour = s == layout.slotCount() || layout.slotTime(s).minute() == 0;
            painter.setPen(hour ? hourLine : slotLine);
            painter.drawLine(m.gutter, y, width, y);
        }
        for (int c = 0; c <= columns; ++c) {
            const bool dayEdge = c == 0 || c == columns || layout.columns().at(c).day != layout.columns().at(c - 1).day;
            painter.setPen(dayEdge ? QPen(Qt::black, 2) : QPen(hourLine));
            painter.drawLine(m.gutter + c * m.columnWidth, m.header, m.gutter + c * m.columnWidth, height);
        }
        if (currentColumn >= 0 && currentPlace < 0) {
            const QRect cell(m.gutter + currentColumn * m.columnWidth, m.header + currentSlot * m.row, m.columnWidth,
                             m.row);
            painter.setPen(QPen(currentColour, 2, Qt::DashLine));
            painter.drawRect(cell.adjusted(1, 1, -1, -1));
        }
        for (int i = 0; i < layout.placed().size(); ++i) {
            const GridLayout::Placed& placed = layout.placed().at(i);
            const appointmentday::Appointment& appointment = layout.appointments().at(placed.appointment);
            const QRect cell =
                QRect(m.gutter + placed.column * m.columnWidth, m.header + placed.slot * m.row, m.columnWidth, m.row)
                    .adjusted(2, 2, -2, -2);
            const int laneWidth = cell.width() / placed.lanes;
            const QRect box(cell.left() + placed.lane * laneWidth, cell.top(), laneWidth - (placed.lanes > 1 ? 2 : 0),
                            cell.height());
            if (!box.intersects(visible))
                continue;
            const QColor colour = statecolours::of(appointment.state);
            painter.fillRect(box, Qt::white);
            if (colour.isValid())
                painter.fillRect(box, colour);
            if (placed.overlaps())
                painter.setPen(QPen(overlapColour, 3));
            else
                painter.setPen(QPen(Qt::darkGray, 1));
            painter.drawRect(box.adjusted(0, 0, -1, -1));
            if (i == currentPlace) {
                painter.setPen(QPen(currentColour, 3));
                painter.drawRect(box.adjusted(2, 2, -3, -3));
            }
            const QRect text = box.adjusted(5, 2, -4, -2);
            painter.setPen(Qt::black);
            painter.setFont(bold);
            const QFontMetrics boldMetrics(bold);
            QString first =
                appointment.when.time().toString(QStringLiteral("HH:mm")) + QLatin1Char(' ') + appointment.patientName;
            if (placed.overlaps())
                first.prepend(QStringLiteral("⚠ "));
            painter.drawText(text, Qt::AlignLeft | Qt::AlignTop,
                             boldMetrics.elidedText(first, Qt::ElideRight, text.width()));
            painter.setFont(plain);
            const QFontMetrics plainMetrics(plain);
            painter.drawText(text, Qt::AlignLeft | Qt::AlignBottom,
                             plainMetrics.elidedText(appointment.treatment, Qt::ElideRight, text.width()));
        }
        if (dropColumn >= 0) {
            painter.setPen(QPen(currentColour, 3, Qt::DotLine));
            painter.drawRect(
                QRect(m.gutter + dropColumn * m.columnWidth, m.header + dropSlot * m.row, m.columnWidth, m.row)
                    .adjusted(2, 2, -2, -2));
        }
    }
    if (parts & Gutter) {
        painter.fillRect(QRect(0, m.header, m.gutter, height - m.header), headerBackground);
        painter.setFont(plain);
        for (int s = 0; s < layout.slotCount(); ++s) {
            const QTime time = layout.slotTime(s);
            const QRect row(0, m.header + s * m.row, m.gutter - 6, m.row);
            painter.setPen(time.minute() == 0 ? Qt::black : Qt::darkGray);
            painter.setFont(time.minute() == 0 ? bold : plain);
            painter.drawText(row, Qt::AlignRight | Qt::AlignTop, time.toString(QStringLiteral("HH:mm")));
        }
        painter.setFont(plain);
        painter.setPen(hourLine);
        painter.drawLine(m.gutter - 1, m.header, m.gutter - 1, height);
    }
    if (parts & Header) {
        painter.fillRect(QRect(m.gutter, 0, width - m.gutter, m.header), headerBackground);
        painter.setFont(bold);
        for (int c = 0; c < columns; ++c) {
            const QRect title(m.gutter + c * m.columnWidth, 0, m.columnWidth, m.header);
            painter.setPen(hourLine);
            painter.drawRect(title.adjusted(0, 0, -1, -1));
            painter.setPen(c == currentColumn ? currentColour : QColor(Qt::black));
            painter.drawText(title.adjusted(4, 2, -4, -2), Qt::AlignCenter, columnTitle(layout, c, severalDays));
        }
        painter.setFont(plain);
    }
    if (parts & Corner)
        painter.fillRect(QRect(0, 0, m.gutter, m.header), headerBackground);
}

void GridCanvas::drawWhole(QPainter& painter, const GridLayout& layout, const QSize& area) {
    Metrics m;
    const QFontMetrics font(painter.font());
    m.gutter = font.horizontalAdvance(QStringLiteral("00:00")) + 16;
    m.header = font.height() * 2 + 8;
    const int columns = std::max(1, int(layout.columns().size()));
    m.columnWidth = (area.width() - m.gutter) / columns;
    m.row = std::max(1, (area.height() - m.header) / std::max(1, layout.slotCount()));
    drawGrid(painter, layout, m, QRect(QPoint(0, 0), area), -1, -1, -1, -1, -1, Everything);
}

void GridCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().window());
    const int h = horizontalScrollBar()->value();
    const int v = verticalScrollBar()->value();
    const QRect shown = viewport()->rect();
    const int place = currentPlace();
    painter.save();
    painter.translate(-h, -v);
    drawGrid(painter, grid, metrics, shown.translated(h, v), column, slot, place, dragging ? dropColumn : -1, dropSlot,
             Body);
    painter.restore();
    painter.save();
    painter.setClipRect(QRect(0, metrics.header, metrics.gutter, shown.height()));
    painter.translate(0, -v);
    drawGrid(painter, grid, metrics, shown, column, slot, place, -1, -1, Gutter);
    painter.restore();
    painter.save();
    painter.setClipRect(QRect(metrics.gutter, 0, shown.width(), metrics.header));
    painter.translate(-h, 0);
    drawGrid(painter, grid, metrics, shown, column, slot, place, -1, -1, Header);
    painter.restore();
    drawGrid(painter, grid, metrics, shown, column, slot, place, -1, -1, Corner);
}

void GridCanvas::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
    ensureCurrentVisible();
}

void GridCanvas::keyPressEvent(QKeyEvent* event) {
    const int count = int(grid.at(column, slot).size());
    switch (event->key()) {
    case Qt::Key_Up:
        setCurrent(column, slot - 1, 0);
        break;
    case Qt::Key_Down:
        setCurrent(column, slot + 1, 0);
        break;
    case Qt::Key_Right:
        if (lane >= 0 && lane + 1 < count)
            setCurrent(column, slot, lane + 1);
        else
            setCurrent(column + 1, slot, 0);
        break;
    case Qt::Key_Left:
        if (lane > 0)
            setCurrent(column, slot, lane - 1);
        else if (column > 0)
            setCurrent(column - 1, slot, int(grid.at(column - 1, slot).size()) - 1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit openRequested(column, slot, currentAppointment());
        break;
    case Qt::Key_PageUp:
        emit dayStepRequested(-1);
        break;
    case Qt::Key_PageDown:
        emit dayStepRequested(1);
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

void GridCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const Hit hit = hitAt(event->position().toPoint());
    if (hit.column < 0)
        return;
    setCurrent(hit.column, hit.slot, hit.lane);
    draggedRv = hit.lane >= 0 ? currentAppointment() : 0;
    pressedAt = event->position().toPoint();
    dragging = false;
}

void GridCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (!draggedRv || !(event->buttons() & Qt::LeftButton))
        return;
    const QPoint at = event->position().toPoint();
    if (!dragging && (at - pressedAt).manhattanLength() < QApplication::startDragDistance())
        return;
    dragging = true;
    const Hit hit = hitAt(at);
    dropColumn = hit.column;
    dropSlot = hit.slot;
    viewport()->setCursor(Qt::ClosedHandCursor);
    viewport()->update();
}

void GridCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const int moved = draggedRv;
    const bool dropped = dragging;
    draggedRv = 0;
    dragging = false;
    viewport()->unsetCursor();
    viewport()->update();
    if (!moved || !dropped || dropColumn < 0)
        return;
    const int place = grid.placeOf(moved);
    if (place >= 0 && grid.placed().at(place).column == dropColumn && grid.placed().at(place).slot == dropSlot)
        return;
    emit moveRequested(moved, dropColumn, dropSlot);
}

void GridCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const Hit hit = hitAt(event->position().toPoint());
    if (hit.column < 0)
        return;
    setCurrent(hit.column, hit.slot, hit.lane);
    draggedRv = 0;
    emit openRequested(column, slot, hit.lane >= 0 ? currentAppointment() : 0);
}

bool GridCanvas::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const Hit hit = hitAt(help->pos());
        if (hit.column >= 0 && hit.lane >= 0) {
            const int place = grid.at(hit.column, hit.slot).at(hit.lane);
            const GridLayout::Placed& placed = grid.placed().at(place);
            const appointmentday::Appointment& a = grid.appointments().at(placed.appointment);
            QString text = QLocale().toString(a.when, QStringLiteral("dddd dd-MM-yyyy HH:mm")) + QLatin1Char('\n') +
                           a.patientName + QLatin1Char('\n') + a.treatment + QLatin1Char('\n') + a.state;
            if (placed.overlaps())
                text += QLatin1Char('\n') + tr("Chevauchement : %n rendez-vous à la même heure", nullptr, placed.lanes);
            QToolTip::showText(help->globalPos(), text, viewport());
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}
