#pragma once

#include <vector>

#include "platform/Window.h"

class GroupBox;
class Knopf;
class RadioButton;

// The size sheet: the picture size of the camera window.
class w3 : public Window, public ImplicitWindow<w3> {
    Q_OBJECT
public:
    w3();

    GroupBox *GroupBox1 = nullptr;
    std::vector<RadioButton *> RadioButton1;  // sizes 1 to 5, indexes 0 to 4
    Knopf *Knopf1 = nullptr;

    void RadioButton1_Action(int index);
    void Knopf1_Action();

protected:
    // A close from the window manager does what "Schließen" does.
    void Event_CloseRequest() override { Knopf1_Action(); }
};
