#include "capture/ausfenster.h"

#include "capture/Window1.h"
#include "capture/w2.h"
#include "controls/Knopf.h"

namespace {
Window::Layout makeLayout() {
    Window::Layout l;
    l.Title = QStringLiteral("Ohne Titel");
    l.Width = 110;
    l.Height = 30;
    l.FrameKind = Window::PlainBox;
    l.PlacementKind = Window::DefaultPlacement;
    l.HasBackColor = false;
    l.Visible = true;
    return l;
}
}  // namespace

ausfenster::ausfenster() : Window(makeLayout()) {
    Knopf1 = new Knopf(content(), QStringLiteral("Vidolin"), KnopfLook::dark());
    Knopf1->place(0, 0, 110, 30);
    Knopf1->Action = [this] { Knopf1_Action(); };
}

void ausfenster::Knopf1_Action() {
    Window1::instance().setVisible_(true);
    w2::instance().setVisible_(true);
    Close();
}
