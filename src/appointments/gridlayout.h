#pragma once

#include "data/appointmentday.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVector>

// Where the day grid draws each appointment: one column per day and doctor, one row per time slot. An
// appointment fills the slot its time falls in; the bookings of one column in one slot share it side by
// side, and more than one there is an overlap.
class GridLayout {
public:
    struct Column {
        QDate day;
        QString doctor; // empty: the appointments booked without a doctor
    };
    struct Placed {
        int appointment = 0; // index in appointments()
        int column = 0;
        int slot = 0;
        int lane = 0;
        int lanes = 1;
        bool overlaps() const { return lanes > 1; }
    };

    GridLayout() = default;
    // The doctors given come first, in their order; any other name found in the appointments follows, and
    // the column without a doctor comes last, shown only when an appointment has no doctor. The hours grow
    // to hold an appointment booked outside them.
    GridLayout(const QVector<appointmentday::Appointment>& appointments, const QVector<QDate>& days,
               const QStringList& doctors, int slotMinutes, const QTime& opens, const QTime& closes);

    const QVector<appointmentday::Appointment>& appointments() const { return booked; }
    const QVector<Column>& columns() const { return cols; }
    const QVector<Placed>& placed() const { return places; }
    const QStringList& doctorNames() const { return names; }
    int slotCount() const { return slotTotal; }
    int slotMinutes() const { return minutesPerSlot; }
    QTime slotTime(int slot) const { return first.addSecs(qint64(slot) * minutesPerSlot * 60); }
    QDateTime slotStart(int column, int slot) const;
    // The slot a time of day falls in (clamped to the grid).
    int slotOf(const QTime& time) const;
    // The indexes into placed() of the appointments in a cell, from the left lane.
    QVector<int> at(int column, int slot) const;
    // The index into placed() of an appointment, or -1.
    int placeOf(int rvNum) const;

private:
    QVector<appointmentday::Appointment> booked;
    QVector<Column> cols;
    QVector<Placed> places;
    QStringList names;
    QTime first;
    int minutesPerSlot = 15;
    int slotTotal = 0;
};
