#pragma once

#include <QEventLoop>
#include <QTimer>

#include <time.h>

// CPU time of the whole process (every thread), in seconds.
inline double cpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

// Lets the event loop run for ms milliseconds.
inline void runEventLoop(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
