#include "scheduling/ScheduleClock.h"

#include <algorithm>
#include <optional>

#include "capture/Startmodul.h"
#include "platform/Date.h"

namespace {

constexpr qint64 kMinute = 60000;
constexpr qint64 kLookBackMinutes = 24LL * 60;

// The start (milliseconds since the epoch) of the last minute that the
// switch-off test has seen; none before the clock's first tick.
std::optional<qint64> lastSeenMinute;

qint64 minuteOf(const QDateTime &moment) {
    const qint64 ms = moment.toMSecsSinceEpoch();
    return (ms >= 0 ? ms : ms - kMinute + 1) / kMinute * kMinute;
}

bool isMoment(const Date &moment, const DatePtr &day, int hour, int minute) {
    return day && moment.Day() == day->Day() && moment.Hour() == hour && moment.Minute() == minute;
}

}  // namespace

namespace ScheduleClock {

void started(const QDateTime &moment) { lastSeenMinute = minuteOf(moment) - kMinute; }

void stopped() { lastSeenMinute.reset(); }

bool switchOnCame(const Date &now) {
    return isMoment(now, Startmodul::d_ein, Startmodul::t_ein_h, Startmodul::t_ein_m);
}

bool switchOffCame(const QDateTime &now) {
    const qint64 current = minuteOf(now);
    qint64 first = current;
    // A clock set back looks at the current minute alone.
    if (lastSeenMinute && *lastSeenMinute < current)
        first = std::max(*lastSeenMinute + kMinute, current - (kLookBackMinutes - 1) * kMinute);
    lastSeenMinute = current;
    // Absolute minutes, each read in local time: both summer-time changes
    // give every local minute that really passed, the repeated hour twice.
    for (qint64 minute = first; minute <= current; minute += kMinute) {
        const Date local(QDateTime::fromMSecsSinceEpoch(minute));
        if (isMoment(local, Startmodul::d_aus, Startmodul::t_aus_h, Startmodul::t_aus_m))
            return true;
    }
    return false;
}

}  // namespace ScheduleClock
