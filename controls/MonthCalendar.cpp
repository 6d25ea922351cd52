#include "controls/MonthCalendar.h"

#include <QRegularExpression>
#include <QStringList>

#include "platform/Conversion.h"

namespace {

const QColor kTextColour(0x00, 0x00, 0x00);
const QColor kTitleColour(0x76, 0x74, 0x5F);  // title, initials, frame of the highlight
const QColor kHighlightFill(0xAC, 0xA9, 0x8F);
const QColor kCellFill(0xCD, 0xC9, 0xA9);
const QColor kOuterFrame(0xE6, 0xE2, 0xBE);

const QString kFallbackMonths =
    QStringLiteral("Jan Feb March April May June July Aug Sept Oct Nov Dec");
const QString kFallbackWeekdays = QStringLiteral("SMTWTFS");

// The n-th piece (from 1) of text split at every separator; empty past the end.
QString nthField(const QString &text, const QString &separator, int n) {
    return text.split(separator, Qt::KeepEmptyParts).value(n - 1);
}

// A text that reads as a number, such as "9", "9." or "-1.5e3".
bool isNumeric(const QString &text) {
    static const QRegularExpression number(
        QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?\\s*$"));
    return number.match(text).hasMatch();
}

// The first letter of every word in capitals, all other letters small.
QString titlecase(const QString &text) {
    QString result = text;
    bool wordStart = true;
    for (QChar &c : result) {
        if (c.isLetter()) {
            c = wordStart ? c.toUpper() : c.toLower();
            wordStart = false;
        } else {
            wordStart = true;
        }
    }
    return result;
}

}  // namespace

MonthCalendar::MonthCalendar(QWidget *parent) : Canvas(parent) {
    // The window runs RectControl::Open for every control it creates.
    RectControl::Open = [this] { Event_Open(); };
}

void MonthCalendar::Event_Open() {
    // The first paint turns -1 into the selected day's cell.
    theHighlight = -1;
    init();
    if (Open) Open();
    // No date exists before the first paint: the window gets none and sets its own.
    if (cellClick) cellClick(0, selectedDate());
}

int MonthCalendar::gutter() const { return wholeNumber((Width() / 8.0) * 0.08); }

int MonthCalendar::cellSize() const { return wholeNumber((Width() - 8 * gutter()) / 7.0); }

int MonthCalendar::withinCell(int x, int y) const {
    const int gap = gutter();
    const int size = cellSize();
    int cell = 0;
    for (int row = 0; row <= 7; ++row) {
        for (int column = 0; column <= 6; ++column) {
            ++cell;
            const int left = gap * (column + 1) + size * column;
            const int top = gap * (row + 1) + size * row;
            if (left <= x && x <= left + size && top <= y && y <= top + size) return cell;
        }
    }
    return 0;
}

void MonthCalendar::drawCell(Graphics &g, int, int x, int y, int w, int h, bool boxed,
                             bool highlighted, const QString &text) {
    if (boxed) {
        if (highlighted) {
            g.ForeColor = kHighlightFill;
            g.FillRect(x, y, w, h);
            g.ForeColor = kTitleColour;
            g.DrawRect(x, y, w, h);
        } else {
            g.ForeColor = kCellFill;
            g.FillRect(x, y, w, h);
        }
        g.ForeColor = kOuterFrame;
        g.DrawRect(x - 1, y - 1, w + 2, h + 2);
        g.ForeColor = kTextColour;
    }
    const int tx = wholeNumber((w - g.StringWidth(text)) / 2);
    const int ty = wholeNumber((h - g.StringHeight(text, w)) / 2.0);
    g.DrawString(text, x + tx, wholeNumber((y + h - ty) - h * 0.15));
}

int MonthCalendar::returnMonthLength(int month, int year) const {
    // Probe with a working date: a day past the month's end carries into the
    // next month and so no longer reads back as set. Day 1 first, so that
    // setting the month cannot overflow from the current day.
    Date probe;
    probe.setDay(1);
    probe.setMonth(month);
    probe.setYear(year);
    probe.setDay(28);
    int i = 28;
    while (probe.Day() == i) {
        ++i;
        probe.setDay(i);
    }
    return i - 1;
}

QString MonthCalendar::longDateText(const Date &date) const { return date.LongDate(); }

void MonthCalendar::init() {
    // On day 1 a change of month never carries into another month.
    Date working;
    working.setDay(1);

    monthList.clear();
    for (int i = 1; i <= 12; ++i) {
        working.setMonth(i);
        const QString longDate = longDateText(working);
        QString s = nthField(longDate, QStringLiteral(" "), 2);
        if (isNumeric(s) || s.length() < 3) s = nthField(longDate, QStringLiteral(" "), 3);
        if (isNumeric(s)) {
            monthList = kFallbackMonths;
            break;
        }
        if (s.length() > 6) s = s.left(3);
        monthList += s + QLatin1Char(' ');
    }

    // The first Sunday among days 2 to 8, then one day at a time.
    weekList.clear();
    working.setDay(1);
    do {
        working.setDay(working.Day() + 1);
    } while (working.DayOfWeek() != 1);
    for (int i = 0; i < 7; ++i) {
        const QString s = nthField(longDateText(working), QStringLiteral(" "), 1);
        if (isNumeric(s)) {
            weekList = kFallbackWeekdays;
            break;
        }
        weekList += s.left(1);
        working.setDay(working.Day() + 1);
    }

    monthList = titlecase(monthList);
    weekList = weekList.toUpper();
}

void MonthCalendar::Paint(Graphics &g) {
    DatePtr &theDate = selectedDate();
    if (!theDate) theDate = std::make_shared<Date>();

    Date first;
    first.setDay(1);
    first.setMonth(theDate->Month());
    first.setYear(theDate->Year());
    firstDay = first.DayOfWeek() + 14;
    lastDay = returnMonthLength(theDate->Month(), theDate->Year());

    // Only an arrow or a day of the shown month stays highlighted; anything
    // else (nothing, the title, the initials, an empty cell) falls back to
    // the selected day.
    const bool arrow = theHighlight == 1 || theHighlight == 7;
    const bool shownDay = firstDay <= theHighlight && theHighlight <= firstDay + lastDay - 1;
    if (!arrow && !shownDay) theHighlight = theDate->Day() + firstDay - 1;

    g.ForeColor = kTextColour;

    // The largest size at which "30" fits a cell; a control too narrow for
    // any size gives up after 51 reductions and takes 6.
    const int cs = cellSize();
    const int gap = gutter();
    const double avail = cs - 2 * gap;
    g.TextFont = textFont;
    g.TextSize = cs;
    int reductions = 0;
    while (avail < g.StringWidth(QStringLiteral("30"))) {
        g.TextSize -= 1;
        ++reductions;
        if (reductions > 50) {
            g.TextSize = 6;
            break;
        }
    }

    g.Bold = true;
    const QString year = Str(theDate->Year());
    const QString title = nthField(monthList, QStringLiteral(" "), theDate->Month()) +
                          QStringLiteral(" '") + year.right(2);
    const int titleX = wholeNumber((g.Width() - g.StringWidth(title)) / 2);
    const int titleY = wholeNumber((gap + cs) - (cs - g.StringHeight(title, g.Width())) / 2.0);
    g.ForeColor = kTitleColour;
    g.DrawString(title, titleX, titleY);
    g.Bold = false;

    int cell = 0;
    int day = 0;
    for (int row = 0; row <= 7; ++row) {
        for (int column = 0; column <= 6; ++column) {
            ++cell;
            if (cell >= firstDay) ++day;
            const int left = gap * (column + 1) + cs * column;
            const int top = gap * (row + 1) + cs * row;
            if (cell == 1) {
                drawCell(g, cell, left, top, cs, cs, true, theHighlight == 1, QStringLiteral("<"));
            } else if (cell == 7) {
                drawCell(g, cell, left, top, cs, cs, true, theHighlight == 7, QStringLiteral(">"));
            } else if (cell >= 8 && cell <= 14) {
                g.ForeColor = kTitleColour;
                drawCell(g, cell, left, top, cs, cs, false, false, weekList.mid(cell - 8, 1));
            } else if (cell >= 15 && cell >= firstDay && day <= lastDay) {
                drawCell(g, cell, left, top, cs, cs, true, cell == theHighlight, Str(day));
            }
        }
    }
}

bool MonthCalendar::MouseDown(int, int) {
    // Taking the press brings the drag and the release here; the press
    // itself selects nothing.
    return true;
}

void MonthCalendar::MouseDrag(int x, int y) {
    // Before the first paint there is no month to point at.
    if (!selectedDate()) return;
    theHighlight = withinCell(x, y);
    Refresh(true);
}

void MonthCalendar::MouseMove(int, int) {
    if (!selectedDate()) return;
    setToolTip(selectedDate()->LongDate());
}

void MonthCalendar::actOnRelease(int x, int y) {
    DatePtr &theDate = selectedDate();
    const int cell = withinCell(x, y);
    if (firstDay <= cell && cell <= firstDay + lastDay - 1) {
        // In place: the window holds this very object.
        theDate->setDay(cell - firstDay + 1);
        if (cellClick) cellClick(cell, theDate);
    } else if (1 < cell && cell < 7) {
        theDate = std::make_shared<Date>();
        if (cellClick) cellClick(cell, theDate);
    } else if (cell == 1) {
        // Month 0 carries into December of the year before.
        theDate->setMonth(theDate->Month() - 1);
        if (cellClick) cellClick(1, theDate);
    } else if (cell == 7) {
        theDate->setMonth(theDate->Month() + 1);
        if (cellClick) cellClick(7, theDate);
    }
}

void MonthCalendar::endRelease() {
    theHighlight = 0;
    Refresh(true);
}
