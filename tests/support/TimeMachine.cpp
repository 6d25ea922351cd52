#include "support/TimeMachine.h"

#include <QCoreApplication>

#include "platform/Clock.h"
#include "platform/Timer.h"

namespace {

// The armed timer that ticks next: the earliest due, the first started
// among equals.
Timer *nextDue() {
    Timer *next = nullptr;
    for (Timer *timer : Timer::armed())
        if (!next || timer->due() < next->due() ||
            (timer->due() == next->due() && timer->startOrder() < next->startOrder()))
            next = timer;
    return next;
}

}  // namespace

TimeMachine::TimeMachine(const QDateTime &start) {
    setNow(start.toMSecsSinceEpoch());
    Timer::setDriven(true);
}

TimeMachine::~TimeMachine() {
    Clock::useSystemTime();
    Timer::setDriven(false);
}

QDateTime TimeMachine::now() const { return QDateTime::fromMSecsSinceEpoch(now_); }

void TimeMachine::setNow(qint64 msecs) {
    now_ = msecs;
    Clock::setFixed(QDateTime::fromMSecsSinceEpoch(msecs));
}

void TimeMachine::advance(qint64 milliseconds) {
    const qint64 target = now_ + milliseconds;
    while (Timer *timer = nextDue()) {
        if (timer->due() > target) break;
        // A tick that fell due during a stall comes now, late.
        if (timer->due() > now_) setNow(timer->due());
        timer->fire();
        QCoreApplication::sendPostedEvents();
    }
    setNow(target);
}

void TimeMachine::advanceTo(const QDateTime &moment) { advance(moment.toMSecsSinceEpoch() - now_); }

void TimeMachine::stall(qint64 milliseconds) { setNow(now_ + milliseconds); }
