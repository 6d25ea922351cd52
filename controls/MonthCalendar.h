#pragma once

#include <QString>

#include <functional>

#include "platform/Canvas.h"
#include "platform/Date.h"

// A drawn month calendar: a grid of 8 rows by 7 columns, cells numbered 1 to
// 56 row by row. Row 0 is the title with the arrows "<" (cell 1) and ">"
// (cell 7), row 1 the weekday initials (Sunday first), rows 2 to 7 the days
// of the shown month. Everything the switch-on and switch-off calendars have
// in common lives here; each of them owns its selected date and its own
// lower bound, applied at the end of every release.
//
// A window places a calendar like any control and runs its open handling
// through RectControl::Open (the window does this for every control it
// creates). The calendar then raises its own events, which the window binds:
// Open, and cellClick(cell, date), which hands out the calendar's own Date
// object, never a copy.
class MonthCalendar : public Canvas {
public:
    explicit MonthCalendar(QWidget *parent = nullptr);

    // Events for the window that places the calendar. This Open is the
    // calendar's own event: it hides RectControl::Open, which the window runs
    // at creation and which the calendar has bound to its open handling.
    std::function<void()> Open;
    std::function<void(int cell, DatePtr date)> cellClick;

    bool MouseDown(int x, int y) override;
    void MouseDrag(int x, int y) override;
    void Paint(Graphics &g) override;
    void MouseMove(int x, int y) override;

protected:
    // Runs once when the window creates the control.
    void Event_Open();

    // The selected date of the concrete calendar (null until the first paint).
    virtual DatePtr &selectedDate() = 0;

    int cellSize() const;
    int withinCell(int x, int y) const;
    void drawCell(Graphics &g, int cell, int x, int y, int w, int h, bool boxed, bool highlighted,
                  const QString &text);
    int returnMonthLength(int month, int year) const;
    void init();
    int gutter() const;

    // The long date from which init takes the month and weekday names.
    virtual QString longDateText(const Date &date) const;

    // The parts of a release that both calendars share: the action on the
    // cell under (x, y), and the return to the selected day's highlight.
    void actOnRelease(int x, int y);
    void endRelease();

private:
    friend struct MonthCalendarInspector;

    int firstDay = 0;
    int lastDay = 0;
    int theHighlight = 0;
    QString textFont = QStringLiteral("Lucida Grande");
    QString monthList;
    QString weekList;
};
