#pragma once

#include "platform/Window.h"

// The control panel (default window of the program).
class Window1 : public Window, public ImplicitWindow<Window1> {
    Q_OBJECT
public:
    Window1();

    int gross = 0;
    int zz = 0;
    int wx = 0;
    int wy = 0;

protected:
    void Event_Open() override;
};
