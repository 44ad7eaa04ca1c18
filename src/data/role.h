#pragma once

#include <QString>

// What a user may do in the office, from the column Role of his row in table user: 1 and 2 are doctors,
// the first of them also sees every doctor's amounts, chooses the treating doctor of an act and keeps the
// users; 3 and above are the reception, with a restricted interface; 4 is the reception that works from
// the calendar instead of the visit area. A missing user row reads as 0 and gets the doctors' interface.
class Role {
public:
    // The largest code that is a doctor; also the bound of the doctor lists' filters.
    static constexpr int lastDoctor = 2;
    // The names the main window and the find dialog hand to the patient form.
    static constexpr char doctorName[] = "medecin";
    static constexpr char receptionName[] = "reception";

    explicit Role(int roleCode = 0) : code(roleCode) {}
    // The role of this user; a missing row gives 0.
    static Role ofUser(int userId);

    int value() const { return code; }
    bool isDoctor() const { return code <= lastDoctor; }
    bool isReception() const { return !isDoctor(); }
    bool isFirstDoctor() const { return code == firstDoctor; }
    bool seesEveryDoctorsAmounts() const { return isFirstDoctor(); }
    bool showsCalendar() const { return code == receptionWithCalendar; }
    QString name() const { return QString::fromLatin1(isReception() ? receptionName : doctorName); }

private:
    static constexpr int firstDoctor = 1;
    static constexpr int receptionWithCalendar = 4;
    int code;
};
