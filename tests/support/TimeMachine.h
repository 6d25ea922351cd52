#pragma once

#include <QDateTime>

// Runs the program in a time of its own: from its creation until it goes,
// the Clock stands at the machine's moment and the program's Timers tick only
// when the machine moves on, each at its due moment and in the order real
// time would give, so that a schedule of hours runs in milliseconds.
class TimeMachine {
public:
    explicit TimeMachine(const QDateTime &start);
    ~TimeMachine();
    TimeMachine(const TimeMachine &) = delete;
    TimeMachine &operator=(const TimeMachine &) = delete;

    QDateTime now() const;

    // Moves on, firing every tick that falls due on the way.
    void advance(qint64 milliseconds);
    void advanceMinutes(int minutes) { advance(minutes * 60000LL); }
    void advanceTo(const QDateTime &moment);
    // Moves on without a tick, as when the main thread is blocked or the
    // machine sleeps; ticks that fell due come late, at the next advance.
    void stall(qint64 milliseconds);

private:
    void setNow(qint64 msecs);
    qint64 now_ = 0;
};
