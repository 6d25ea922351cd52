#include "controls/calCanvas_ein.h"

calCanvas_ein::calCanvas_ein(QWidget *parent) : MonthCalendar(parent) {}

void calCanvas_ein::MouseUp(int x, int y) {
    // Nothing is selected before the first paint.
    if (!theDate) return;
    // The bound is the moment of the release, taken before the click acts.
    const double now = Date().TotalSeconds();
    actOnRelease(x, y);
    if (theDate->TotalSeconds() < now) {
        theDate = Date::now();
        if (cellClick) cellClick(0, theDate);
    }
    endRelease();
}
