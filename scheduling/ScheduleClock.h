#pragma once

#include <QDateTime>

class Date;

// The schedule clock's tests of the current moment against the switch-on
// and switch-off moments of Startmodul (day of month, hour and minute; month,
// year and seconds play no part).
namespace ScheduleClock {

// The clock has started: the first tick looks back to this moment.
void started(const QDateTime &moment);
// The clock has stopped; a new start records its own moment.
void stopped();

// Whether now lies in the switch-on minute.
bool switchOnCame(const Date &now);

// Whether the switch-off minute came since the previous tick: every whole
// minute from the one after the previous tick's (from the clock's start at
// the first tick, at most a day back) up to now's own. A minute in which no
// tick ran (the main thread blocked by an upload, the machine asleep) is
// still seen, so a schedule cannot run on for a month past its end.
bool switchOffCame(const QDateTime &now);

}  // namespace ScheduleClock
