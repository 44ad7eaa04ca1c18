#pragma once

#include <QObject>

class QDateTimeEdit;
class QWidget;

// Lets a date be typed digit by digit in every date and time field of a window. The toolkit refuses a typed
// day that contradicts a day name shown in the same field ("mercredi 09-12-2026"), so a field whose format
// names the day is edited in its numeric form ("09-12-2026 10:30") while it has the focus, and shows the
// day's name again when the focus leaves it (a calendar popping up does not count as leaving).
class DateEntry : public QObject {
    Q_OBJECT
public:
    // Watches every date and time field the window holds now; the watcher belongs to the window.
    static void enable(QWidget* window);

    // The format without its day names: "dddd dd-MM-yyyy HH:mm" gives "dd-MM-yyyy HH:mm".
    static QString numericFormat(const QString& format);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit DateEntry(QObject* parent) : QObject(parent) {}
    static void startTyping(QDateTimeEdit* field);
    static void stopTyping(QDateTimeEdit* field);
};
