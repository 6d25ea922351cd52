#pragma once

#include <vector>

#include "platform/Window.h"

class CamCapture;
class Canvas;
class GroupBox;
class Knopf;
class RadioButton;
class StaticText;

// The input choice: lists the camera control's video and sound inputs, and
// on "weiter" keeps the chosen names and opens the camera window.
class w1 : public Window, public ImplicitWindow<w1> {
    Q_OBJECT
public:
    w1();

    GroupBox *GroupBox1 = nullptr;
    GroupBox *GroupBox2 = nullptr;
    std::vector<RadioButton *> v;  // video inputs, indexes 0 to 3
    std::vector<RadioButton *> t;  // sound inputs, indexes 0 to 4
    Knopf *Knopf1 = nullptr;
    CamCapture *cam1 = nullptr;
    StaticText *StaticText2 = nullptr;
    Canvas *Canvas1 = nullptr;

    void Knopf1_Action();
    void cam1_Close();

protected:
    void Event_Open() override;
    void Event_Close() override;
};
