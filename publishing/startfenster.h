#pragma once

#include "platform/Window.h"

class Canvas;
class Knopf;
class StaticText;

// The start window: greets a user who has no preferences file yet with the
// start picture, the home-page link and one sentence, and its button leads
// to the settings window.
class startfenster : public Window, public ImplicitWindow<startfenster> {
    Q_OBJECT
public:
    startfenster();

    StaticText *StaticText3 = nullptr;
    StaticText *hometext = nullptr;
    Knopf *starteinstellung = nullptr;
    Canvas *Canvas1 = nullptr;

    bool hometext_MouseDown(int x, int y);
    void hometext_MouseUp(int x, int y);
    void starteinstellung_Action();
};
