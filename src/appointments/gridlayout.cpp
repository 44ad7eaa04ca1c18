#include "appointments/gridlayout.h"

#include <QHash>

#include <algorithm>

namespace {

int minutesOf(const QTime& time) {
    return time.hour() * 60 + time.minute();
}

} // namespace

GridLayout::GridLayout(const QVector<appointmentday::Appointment>& appointments, const QVector<QDate>& days,
                       const QStringList& doctors, int slotMinutes, const QTime& opens, const QTime& closes)
    : booked(appointments), minutesPerSlot(std::clamp(slotMinutes, 5, 240)) {
    names = doctors;
    bool withoutDoctor = false;
    for (const appointmentday::Appointment& appointment : booked) {
        if (appointment.doctor.isEmpty())
            withoutDoctor = true;
        else if (!names.contains(appointment.doctor))
            names.append(appointment.doctor);
    }
    if (withoutDoctor || names.isEmpty())
        names.append(QString());
    for (const QDate& day : days)
        for (const QString& name : std::as_const(names))
            cols.append({day, name});

    // The first and last minute the grid shows, whole slots counted from midnight.
    int start = minutesOf(opens);
    int end = std::max(minutesOf(closes), start + minutesPerSlot);
    for (const appointmentday::Appointment& appointment : booked) {
        const int at = minutesOf(appointment.when.time());
        start = std::min(start, at);
        end = std::max(end, at + 1);
    }
    start -= start % minutesPerSlot;
    slotTotal = (end - start + minutesPerSlot - 1) / minutesPerSlot;
    first = QTime(start / 60, start % 60);

    QHash<QString, int> doctorIndex;
    for (int i = 0; i < names.size(); ++i)
        doctorIndex.insert(names.at(i), i);
    QHash<QPair<int, int>, QVector<int>> cells;
    for (int i = 0; i < booked.size(); ++i) {
        const appointmentday::Appointment& appointment = booked.at(i);
        const int dayIndex = int(days.indexOf(appointment.when.date()));
        if (dayIndex < 0)
            continue;
        Placed place;
        place.appointment = i;
        place.column = dayIndex * int(names.size()) + doctorIndex.value(appointment.doctor);
        place.slot = slotOf(appointment.when.time());
        cells[{place.column, place.slot}].append(int(places.size()));
        places.append(place);
    }
    for (const QVector<int>& cell : std::as_const(cells))
        for (int lane = 0; lane < cell.size(); ++lane) {
            places[cell.at(lane)].lane = lane;
            places[cell.at(lane)].lanes = int(cell.size());
        }
}

QDateTime GridLayout::slotStart(int column, int slot) const {
    if (column < 0 || column >= cols.size())
        return {};
    return QDateTime(cols.at(column).day, slotTime(slot));
}

int GridLayout::slotOf(const QTime& time) const {
    const int minutes = minutesOf(time) - minutesOf(first);
    return std::clamp(minutes / minutesPerSlot, 0, std::max(0, slotTotal - 1));
}

QVector<int> GridLayout::at(int column, int slot) const {
    QVector<int> found;
    for (int i = 0; i < places.size(); ++i)
        if (places.at(i).column == column && places.at(i).slot == slot)
            found.append(i);
    std::sort(found.begin(), found.end(), [this](int a, int b) { return places.at(a).lane < places.at(b).lane; });
    return found;
}

int GridLayout::placeOf(int rvNum) const {
    for (int i = 0; i < places.size(); ++i)
        if (booked.at(places.at(i).appointment).rvNum == rvNum)
            return i;
    return -1;
}
