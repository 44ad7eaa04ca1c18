#pragma once

#include <QTime>

// What the day grid and the recall list take from this workstation's settings (the store of window
// geometries), with the office's defaults.
namespace gridsettings {

inline constexpr char slotMinutesKey[] = "AppointmentGrid/slotMinutes";
inline constexpr char opensKey[] = "AppointmentGrid/opens";
inline constexpr char closesKey[] = "AppointmentGrid/closes";
inline constexpr char recallMonthsKey[] = "RecallList/months";

inline constexpr int defaultSlotMinutes = 15;
inline constexpr int defaultRecallMonths = 6;
inline QTime defaultOpens() {
    return QTime(8, 0);
}
inline QTime defaultCloses() {
    return QTime(20, 0);
}

// The slot lengths offered, in minutes.
inline constexpr int slotChoices[] = {5, 10, 15, 20, 30, 60};

struct Values {
    int slotMinutes = defaultSlotMinutes;
    QTime opens = defaultOpens();
    QTime closes = defaultCloses();
    int recallMonths = defaultRecallMonths;
};

// The stored values; a missing or unreadable one gives its default, hours that close before they open too.
Values load();
void save(const Values& values);

} // namespace gridsettings
