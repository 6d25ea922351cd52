#pragma once

#include "platform/Window.h"

class CamCapture;
class Timer;

// The camera window: the live picture at the chosen size, framed in black,
// with the control panel docked at its right.
class w2 : public Window, public ImplicitWindow<w2> {
    Q_OBJECT
public:
    w2();

    CamCapture *cam = nullptr;
    Timer *runner = nullptr;

    void cam_Open();
    void cam_Close();
    void runner_Action();

protected:
    void Event_Paint(Graphics &g) override;
    // A close from the window manager quits the program, as "Beenden" does.
    void Event_CloseRequest() override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    // Gives the window the size of the picture plus a 5-pixel margin; a size
    // code outside 1 to 5 leaves it as it is.
    void fitToPicture();
    // While the program hides, the live picture rests: no refresh, and the
    // camera's source stops unless a movie records.
    void rest(bool resting);
};
