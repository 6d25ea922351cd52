#include "publishing/hilfefenster.h"

#include "platform/Canvas.h"
#include "platform/Graphics.h"
#include "platform/Resources.h"
#include "platform/ScrollBar.h"

namespace {

Window::Layout makeLayout() {
    Window::Layout l;
    l.Title = QStringLiteral("Vidolin Hilfe ");
    l.Width = 499;
    l.Height = 616;
    l.FrameKind = Window::Document;
    l.PlacementKind = Window::MainScreen;
    l.HasBackColor = true;
    l.BackColor = QColor(0x8B, 0x89, 0x74);
    l.CloseButton = true;
    l.MinimizeButton = true;
    l.Visible = true;
    return l;
}

// A wheel notch is 120 units of the turn.
constexpr int kNotch = 120;

}  // namespace

hilfefenster::hilfefenster() : Window(makeLayout()) {
    Canvas1 = new Canvas(content());
    Canvas1->place(8, 7, 462, 600);
    Canvas1->onPaint = [this](Graphics &g) { Canvas1_Paint(g); };
    Canvas1->onMouseWheel = [this](int x, int y, int dx, int dy) {
        return Canvas1_MouseWheel(x, y, dx, dy);
    };

    ScrollBar1 = new ScrollBar(content(), Qt::Vertical);
    ScrollBar1->place(476, 7, 16, 600);
    ScrollBar1->setMinimum(0);
    ScrollBar1->setMaximum(1200);
    ScrollBar1->setValue(0);
    ScrollBar1->setLineStep(1);
    ScrollBar1->setPageStep(600);
    ScrollBar1->setLiveScroll(true);
    ScrollBar1->ValueChanged = [this] { ScrollBar1_ValueChanged(); };
    ScrollBar1->MouseWheel = [this](int x, int y, int dx, int dy) {
        return Canvas1_MouseWheel(x, y, dx, dy);
    };
}

void hilfefenster::Canvas1_Paint(Graphics &g) {
    bt = Picture::create(550, 2100);
    bt->graphics().DrawPicture(help(), -50, -100);
    // The band of the scroll bar's current value, so that a paint after
    // scrolling shows what the bar says and not the top of the help.
    showBand(g);
}

void hilfefenster::ScrollBar1_ValueChanged() { showBand(Canvas1->graphics()); }

void hilfefenster::showBand(Graphics &g) {
    const int w = Canvas1->Width();
    const int h = Canvas1->Height();
    const int v = ScrollBar1->Value();
    g.DrawPicture(bt, 0, 0, w, h, 0, v, w, h);
}

bool hilfefenster::Canvas1_MouseWheel(int, int, int, int deltaY) {
    // The bar's line step of one pixel would move the help three pixels a
    // notch; a wheel or touchpad moves it kWheelNotch pixels a notch, and
    // the finer steps of a touchpad add up to the same.
    wheelRest_ += deltaY * kWheelNotch;
    const int pixels = wheelRest_ / kNotch;
    wheelRest_ -= pixels * kNotch;
    ScrollBar1->setValue(ScrollBar1->Value() + pixels);
    return true;
}
