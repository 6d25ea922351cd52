#include "platform/Timer.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

#include "platform/Clock.h"

namespace {

bool drivenTimers = false;
quint64 startCount = 0;

// Never freed, so that a timer destroyed late at exit still finds it.
std::vector<Timer *> &armedTimers() {
    static auto *timers = new std::vector<Timer *>;
    return *timers;
}

void disarm(Timer *timer) {
    auto &timers = armedTimers();
    timers.erase(std::remove(timers.begin(), timers.end(), timer), timers.end());
}

qint64 clockNow() { return Clock::now().toMSecsSinceEpoch(); }

}  // namespace

Timer::Timer(QObject *parent, int period, int mode) : QObject(parent), period_(period) {
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (Action) Action();
    });
    setMode(mode);
}

Timer::~Timer() { disarm(this); }

int Timer::frameInterval() {
    QScreen *screen = QGuiApplication::primaryScreen();
    double rate = screen ? screen->refreshRate() : 60.0;
    if (!(rate >= 20.0 && rate <= 500.0)) rate = 60.0;
    return qMax(1, static_cast<int>(std::floor(1000.0 / rate)));
}

int Timer::interval() const { return period_ > 0 ? period_ : frameInterval(); }

void Timer::restart() {
    disarm(this);
    timer_.stop();
    if (mode_ == 0) return;
    armedTimers().push_back(this);
    startOrder_ = ++startCount;
    due_ = clockNow() + interval();
    if (!drivenTimers) timer_.start(interval());
}

void Timer::setMode(int mode) {
    mode_ = mode;
    restart();
}

void Timer::setPeriod(int period) {
    if (period == period_) return;
    period_ = period;
    if (mode_ != 0) restart();
}

void Timer::setDriven(bool driven) {
    drivenTimers = driven;
    for (Timer *timer : armedTimers()) {
        timer->due_ = clockNow() + timer->interval();
        if (driven)
            timer->timer_.stop();
        else
            timer->timer_.start(timer->interval());
    }
}

bool Timer::driven() { return drivenTimers; }

std::vector<Timer *> Timer::armed() { return armedTimers(); }

void Timer::fire() {
    const quint64 order = startOrder_;
    const qint64 wasDue = due_;
    if (Action) Action();
    // The Action may have stopped, restarted or destroyed timers; this one
    // moves on only when it still runs as it did.
    const auto &timers = armedTimers();
    if (std::find(timers.begin(), timers.end(), this) == timers.end() || startOrder_ != order)
        return;
    const qint64 now = clockNow();
    due_ = wasDue + interval();
    if (due_ <= now) due_ = now + interval();
}
