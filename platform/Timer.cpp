#include "platform/Timer.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

Timer::Timer(QObject *parent, int period, int mode) : QObject(parent), period_(period) {
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (Action) Action();
    });
    setMode(mode);
}

int Timer::frameInterval() {
    QScreen *screen = QGuiApplication::primaryScreen();
    double rate = screen ? screen->refreshRate() : 60.0;
    if (!(rate >= 20.0 && rate <= 500.0)) rate = 60.0;
    return qMax(1, static_cast<int>(std::floor(1000.0 / rate)));
}

void Timer::restart() {
    if (mode_ == 0) {
        timer_.stop();
        return;
    }
    timer_.start(period_ > 0 ? period_ : frameInterval());
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
