#pragma once

#include <QDateTime>
#include <QString>

#include <memory>

class Date;
// Dates are shared objects: whoever holds a DatePtr sees every change made
// through another holder of the same object.
using DatePtr = std::shared_ptr<Date>;

// A local date and time. Setting a field beyond its range carries into the
// next larger unit (day 32 is a day of the next month, month 13 January of the
// next year, minute 60 the next hour), as the calendars rely on.
class Date {
public:
    // The current moment of the program's clock.
    Date();
    explicit Date(const QDateTime &moment);
    Date(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

    static DatePtr now() { return std::make_shared<Date>(); }

    int Year() const { return year_; }
    int Month() const { return month_; }
    int Day() const { return day_; }
    int Hour() const { return hour_; }
    int Minute() const { return minute_; }
    int Second() const { return second_; }
    // 1 = Sunday ... 7 = Saturday.
    int DayOfWeek() const;

    void setYear(int v);
    void setMonth(int v);
    void setDay(int v);
    void setHour(int v);
    void setMinute(int v);
    void setSecond(int v);

    // Seconds since 1 January 1904, 00:00 local time (wall-clock seconds).
    double TotalSeconds() const;
    void setTotalSeconds(double seconds);

    // Texts of the system locale, German where the system names no language.
    QString LongDate() const;
    QString ShortDate() const;
    QString ShortTime() const;

    QDateTime toDateTime() const;

private:
    void normalise(long long year, long long month, long long day, long long hour, long long minute,
                   long long second);
    int year_ = 1904, month_ = 1, day_ = 1, hour_ = 0, minute_ = 0, second_ = 0;
};
