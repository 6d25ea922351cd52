#pragma once

#include "platform/Window.h"

class Knopf;

// The restore window: stands in for the hidden program at the top-left of
// the screen; its button brings the panel and the camera window back.
class ausfenster : public Window, public ImplicitWindow<ausfenster> {
    Q_OBJECT
public:
    ausfenster();

    Knopf *Knopf1 = nullptr;

    void Knopf1_Action();

protected:
    // A close from the window manager does what the button does.
    void Event_CloseRequest() override { Knopf1_Action(); }
};
