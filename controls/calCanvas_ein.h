#pragma once

#include "controls/MonthCalendar.h"

// The switch-on day picker. A selected moment that lies before a release is
// moved to the current moment, so a click on today selects the time of day
// of the click.
class calCanvas_ein : public MonthCalendar {
public:
    explicit calCanvas_ein(QWidget *parent = nullptr);

    void MouseUp(int x, int y) override;

protected:
    DatePtr &selectedDate() override { return theDate; }

    // Unused: this calendar's bound is the moment of the release, not an object.
    DatePtr ein;

private:
    DatePtr theDate;
};
