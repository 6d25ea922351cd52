// The schedule runner through the control panel's real timers, driven in
// virtual time: each test stores a schedule in Startmodul and turns the panel
// to its status page with the clock running, as "Starten" does.
#include <gtest/gtest.h>

#include <QDir>

#include <cstdlib>
#include <ctime>
#include <optional>

#include "capture/CameraPicture.h"
#include "capture/Startmodul.h"
#include "capture/Window1.h"
#include "controls/Knopf.h"
#include "platform/PagePanel.h"
#include "platform/StaticText.h"
#include "platform/Timer.h"
#include "support/Gui.h"
#include "support/TestHome.h"
#include "support/TimeMachine.h"

namespace {

QDateTime at(int year, int month, int day, int hour, int minute, int second = 0) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

struct Schedule {
    QDate on, off;
    int onHour, onMinute, offHour, offMinute;
    int every = 10;
    int action = 1;
};

class ScheduleRunner : public ::testing::Test {
protected:
    void SetUp() override {
        folder = TestHome::path() + QStringLiteral("/Desktop/Kameraordner");
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        Startmodul::f = FolderItem::at(folder);
        Startmodul::z = 0;
        shots = 0;
        CameraPicture::setSourceForTesting([this] {
            ++shots;
            auto frame = Picture::create(32, 24);
            frame->image.fill(Qt::darkCyan);
            return frame;
        });
    }
    void TearDown() override {
        panel().stop1_Action();
        CameraPicture::setSourceForTesting(nullptr);
        machine.reset();
    }

    static Window1 &panel() { return Window1::instance(); }

    // What "Starten" leaves behind, at the machine's moment.
    void start(const QDateTime &moment, const Schedule &s) {
        machine.emplace(moment);
        Startmodul::d_ein = std::make_shared<Date>(s.on.year(), s.on.month(), s.on.day());
        Startmodul::d_aus = std::make_shared<Date>(s.off.year(), s.off.month(), s.off.day());
        Startmodul::t_ein_h = s.onHour;
        Startmodul::t_ein_m = s.onMinute;
        Startmodul::t_aus_h = s.offHour;
        Startmodul::t_aus_m = s.offMinute;
        Startmodul::t_oft = s.every;
        Startmodul::t_was = s.action;
        Startmodul::q = 0;
        panel().t_timer->setMode(2);
        panel().PagePanel1->setValue(2);
    }

    int pictures() const { return QDir(folder).entryList({"Bild*.jpg"}, QDir::Files).size(); }

    void expectEnded() {
        EXPECT_EQ(panel().PagePanel1->Value(), 0);
        EXPECT_EQ(panel().t_timer->Mode(), 0);
        EXPECT_EQ(panel().t_timer1->Mode(), 0);
        EXPECT_EQ(panel().t_timer1->Period(), 1000);
        EXPECT_EQ(Startmodul::q, 0);
    }

    std::optional<TimeMachine> machine;
    QString folder;
    int shots = 0;
};

TEST_F(ScheduleRunner, OnlyDayOfMonthHourAndMinuteCount) {
    // Switch-on and switch-off in the same minute: two actions.
    const QDate today(2026, 3, 7);
    start(at(2026, 3, 7, 9, 4, 50), {today, today, 9, 5, 9, 5, 10, 1});
    machine->advanceMinutes(2);
    EXPECT_EQ(pictures(), 2);
    expectEnded();

    // A switch-on day in another month and year with today's day of month
    // is today.
    start(at(2026, 3, 7, 9, 4, 50), {QDate(2025, 11, 7), today, 9, 5, 9, 8, 1, 1});
    machine->advanceMinutes(5);
    EXPECT_EQ(pictures(), 2 + 4);
    expectEnded();

    // A switch-on already past: no switch-on, no repeats, one action at the end.
    start(at(2026, 3, 7, 9, 10, 0), {today, today, 9, 5, 9, 30, 1, 1});
    machine->advanceMinutes(30);
    EXPECT_EQ(pictures(), 6 + 1);
    expectEnded();

    // An hour above 23 never comes.
    start(at(2026, 3, 7, 23, 0, 0), {today, today, 24, 5, 25, 6, 1, 1});
    machine->advanceMinutes(26 * 60);
    EXPECT_EQ(shots, 7);
    EXPECT_EQ(panel().PagePanel1->Value(), 2);
    EXPECT_EQ(panel().t_timer1->Mode(), 0);
}

TEST_F(ScheduleRunner, SchedulesRunAcrossMidnightMonthsAndTheYear) {
    const QDateTime evenings[] = {at(2026, 3, 7, 23, 50), at(2026, 4, 30, 23, 50),
                                  at(2026, 1, 31, 23, 50), at(2026, 2, 28, 23, 50),
                                  at(2026, 12, 31, 23, 50)};
    int expected = 0;
    for (const QDateTime &evening : evenings) {
        const QDate next = evening.date().addDays(1);
        start(evening, {evening.date(), next, 23, 55, 0, 5, 5, 1});
        machine->advanceMinutes(20);
        expected += 3;  // 23:55, 0:00, 0:05
        EXPECT_EQ(pictures(), expected) << evening.toString().toStdString();
        expectEnded();
    }
}

TEST_F(ScheduleRunner, ALateTickStillSwitchesOffButNeverSwitchesOn) {
    const QDate today(2026, 3, 7);
    // The main thread is blocked from before the switch-off minute until
    // 3 minutes after it: the late tick ends the schedule, once.
    start(at(2026, 3, 7, 9, 4, 30), {today, today, 9, 5, 9, 10, 2, 1});
    machine->advanceTo(at(2026, 3, 7, 9, 9, 59));
    EXPECT_EQ(pictures(), 3);  // 9:05, 9:07, 9:09
    machine->stall(4 * 60000LL);
    machine->advanceMinutes(1);
    EXPECT_EQ(pictures(), 4);
    expectEnded();

    // Blocked across the switch-on minute: no switch-on is made up.
    start(at(2026, 3, 7, 10, 4, 30), {today, today, 10, 5, 10, 20, 2, 1});
    machine->stall(2 * 60000LL);
    machine->advanceMinutes(10);
    EXPECT_EQ(Startmodul::q, 0);
    EXPECT_EQ(pictures(), 4);
    machine->advanceMinutes(10);
    EXPECT_EQ(pictures(), 5);
    expectEnded();

    // The first tick looks back no further than the start: a switch-off
    // minute before it (today's 10:50, started at 10:52) is not seen.
    start(at(2026, 3, 7, 10, 52, 30), {today, today, 11, 0, 10, 50, 2, 1});
    machine->stall(3 * 60000LL);
    machine->advanceMinutes(1);
    EXPECT_EQ(panel().PagePanel1->Value(), 2);
    EXPECT_EQ(pictures(), 5);
}

// Local time in a zone with summer time, for the length of one test.
class BerlinTime {
public:
    BerlinTime() : old_(qgetenv("TZ")) {
        qputenv("TZ", "Europe/Berlin");
        tzset();
    }
    ~BerlinTime() {
        if (old_.isNull())
            qunsetenv("TZ");
        else
            qputenv("TZ", old_);
        tzset();
    }

private:
    QByteArray old_;
};

TEST_F(ScheduleRunner, AStallAcrossTheAutumnClockChangeSeesTheSwitchOff) {
    const BerlinTime zone;
    // 25 October 2026: 3:00 summer time becomes 2:00 again. Blocked from
    // 2:50 summer time to 2:10 winter time, 20 minutes that pass 2:55.
    const QDateTime summer = at(2026, 10, 25, 1, 0).addSecs(3600 + 49 * 60);
    ASSERT_EQ(summer.time(), QTime(2, 49));
    const QDate day(2026, 10, 25);
    start(summer, {day, day, 2, 49, 2, 55, 30, 1});
    machine->advanceMinutes(1);
    EXPECT_EQ(pictures(), 1);
    machine->stall(20 * 60000LL);
    ASSERT_EQ(machine->now().time(), QTime(2, 10));
    machine->advance(1000);
    EXPECT_EQ(pictures(), 2);
    expectEnded();
}

TEST_F(ScheduleRunner, StopEndsTheRunningScheduleAndLeavesTheFlag) {
    const QDate today(2026, 3, 7);
    start(at(2026, 3, 7, 9, 4, 30), {today, today, 9, 5, 9, 35, 5, 1});
    machine->advanceMinutes(6);
    EXPECT_EQ(pictures(), 2);
    click(panel().stop1);
    EXPECT_EQ(panel().PagePanel1->Value(), 0);
    EXPECT_EQ(panel().t_timer->Mode(), 0);
    EXPECT_EQ(panel().t_timer1->Mode(), 0);
    EXPECT_EQ(Startmodul::q, 1);
    machine->advanceMinutes(60);
    EXPECT_EQ(pictures(), 2);
}

TEST_F(ScheduleRunner, TheStatusPageShowsTheNumbersAsStored) {
    auto lines = [] {
        QStringList texts;
        for (StaticText *line : panel().tschreib) texts << line->Text();
        return texts;
    };
    const QDate today(2026, 3, 7);
    start(at(2026, 3, 7, 6, 0), {today, today, 24, 0, 99, 59, 9999, 2});
    EXPECT_EQ(lines(), (QStringList{QString::fromUtf8("täglich"), "ein Bild nach", "Mail",
                                    "Ein  24:00", "Aus 99:59", "alle 9999 min"}));
    panel().stop1_Action();
    start(at(2026, 3, 7, 6, 0), {today, today, 7, 5, 10, 30, 10, 3});
    EXPECT_EQ(lines()[2], "Homepage");
    EXPECT_EQ(lines()[3], "Ein  7:05");
    // An action that is none of the three leaves its line as it was.
    panel().stop1_Action();
    start(at(2026, 3, 7, 6, 0), {today, today, 8, 0, 9, 0, 1, 7});
    EXPECT_EQ(lines()[2], "Homepage");
    EXPECT_EQ(lines()[3], "Ein  8:00");
}

}  // namespace
