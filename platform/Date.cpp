#include "platform/Date.h"

#include <QLocale>
#include <QRegularExpression>

#include "platform/Clock.h"

namespace {

// Floor division, so that negative values borrow from the larger unit.
long long floorDiv(long long a, long long b) {
    long long q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

const qint64 kEpochJulianDay = QDate(1904, 1, 1).toJulianDay();

// The program speaks German: a system locale without a language (C or
// POSIX) gives German texts; any real system locale is honoured.
QLocale textLocale() {
    QLocale system = QLocale::system();
    if (system.language() == QLocale::C) return QLocale(QLocale::German, QLocale::Germany);
    return system;
}

QString singleBlanks(QString text) {
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return text.replace(blanks, QStringLiteral(" ")).trimmed();
}

}  // namespace

Date::Date() : Date(Clock::now()) {}

Date::Date(const QDateTime &moment) {
    const QDate d = moment.date();
    const QTime t = moment.time();
    normalise(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second());
}

Date::Date(int year, int month, int day, int hour, int minute, int second) {
    normalise(year, month, day, hour, minute, second);
}

void Date::normalise(long long year, long long month, long long day, long long hour,
                     long long minute, long long second) {
    // Carry months into years, then the time of day into days, then days
    // through the calendar.
    year += floorDiv(month - 1, 12);
    month = month - 1 - floorDiv(month - 1, 12) * 12 + 1;
    long long secs = hour * 3600 + minute * 60 + second;
    const long long dayCarry = floorDiv(secs, 86400);
    secs -= dayCarry * 86400;
    const QDate first(static_cast<int>(year), static_cast<int>(month), 1);
    const QDate date = first.addDays(day - 1 + dayCarry);
    year_ = date.year();
    month_ = date.month();
    day_ = date.day();
    hour_ = static_cast<int>(secs / 3600);
    minute_ = static_cast<int>((secs % 3600) / 60);
    second_ = static_cast<int>(secs % 60);
}

int Date::DayOfWeek() const {
    // Qt counts Monday = 1 ... Sunday = 7.
    return QDate(year_, month_, day_).dayOfWeek() % 7 + 1;
}

void Date::setYear(int v) { normalise(v, month_, day_, hour_, minute_, second_); }
void Date::setMonth(int v) { normalise(year_, v, day_, hour_, minute_, second_); }
void Date::setDay(int v) { normalise(year_, month_, v, hour_, minute_, second_); }
void Date::setHour(int v) { normalise(year_, month_, day_, v, minute_, second_); }
void Date::setMinute(int v) { normalise(year_, month_, day_, hour_, v, second_); }
void Date::setSecond(int v) { normalise(year_, month_, day_, hour_, minute_, v); }

double Date::TotalSeconds() const {
    const qint64 days = QDate(year_, month_, day_).toJulianDay() - kEpochJulianDay;
    return static_cast<double>(days) * 86400.0 + hour_ * 3600.0 + minute_ * 60.0 + second_;
}

void Date::setTotalSeconds(double seconds) {
    const long long whole = static_cast<long long>(seconds);
    const long long days = floorDiv(whole, 86400);
    const QDate d = QDate(1904, 1, 1).addDays(days);
    normalise(d.year(), d.month(), d.day(), 0, 0, whole - days * 86400);
}

QString Date::LongDate() const {
    return singleBlanks(textLocale().toString(QDate(year_, month_, day_), QLocale::LongFormat));
}

QString Date::ShortDate() const {
    return singleBlanks(textLocale().toString(QDate(year_, month_, day_), QLocale::ShortFormat));
}

QString Date::ShortTime() const {
    return singleBlanks(textLocale().toString(QTime(hour_, minute_), QLocale::ShortFormat));
}

QDateTime Date::toDateTime() const {
    return QDateTime(QDate(year_, month_, day_), QTime(hour_, minute_, second_));
}
