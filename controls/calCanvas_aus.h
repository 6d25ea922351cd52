#pragma once

#include "controls/MonthCalendar.h"

// The switch-off day picker. It is bounded below by the switch-on date
// object that the module holds when the pointer enters: a selected moment
// before it is moved to the same moment, and the switch-on object itself is
// handed out, so that the switch-off day then follows the switch-on day.
class calCanvas_aus : public MonthCalendar {
public:
    explicit calCanvas_aus(QWidget *parent = nullptr);

    void MouseEnter() override;
    void MouseUp(int x, int y) override;

protected:
    DatePtr &selectedDate() override { return theDate1; }

private:
    DatePtr theDate1;
    DatePtr ein;
};
