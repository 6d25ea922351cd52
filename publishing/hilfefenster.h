#pragma once

#include "platform/Picture.h"
#include "platform/Window.h"

class Canvas;
class Graphics;
class ScrollBar;

// The help window: the tall help picture in a fixed canvas with a vertical
// scroll bar. The picture is drawn once per paint into the buffer bt; the
// scroll bar copies the band of bt that starts at its value into the canvas.
class hilfefenster : public Window, public ImplicitWindow<hilfefenster> {
    Q_OBJECT
public:
    hilfefenster();

    // The help picture from (50, 100) on; rebuilt at every paint.
    PicturePtr bt;

    Canvas *Canvas1 = nullptr;
    ScrollBar *ScrollBar1 = nullptr;

    void Canvas1_Paint(Graphics &g);
    void ScrollBar1_ValueChanged();
    // The wheel or touchpad over the help: moves the scroll bar.
    bool Canvas1_MouseWheel(int x, int y, int deltaX, int deltaY);

    // Pixels the help moves for one notch of the mouse wheel.
    static constexpr int kWheelNotch = 60;

private:
    // Copies the buffer's band from row v into the canvas.
    void showBand(Graphics &g);

    // The part of a wheel turn too small for a whole pixel yet.
    int wheelRest_ = 0;
};
