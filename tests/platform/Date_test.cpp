#include <gtest/gtest.h>

#include "platform/Clock.h"
#include "platform/Conversion.h"
#include "platform/Date.h"

namespace {

TEST(DateTest, FieldsBeyondTheirRangeCarryIntoTheNextUnit) {
    Date d(2026, 1, 31, 10, 0, 0);
    d.setDay(d.Day() + 1);
    EXPECT_EQ(d.Month(), 2);
    EXPECT_EQ(d.Day(), 1);

    d = Date(2026, 12, 5);
    d.setMonth(13);
    EXPECT_EQ(d.Year(), 2027);
    EXPECT_EQ(d.Month(), 1);
    d.setMonth(0);
    EXPECT_EQ(d.Year(), 2026);
    EXPECT_EQ(d.Month(), 12);

    d = Date(2026, 12, 31, 23, 59, 0);
    d.setMinute(60);
    EXPECT_EQ(d.Year(), 2027);
    EXPECT_EQ(d.Month(), 1);
    EXPECT_EQ(d.Day(), 1);
    EXPECT_EQ(d.Hour(), 0);
    EXPECT_EQ(d.Minute(), 0);

    // "February 31" lies in March.
    d = Date(2026, 1, 31);
    d.setMonth(2);
    EXPECT_EQ(d.Month(), 3);
    EXPECT_EQ(d.Day(), 3);
}

TEST(DateTest, MonthLengthsShowThroughTheCarry) {
    struct Case {
        int year, day, month, dayAfter;
    };
    // Asking for 29 to 31 February lands in February only in a leap year.
    const Case cases[] = {{2024, 29, 2, 29}, {2024, 30, 3, 1},  {2023, 29, 3, 1},
                          {2023, 31, 3, 3},  {2000, 29, 2, 29}, {1900, 29, 3, 1}};
    for (const Case &c : cases) {
        Date d(c.year, 2, c.day);
        EXPECT_EQ(d.Month(), c.month) << c.year << "-02-" << c.day;
        EXPECT_EQ(d.Day(), c.dayAfter) << c.year << "-02-" << c.day;
    }
}

TEST(DateTest, WeekdaysRunFromSundayOneToSaturdaySeven) {
    EXPECT_EQ(Date(2026, 12, 6).DayOfWeek(), 1);   // Sunday
    EXPECT_EQ(Date(2026, 12, 9).DayOfWeek(), 4);   // Wednesday
    EXPECT_EQ(Date(2026, 12, 12).DayOfWeek(), 7);  // Saturday
}

TEST(DateTest, TotalSecondsRoundTrip) {
    Date d(2026, 3, 7, 9, 5, 30);
    const double seconds = d.TotalSeconds();
    Date e(1904, 1, 1);
    EXPECT_EQ(e.TotalSeconds(), 0.0);
    e.setTotalSeconds(seconds);
    EXPECT_EQ(e.toDateTime(), d.toDateTime());
    EXPECT_EQ(Date(2026, 3, 8).TotalSeconds() - Date(2026, 3, 7).TotalSeconds(), 86400.0);
}

TEST(DateTest, GermanTextsWithSingleBlanks) {
    // The tests run without a system language, which gives German.
    const Date d(2026, 12, 9, 14, 7, 0);
    EXPECT_EQ(d.LongDate(), QStringLiteral("Mittwoch, 9. Dezember 2026"));
    EXPECT_EQ(d.ShortDate(), QStringLiteral("09.12.26"));
    EXPECT_EQ(d.ShortTime(), QStringLiteral("14:07"));
    EXPECT_EQ(Date(2026, 3, 1).LongDate(), QString::fromUtf8("Sonntag, 1. März 2026"));
}

TEST(DateTest, NewDatesReadTheClock) {
    Clock::setFixed(QDateTime(QDate(2008, 7, 1), QTime(9, 5, 0)));
    const Date d;
    EXPECT_EQ(d.Year(), 2008);
    EXPECT_EQ(d.Hour(), 9);
    EXPECT_EQ(Date::now()->Minute(), 5);
    Clock::useSystemTime();
    EXPECT_GT(Date().Year(), 2020);
}

TEST(ConversionTest, OneConversionForTheWholeProgram) {
    EXPECT_EQ(wholeNumber(15.9), 15);
    EXPECT_EQ(wholeNumber(-2.7), -2);
    EXPECT_EQ(wholeNumber(1e20), std::numeric_limits<int>::max());
    EXPECT_EQ(Str(7), QStringLiteral("7"));
    EXPECT_EQ(Str(-12), QStringLiteral("-12"));
    EXPECT_EQ(Val(QStringLiteral("12")), 12);
    EXPECT_EQ(Val(QStringLiteral(" 42abc")), 42);
    EXPECT_EQ(Val(QStringLiteral("abc")), 0);
    EXPECT_EQ(Val(QString()), 0);
    EXPECT_EQ(Val(QStringLiteral("-3.5")), -3.5);
}

}  // namespace
