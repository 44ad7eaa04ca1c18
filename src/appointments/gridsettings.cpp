#include "appointments/gridsettings.h"

#include "app/settingskeys.h"

#include <QSettings>

#include <algorithm>

namespace gridsettings {

namespace {

QTime storedTime(const QSettings& settings, const char* key, const QTime& fallback) {
    const QTime time = QTime::fromString(settings.value(QLatin1String(key)).toString(), QStringLiteral("HH:mm"));
    return time.isValid() ? time : fallback;
}

} // namespace

Values load() {
    const QSettings settings(settingskeys::windowOrganization, settingskeys::windowApplication);
    Values values;
    const int slot = settings.value(QLatin1String(slotMinutesKey), defaultSlotMinutes).toInt();
    if (std::find(std::begin(slotChoices), std::end(slotChoices), slot) != std::end(slotChoices))
        values.slotMinutes = slot;
    values.opens = storedTime(settings, opensKey, defaultOpens());
    values.closes = storedTime(settings, closesKey, defaultCloses());
    if (values.closes <= values.opens) {
        values.opens = defaultOpens();
        values.closes = defaultCloses();
    }
    const int months = settings.value(QLatin1String(recallMonthsKey), defaultRecallMonths).toInt();
    values.recallMonths = months >= 1 && months <= 120 ? months : defaultRecallMonths;
    return values;
}

void save(const Values& values) {
    QSettings settings(settingskeys::windowOrganization, settingskeys::windowApplication);
    settings.setValue(QLatin1String(slotMinutesKey), values.slotMinutes);
    settings.setValue(QLatin1String(opensKey), values.opens.toString(QStringLiteral("HH:mm")));
    settings.setValue(QLatin1String(closesKey), values.closes.toString(QStringLiteral("HH:mm")));
    settings.setValue(QLatin1String(recallMonthsKey), values.recallMonths);
}

} // namespace gridsettings
