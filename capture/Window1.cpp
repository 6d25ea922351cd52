#include "capture/Window1.h"

namespace {
Window::Layout makeLayout() {
    Window::Layout l;
    l.Title = QStringLiteral("Kamera");
    l.Width = 130;
    l.Height = 262;
    l.FrameKind = Window::PlainBox;
    l.HasBackColor = true;
    l.BackColor = Qt::white;
    l.Visible = false;
    return l;
}
}  // namespace

Window1::Window1() : Window(makeLayout()) {}

void Window1::Event_Open() { gross = 3; }
