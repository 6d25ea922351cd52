#pragma once

#include <vector>

#include "platform/Window.h"

class Canvas;
class Knopf;
class PagePanel;
class Rectangle;
class StaticText;
class Timer;

// The control panel: a frameless panel docked beside the camera window, with
// three pages (the buttons, the running movie, the running schedule), the
// two schedule timers, the red dot that hides the program and the help mark.
// It is the program's default window: its Open handler carries start-up on,
// and its Close handler gives the picture folder its dated name at quit.
class Window1 : public Window, public ImplicitWindow<Window1> {
    Q_OBJECT
public:
    Window1();

    int gross = 0;  // picture size code, 1 to 5
    int zz = 0;     // number of the last movie
    int wx = 0;     // the press that starts a drag, in window coordinates
    int wy = 0;

    Rectangle *Rectangle1 = nullptr;
    PagePanel *PagePanel1 = nullptr;
    std::vector<Knopf *> Knopf1;  // "Größe", "Bild", "Ton"
    Knopf *Knopf2_1 = nullptr;    // "Zeit", the only member (index 1) of Knopf2
    std::vector<Knopf *> Knopf3;  // "Film", "Foto"
    Knopf *stop = nullptr;
    StaticText *stoptext = nullptr;
    Knopf *stop1 = nullptr;
    std::vector<StaticText *> tschreib;  // the six status lines
    Canvas *aus = nullptr;
    StaticText *StaticText1 = nullptr;
    Timer *t_timer = nullptr;
    Timer *t_timer1 = nullptr;

    void PagePanel1_Change();
    void Knopf1_Action(int index);
    void Knopf2_Action(int index);
    void Knopf3_Action(int index);
    void stop_Action();
    // Ends a recording movie as its "Stop" does; nothing when none records.
    // The camera calls it when it cannot write the movie, the schedule sheet
    // before its status page takes the place of the movie's "Stop".
    void stopMovie();
    void stop1_Action();
    bool aus_MouseDown(int x, int y);
    bool StaticText1_MouseDown(int x, int y);
    void t_timer_Action();
    void t_timer1_Action();

    // The window's own events (public, so that tests can drive a drag).
    void Event_Open() override;
    bool Event_MouseDown(int x, int y) override;
    void Event_MouseDrag(int x, int y) override;
    void Event_Close() override;
    void Event_CloseRequest() override;
};
