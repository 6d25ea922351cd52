// Schedule clock benchmark: what a running schedule costs between its
// actions. It prints
//   tick           processor time of one tick of the schedule clock (the
//                  timer's bookkeeping and the handler's tests of now), mean
//                  and worst over many ticks, and its share of one core at
//                  one tick a second
//   late tick      one tick after a day without ticks (the machine asleep):
//                  the switch-off test looks back over every minute since
//   idle, waiting  process CPU of the idle program and of the same program
//                  with a schedule waiting, each over a few seconds of the
//                  real event loop
//   files          files written while the schedule waited (should be 0)
// Run it under a display, e.g. xvfb-run (see run-benchmarks.sh). It runs in
// a home folder of its own, so no real desktop or preferences are touched.

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "capture/Startmodul.h"
#include "capture/Window1.h"
#include "platform/Clock.h"
#include "platform/PagePanel.h"
#include "platform/Timer.h"

namespace {

double cpuSeconds(clockid_t which) {
    timespec ts{};
    clock_gettime(which, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

// Process CPU in % of one core while the event loop runs for ms milliseconds.
double processLoad(int ms) {
    const double c0 = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    return 100 * (cpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - c0) / (ms / 1000.0);
}

// A schedule for tomorrow, as "Starten" leaves it: the clock ticks and waits.
void startTomorrowsSchedule(Window1 &panel) {
    const QDateTime tomorrow = Clock::now().addDays(1);
    Startmodul::d_ein = std::make_shared<Date>(tomorrow);
    Startmodul::d_aus = std::make_shared<Date>(tomorrow.addSecs(3600));
    Startmodul::t_ein_h = tomorrow.time().hour();
    Startmodul::t_ein_m = tomorrow.time().minute();
    Startmodul::t_aus_h = tomorrow.addSecs(3600).time().hour();
    Startmodul::t_aus_m = tomorrow.time().minute();
    Startmodul::t_oft = 10;
    Startmodul::t_was = 1;
    Startmodul::q = 0;
    panel.t_timer->setMode(2);
    panel.PagePanel1->setValue(2);
}

int fileCount(const QString &folder) {
    return static_cast<int>(QDir(folder).entryList(QDir::Files).size());
}

}  // namespace

int main(int argc, char **argv) {
    QTemporaryDir home;
    const QByteArray root = home.path().toLocal8Bit();
    QDir(home.path()).mkpath("Desktop");
    setenv("HOME", root.constData(), 1);
    setenv("XDG_CONFIG_HOME", (root + "/.config").constData(), 1);
    setenv("XDG_DATA_HOME", (root + "/.local/share").constData(), 1);
    unsetenv("XDG_DESKTOP_DIR");
    QApplication app(argc, argv);

    Window1 &panel = Window1::instance();
    const QString folder = Startmodul::f->path();
    processLoad(1000);  // settle
    const double idle = processLoad(5000);

    startTomorrowsSchedule(panel);
    const double waiting = processLoad(5000);

    // Ticks one after another, each as the event loop would give it.
    const int ticks = 20000;
    double total = 0, worst = 0;
    for (int i = 0; i < ticks; ++i) {
        const double c0 = cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
        panel.t_timer->fire();
        const double us = (cpuSeconds(CLOCK_THREAD_CPUTIME_ID) - c0) * 1e6;
        total += us;
        worst = std::max(worst, us);
    }

    // A tick a day after the previous one.
    double lateWorst = 0;
    for (int i = 0; i < 20; ++i) {
        panel.PagePanel1->setValue(0);
        startTomorrowsSchedule(panel);
        const QDateTime later = Clock::now().addSecs(23LL * 3600);
        Clock::setFixed(later);
        const double c0 = cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
        panel.t_timer->fire();
        lateWorst = std::max(lateWorst, (cpuSeconds(CLOCK_THREAD_CPUTIME_ID) - c0) * 1e6);
        Clock::useSystemTime();
    }
    const bool stillWaiting = panel.PagePanel1->Value() == 2 && Startmodul::q == 0;
    panel.PagePanel1->setValue(0);

    std::printf("Schedule clock, platform %s, one tick a second while a schedule waits\n",
                qPrintable(QGuiApplication::platformName()));
    std::printf("tick        %8.2f us mean, %8.2f us worst  (%.4f%% of one core)\n", total / ticks,
                worst, 100 * (total / ticks) / 1e6);
    std::printf("late tick   %8.2f us worst, after 23 hours without a tick\n", lateWorst);
    std::printf("idle        %8.3f%% of one core; waiting %.3f%% (difference %+.3f%%)\n", idle,
                waiting, waiting - idle);
    std::printf("files       %d written while waiting%s\n", fileCount(folder),
                stillWaiting ? "" : "  (the schedule did not stay waiting!)");
    std::printf("Target: a tick well under 1 ms of processor time; no files.\n");
    return 0;
}
