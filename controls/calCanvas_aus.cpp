#include "controls/calCanvas_aus.h"

#include "capture/Startmodul.h"

calCanvas_aus::calCanvas_aus(QWidget *parent) : MonthCalendar(parent) {}

void calCanvas_aus::MouseEnter() {
    // The object itself, not a copy: a change of the switch-on day in the
    // other calendar moves the bound at once.
    ein = Startmodul::d_ein;
}

void calCanvas_aus::MouseUp(int x, int y) {
    // Nothing is selected before the first paint, and there is no bound
    // before the pointer has entered.
    if (!theDate1 || !ein) return;
    actOnRelease(x, y);
    if (theDate1->TotalSeconds() < ein->TotalSeconds()) {
        theDate1->setTotalSeconds(ein->TotalSeconds());
        if (cellClick) cellClick(0, ein);
    }
    endRelease();
}
