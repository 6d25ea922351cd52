#include <gtest/gtest.h>

#include <QLocale>

#include <functional>
#include <utility>

#include "MonthCalendarInspector.h"
#include "controls/calCanvas_aus.h"
#include "controls/calCanvas_ein.h"
#include "platform/Clock.h"
#include "platform/Conversion.h"

using I = MonthCalendarInspector;

namespace {

const QRgb kTitle = qRgb(0x76, 0x74, 0x5F);
const QRgb kHighlight = qRgb(0xAC, 0xA9, 0x8F);
const QRgb kCell = qRgb(0xCD, 0xC9, 0xA9);
const QRgb kOuter = qRgb(0xE6, 0xE2, 0xBE);
const QLocale kGerman(QLocale::German, QLocale::Germany);

void setClock(int year, int month, int day) {
    Clock::setFixed(QDateTime(QDate(year, month, day), QTime(14, 7)));
}

// A calendar that reads its names from long dates of the test's making.
class ScriptedCalendar : public calCanvas_ein {
public:
    explicit ScriptedCalendar(std::function<QString(const QDate &)> script)
        : script_(std::move(script)) {}

protected:
    QString longDateText(const Date &d) const override {
        return script_(QDate(d.Year(), d.Month(), d.Day()));
    }

private:
    std::function<QString(const QDate &)> script_;
};

class CalendarDrawing : public ::testing::Test {
protected:
    void SetUp() override { setClock(2026, 12, 9); }
    void TearDown() override { Clock::useSystemTime(); }

    // Opened like the schedule sheet's calendars, showing the month of date.
    QImage show(MonthCalendar &cal, const Date &date, int width = 140) {
        cal.resize(width, 150);
        I::open(cal);
        I::selected(cal) = std::make_shared<Date>(date);
        cal.Refresh(true);
        return cal.surfaceImage();
    }
};

TEST_F(CalendarDrawing, GeometryAndHitTest) {
    calCanvas_ein cal;
    cal.resize(140, 150);
    EXPECT_EQ(I::gutter(cal), 1);
    EXPECT_EQ(I::cellSize(cal), wholeNumber(132 / 7.0));
    // Both bounds are inclusive: with a gap of 1 no strip between cells is
    // dead. The height takes no part: row 7 reaches below the control.
    const int cs = I::cellSize(cal);
    EXPECT_EQ(I::withinCell(cal, 0, 0), 0);
    EXPECT_EQ(I::withinCell(cal, 1 + cs, 1 + cs), 1);
    EXPECT_EQ(I::withinCell(cal, 2 + cs, 1), 2);
    EXPECT_EQ(I::withinCell(cal, 1, 2 + cs), 8);
    EXPECT_EQ(I::withinCell(cal, 7 + 7 * cs, 8 + 8 * cs), 56);
    EXPECT_EQ(I::withinCell(cal, 8 + 7 * cs, 20), 0);

    cal.resize(240, 150);  // a gap of 2: the pixel between cells hits nothing
    ASSERT_EQ(I::gutter(cal), 2);
    EXPECT_EQ(I::withinCell(cal, 2 + I::cellSize(cal), 10), 1);
    EXPECT_EQ(I::withinCell(cal, 3 + I::cellSize(cal), 10), 0);
    EXPECT_EQ(I::withinCell(cal, 4 + I::cellSize(cal), 10), 2);
}

TEST_F(CalendarDrawing, MonthLengthAskedOnAnyDay) {
    calCanvas_ein cal;
    for (int day : {1, 29, 30, 31}) {
        SCOPED_TRACE(day);
        setClock(2026, 1, day);
        EXPECT_EQ(I::monthLength(cal, 2, 2024), 29);
        EXPECT_EQ(I::monthLength(cal, 2, 2026), 28);
        EXPECT_EQ(I::monthLength(cal, 4, 2026), 30);
        EXPECT_EQ(I::monthLength(cal, 12, 2026), 31);
    }
}

TEST_F(CalendarDrawing, DaysFillTheCellsFromTheFirstWeekday) {
    calCanvas_aus cal;
    // August 2026 starts on a Saturday: its last two days open row 7.
    QImage image = show(cal, Date(2026, 8, 14));
    EXPECT_EQ(I::firstDay(cal), 21);
    EXPECT_EQ(I::lastDay(cal), 31);
    for (int cell : {21, 50, 51}) EXPECT_EQ(I::fill(cal, image, cell), kCell) << cell;
    for (int cell : {20, 52}) EXPECT_EQ(qAlpha(I::fill(cal, image, cell)), 0) << cell;

    // February 2026 starts on a Sunday and fills exactly cells 15 to 42.
    image = show(cal, Date(2026, 2, 3));
    for (int cell = 15; cell <= 56; ++cell)
        EXPECT_EQ(qAlpha(I::fill(cal, image, cell)) != 0, cell <= 42) << cell;
}

TEST_F(CalendarDrawing, NamesComeFromTheLongDate) {
    // A German long date (the system's own where it speaks German); on the
    // 31st no month may carry over.
    setClock(2026, 1, 31);
    calCanvas_ein system;
    ScriptedCalendar german(
        [](const QDate &d) { return kGerman.toString(d, QLocale::LongFormat); });
    const bool systemGerman = Date(2026, 12, 9).LongDate() == "Mittwoch, 9. Dezember 2026";
    MonthCalendar &cal = systemGerman ? static_cast<MonthCalendar &>(system) : german;
    I::init(cal);
    EXPECT_EQ(I::monthList(cal), "Januar Feb März April Mai Juni Juli August Sep Okt Nov Dez ");
    EXPECT_EQ(I::weekList(cal), "SMDMDFS");

    // Numbers where names belong give the English lists, for months and
    // weekdays independently.
    ScriptedCalendar numericMonths([](const QDate &d) {
        return kGerman.dayName(d.dayOfWeek()) + ", " + Str(d.day()) + ". " + Str(d.month()) + ". " +
               Str(d.year());
    });
    I::init(numericMonths);
    EXPECT_EQ(I::monthList(numericMonths),
              "Jan Feb March April May June July Aug Sept Oct Nov Dec");
    EXPECT_EQ(I::weekList(numericMonths), "SMDMDFS");
    ScriptedCalendar numericWeekdays([](const QDate &d) {
        return Str(d.day()) + ". " + kGerman.monthName(d.month()) + " " + Str(d.year());
    });
    I::init(numericWeekdays);
    EXPECT_EQ(I::monthList(numericWeekdays).left(7), "Januar ");
    EXPECT_EQ(I::weekList(numericWeekdays), "SMTWTFS");
}

TEST_F(CalendarDrawing, TextSizeIsTheLargestThatFitsThirty) {
    calCanvas_ein cal;
    show(cal, Date(2026, 12, 9));
    Graphics &g = cal.graphics();
    const double avail = I::cellSize(cal) - 2 * I::gutter(cal);
    EXPECT_LE(g.StringWidth("30"), avail);
    g.TextSize += 1;
    EXPECT_GT(g.StringWidth("30"), avail);

    // No room for text at all: the search gives up at 6.
    calCanvas_ein narrow;
    show(narrow, Date(2026, 12, 9), 6);
    EXPECT_EQ(narrow.graphics().TextSize, 6);
}

TEST_F(CalendarDrawing, PaintedMonth) {
    calCanvas_ein cal;
    const QImage image = show(cal, Date(2026, 12, 9));
    const int cs = I::cellSize(cal);
    // December 2026 starts on a Tuesday: the 9th is cell 25.
    const QPoint sel = I::corner(cal, 25), other = I::corner(cal, 26);
    EXPECT_EQ(image.pixel(sel), kTitle);
    EXPECT_EQ(image.pixel(sel + QPoint(cs - 1, cs - 1)), kTitle);
    EXPECT_EQ(image.pixel(sel + QPoint(1, 1)), kHighlight);
    EXPECT_EQ(image.pixel(sel + QPoint(cs, cs)), kOuter);
    EXPECT_EQ(image.pixel(other), kCell);
    EXPECT_EQ(image.pixel(other - QPoint(1, 1)), kOuter);
    EXPECT_EQ(I::fill(cal, image, 1), kCell);
    EXPECT_EQ(I::fill(cal, image, 7), kCell);

    auto count = [&](int fromCell, int toCell, QRgb colour) {
        const QPoint a = I::corner(cal, fromCell), b = I::corner(cal, toCell) + QPoint(cs, cs);
        int n = 0;
        for (int y = a.y(); y < b.y(); ++y)
            for (int x = a.x(); x < b.x(); ++x) n += image.pixel(x, y) == colour;
        return n;
    };
    // The rows of a cell range that carry text: anything but the cells'
    // fill, their frames and the bare background.
    auto inkRows = [&](int fromCell, int toCell) {
        const QPoint a = I::corner(cal, fromCell), b = I::corner(cal, toCell) + QPoint(cs, cs);
        std::pair<int, int> rows{-1, -1};
        for (int y = a.y(); y < b.y(); ++y)
            for (int x = a.x(); x < b.x(); ++x) {
                const QRgb p = image.pixel(x, y);
                if (qAlpha(p) == 0 || p == kCell || p == kOuter) continue;
                rows = {rows.first < 0 ? y : rows.first, y};
            }
        return rows;
    };
    // At 140 pixels the cells are 18 high from rows 1, 20, 39, ... and the
    // text is 12 pixels of DejaVu Sans: 14 high, digits and capitals 9 rows
    // above the baseline. A cell's baseline lies 18 - 2 - 2.7 below its top,
    // cut to 13; the bold title's lies at 1 + 18 - 2 = 17.
    EXPECT_EQ(inkRows(2, 6), std::make_pair(8, 16)) << "title";
    EXPECT_EQ(inkRows(8, 14), std::make_pair(24, 32)) << "initials";
    EXPECT_EQ(inkRows(17, 21), std::make_pair(43, 51)) << "days 1 to 5";

    // Black day numbers; the title alone between the arrows; initials
    // without cells, all in the title colour.
    EXPECT_GT(count(26, 26, qRgb(0, 0, 0)), 0);
    EXPECT_GT(count(2, 6, kTitle), 0);
    EXPECT_EQ(count(2, 6, kCell), 0);
    for (int cell = 8; cell <= 14; ++cell) {
        EXPECT_GT(count(cell, cell, kTitle), 0) << cell;
        EXPECT_EQ(count(cell, cell, kCell), 0) << cell;
    }
}

TEST_F(CalendarDrawing, HighlightFallsBackToTheSelectedDay) {
    calCanvas_aus cal;
    show(cal, Date(2026, 12, 9));  // days in cells 17 to 47, the 9th in 25
    const int cases[][2] = {{-1, 25}, {0, 25},  {1, 1},   {7, 7},   {4, 25}, {10, 25},
                            {16, 25}, {48, 25}, {17, 17}, {47, 47}, {56, 25}};
    for (const auto &c : cases) {
        I::highlight(cal) = c[0];
        cal.Refresh(true);
        EXPECT_EQ(I::highlightedCells(cal), std::vector<int>{c[1]}) << c[0];
    }
}

}  // namespace
