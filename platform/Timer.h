#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

// A timer owned by a window. Mode 0 is off, 2 repeats every Period
// milliseconds; Action runs on the main thread.
class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject *parent = nullptr, int period = 1000, int mode = 0);

    int Mode() const { return mode_; }
    void setMode(int mode);
    int Period() const { return period_; }
    void setPeriod(int period);

    std::function<void()> Action;

    // The interval that a period of 0 gets: one tick per frame of the main
    // screen (16 ms at 60 Hz). That keeps a live picture as fluid as the
    // display can show it while an idle program sleeps between ticks, where a
    // true zero-interval timer would spin a processor core.
    static int frameInterval();

private:
    void restart();

    QTimer timer_;
    int mode_ = 0;
    int period_ = 1000;
};
