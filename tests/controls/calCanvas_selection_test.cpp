#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MonthCalendarInspector.h"
#include "capture/Startmodul.h"
#include "controls/calCanvas_aus.h"
#include "controls/calCanvas_ein.h"
#include "platform/Clock.h"

using I = MonthCalendarInspector;

namespace {

void setClock(int hour, int minute, int day = 9) {
    Clock::setFixed(QDateTime(QDate(2026, 12, day), QTime(hour, minute)));
}

double moment(int year, int month, int day, int hour, int minute) {
    return Date(year, month, day, hour, minute).TotalSeconds();
}

// December 2026 starts on a Tuesday: day d is in cell d + 16.
int december(int day) { return day + 16; }

// One cellClick: the object handed out and the moment it held then.
struct Click {
    int cell;
    DatePtr date;
    double at;
};

// A calendar of the schedule sheet's size, opened and painted once, that
// records its cellClick events the way the sheet keeps the date.
template <class Calendar>
struct Placed {
    Calendar cal;
    std::vector<Click> clicks;
    DatePtr kept;

    Placed() {
        cal.resize(140, 150);
        I::open(cal);
        cal.cellClick = [this](int cell, const DatePtr &d) {
            clicks.push_back({cell, d, d ? d->TotalSeconds() : -1});
            kept = d;
        };
        cal.surfaceImage();
    }
    // A press and release on a cell, then the screen update that follows.
    void click(int cell) { clickAt(I::centre(cal, cell)); }
    void clickAt(QPoint p) {
        clicks.clear();
        ASSERT_TRUE(cal.MouseDown(p.x(), p.y()));
        cal.MouseUp(p.x(), p.y());
        cal.surfaceImage();
    }
    DatePtr selected() { return I::selected(cal); }
};

class CalendarSelection : public ::testing::Test {
protected:
    void SetUp() override { setClock(14, 7); }
    void TearDown() override {
        Clock::useSystemTime();
        Startmodul::d_ein.reset();
    }
};

TEST_F(CalendarSelection, OpenReportsOnceWithoutDate) {
    calCanvas_aus cal;
    std::vector<std::string> log;
    cal.Open = [&] { log.push_back("Open"); };
    cal.cellClick = [&](int cell, const DatePtr &d) {
        log.push_back("cellClick " + std::to_string(cell) + (d ? " date" : " none"));
    };
    I::open(cal);
    EXPECT_EQ(log, (std::vector<std::string>{"Open", "cellClick 0 none"}));

    // Before the first paint there is nothing to select or show.
    cal.resize(140, 150);
    cal.MouseEnter();
    cal.MouseDrag(30, 30);
    cal.MouseMove(30, 30);
    cal.MouseUp(30, 30);
    EXPECT_EQ(log.size(), 2u);
    EXPECT_FALSE(I::selected(cal));
}

TEST_F(CalendarSelection, SwitchOnDayIsBoundedByTheRelease) {
    Placed<calCanvas_ein> p;
    const DatePtr first = p.selected();
    // Tomorrow, in place, at the time of day it had; today at the very
    // moment of the release is not before it.
    for (int day : {10, 9}) {
        p.click(december(day));
        ASSERT_EQ(p.clicks.size(), 1u);
        EXPECT_EQ(p.clicks[0].cell, december(day));
        EXPECT_EQ(p.clicks[0].date, first);
        EXPECT_EQ(p.clicks[0].at, moment(2026, 12, day, 14, 7));
    }
    // Later, today or an earlier day: that day, then a new object holding
    // the moment of the release.
    for (int day : {9, 3}) {
        setClock(15, 12 - day);
        const DatePtr before = p.selected();
        p.click(december(day));
        ASSERT_EQ(p.clicks.size(), 2u);
        EXPECT_EQ(p.clicks[0].date, before);
        EXPECT_EQ(p.clicks[1].cell, 0);
        EXPECT_NE(p.clicks[1].date, before);
        EXPECT_EQ(p.clicks[1].date, p.selected());
        EXPECT_EQ(p.selected()->TotalSeconds(), moment(2026, 12, 9, 15, 12 - day));
        EXPECT_EQ(I::highlightedCells(p.cal), std::vector<int>{december(9)});
    }
    // "<" in the current month: a month back, then the bound; December stays.
    setClock(16, 0);
    p.click(1);
    ASSERT_EQ(p.clicks.size(), 2u);
    EXPECT_EQ(p.clicks[0].at, moment(2026, 11, 9, 15, 9));
    EXPECT_EQ(p.clicks[1].at, moment(2026, 12, 9, 16, 0));
    EXPECT_EQ(I::firstDay(p.cal), december(1));
    // Weekday row, empty cell, no cell: only the bound acts.
    p.click(10);
    p.click(december(32));
    p.clickAt({139, 149});
    EXPECT_TRUE(p.clicks.empty());
    setClock(16, 1);
    p.click(10);
    ASSERT_EQ(p.clicks.size(), 1u);
    EXPECT_EQ(p.clicks[0].at, moment(2026, 12, 9, 16, 1));
}

TEST_F(CalendarSelection, ArrowsCarryYearAndDay) {
    Startmodul::d_ein = std::make_shared<Date>(2020, 1, 1);  // never bounds here
    Placed<calCanvas_aus> p;
    p.cal.MouseEnter();
    const DatePtr selected = p.selected();
    p.click(7);
    ASSERT_EQ(p.clicks.size(), 1u);
    EXPECT_EQ(p.clicks[0].date, selected);
    EXPECT_EQ(selected->TotalSeconds(), moment(2027, 1, 9, 14, 7));
    EXPECT_EQ(I::firstDay(p.cal), 20);  // January 2027 starts on a Friday
    p.click(1);
    EXPECT_EQ(selected->TotalSeconds(), moment(2026, 12, 9, 14, 7));
    // 31 January on to "31 February", which the date carries into March.
    p.click(7);
    p.click(I::firstDay(p.cal) + 30);
    p.click(7);
    EXPECT_EQ(selected->TotalSeconds(), moment(2027, 3, 3, 14, 7));
    EXPECT_EQ(p.selected(), selected);
}

TEST_F(CalendarSelection, DragHighlightsAndOnlyTheReleaseCounts) {
    Placed<calCanvas_ein> p;
    const QPoint day = I::centre(p.cal, december(20)), empty = I::centre(p.cal, 15);
    const QPoint arrow = I::centre(p.cal, 1), title = I::centre(p.cal, 3);
    p.clicks.clear();
    ASSERT_TRUE(p.cal.MouseDown(day.x(), day.y()));
    p.cal.MouseDrag(day.x(), day.y());
    EXPECT_EQ(I::highlightedCells(p.cal), std::vector<int>{december(20)});
    p.cal.MouseDrag(empty.x(), empty.y());
    EXPECT_EQ(I::highlightedCells(p.cal), std::vector<int>{december(9)});
    p.cal.MouseDrag(arrow.x(), arrow.y());
    EXPECT_EQ(I::highlightedCells(p.cal), std::vector<int>{1});

    // Released on the title: a new object holding the current moment.
    const DatePtr before = p.selected();
    setClock(18, 0, 12);
    p.cal.MouseDrag(title.x(), title.y());
    p.cal.MouseUp(title.x(), title.y());
    ASSERT_EQ(p.clicks.size(), 1u);
    EXPECT_EQ(p.clicks[0].cell, 3);
    EXPECT_NE(p.clicks[0].date, before);
    EXPECT_EQ(p.clicks[0].at, moment(2026, 12, 12, 18, 0));
    EXPECT_EQ(I::highlightedCells(p.cal), std::vector<int>{december(12)});

    p.cal.MouseMove(5, 5);
    EXPECT_EQ(p.cal.toolTip(), Date(2026, 12, 12).LongDate());
}

TEST_F(CalendarSelection, SwitchOffIsBoundedBySwitchOnObject) {
    const DatePtr on = std::make_shared<Date>(2026, 12, 20, 9, 30);
    Startmodul::d_ein = on;
    Placed<calCanvas_aus> p;
    p.click(december(10));  // no bound before the pointer has entered
    EXPECT_TRUE(p.clicks.empty());

    p.cal.MouseEnter();
    Startmodul::d_ein = std::make_shared<Date>(2027, 1, 5);  // read at the next entry
    const DatePtr selected = p.selected();
    p.click(december(15));
    ASSERT_EQ(p.clicks.size(), 2u);
    EXPECT_EQ(p.clicks[0].date, selected);
    EXPECT_EQ(p.clicks[0].at, moment(2026, 12, 15, 14, 7));
    EXPECT_EQ(p.clicks[1].cell, 0);
    EXPECT_EQ(p.clicks[1].date, on);
    EXPECT_EQ(p.selected(), selected);
    EXPECT_EQ(selected->TotalSeconds(), on->TotalSeconds());
    EXPECT_EQ(I::highlightedCells(p.cal), std::vector<int>{december(20)});

    // Now sharing the switch-on object, which moves the bound in place: the
    // switch-on day itself at an earlier time of day is moved up.
    EXPECT_EQ(p.kept, on);
    on->setHour(18);
    p.click(december(20));
    ASSERT_EQ(p.clicks.size(), 2u);
    EXPECT_EQ(selected->TotalSeconds(), moment(2026, 12, 20, 18, 30));

    // A later day hands out the calendar's own object again.
    p.click(december(28));
    ASSERT_EQ(p.clicks.size(), 1u);
    EXPECT_EQ(p.kept, selected);

    // A title click before the switch-on moment is bounded as well.
    p.cal.MouseEnter();
    p.click(4);
    ASSERT_EQ(p.clicks.size(), 2u);
    EXPECT_EQ(p.clicks[0].at, moment(2026, 12, 9, 14, 7));
    EXPECT_EQ(p.clicks[1].date, Startmodul::d_ein);
    EXPECT_EQ(p.selected()->TotalSeconds(), moment(2027, 1, 5, 0, 0));
}

}  // namespace
