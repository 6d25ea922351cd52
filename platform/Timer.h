#pragma once

#include <QObject>
#include <QTimer>

#include <functional>
#include <vector>

// A timer owned by a window. Mode 0 is off, 2 repeats every Period
// milliseconds; Action runs on the main thread.
class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject *parent = nullptr, int period = 1000, int mode = 0);
    ~Timer() override;

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

    // Tests run the program's timers in a time of their own, so that hours of
    // a schedule pass in milliseconds. While timers are driven, none of them
    // runs on the event loop: the driver sets the Clock, asks which timers are
    // armed and when each is due, and fires them itself in that order.
    static void setDriven(bool driven);
    static bool driven();
    // The timers in a running mode, in the order they were started.
    static std::vector<Timer *> armed();
    // When the next tick is due, in milliseconds since the epoch on the Clock.
    qint64 due() const { return due_; }
    // Order among timers due at the same moment: the one started first ticks first.
    quint64 startOrder() const { return startOrder_; }
    // One tick, as the event loop gives it: the Action, then the next tick one
    // period after this one was due, or one period from now when the tick
    // came later than that (missed ticks are not made up).
    void fire();

private:
    void restart();
    int interval() const;

    QTimer timer_;
    int mode_ = 0;
    int period_ = 1000;
    qint64 due_ = 0;
    quint64 startOrder_ = 0;
};
