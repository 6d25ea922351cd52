#include "capture/w2.h"

#include <QHideEvent>
#include <QShowEvent>

#include <algorithm>

#include "capture/MenuBar1.h"
#include "capture/PictureSize.h"
#include "capture/Startmodul.h"
#include "capture/Window1.h"
#include "platform/Application.h"
#include "platform/CamCapture.h"
#include "platform/Graphics.h"
#include "platform/Screen.h"
#include "platform/Timer.h"

namespace {
Window::Layout makeLayout() {
    Window::Layout l;
    l.Title = QStringLiteral("Vidolin");
    l.Width = 1290;
    l.Height = 1034;
    l.FrameKind = Window::Document;
    l.PlacementKind = Window::CentredOnScreen;
    l.HasBackColor = true;
    l.BackColor = QColor(0xAC, 0xA9, 0x8F);
    l.Visible = true;
    l.CloseButton = false;
    l.MinimizeButton = true;
    return l;
}
}  // namespace

w2::w2() : Window(makeLayout()) {
    setMenuBar(&MenuBar1::instance());
    paintsItself_ = true;

    cam = new CamCapture(content());
    cam->setObjectName(QStringLiteral("cam"));
    cam->place(5, 5, 720, 576);
    cam->Open = [this] { cam_Open(); };
    cam->Close = [this] { cam_Close(); };
    // A movie that cannot be written ends as "Stop" would end it.
    cam->MovieFailed = [] { Window1::instance().stopMovie(); };

    runner = new Timer(this, 0, 2);
    runner->Action = [this] { runner_Action(); };
}

void w2::cam_Open() {
    const QSize size = pictureSizeFor(Window1::instance().gross);
    if (size.isValid()) {
        cam->setWidth(size.width());
        cam->setHeight(size.height());
    }
    // The window takes its final size before it is first shown, so that it is
    // centred at that size.
    fitToPicture();
    cam->OpenCam(Startmodul::bildname, Startmodul::tonname);
}

void w2::cam_Close() { cam->CloseCam(); }

void w2::runner_Action() {
    if (auto *control = content()->findChild<CamCapture *>(QStringLiteral("cam")))
        control->Reload();
}

void w2::fitToPicture() {
    const QSize size = pictureSizeFor(Window1::instance().gross);
    if (!size.isValid()) return;
    // Only a real change resizes: a resize asked from within a paint must not
    // start another paint.
    if (Width() != size.width() + 10) setWidth(size.width() + 10);
    if (Height() != size.height() + 10) setHeight(size.height() + 10);
}

void w2::Event_CloseRequest() { Quit(); }

void w2::Event_Paint(Graphics &g) {
    fitToPicture();
    g.ForeColor = Qt::black;
    g.DrawRect(4, 4, Width() - 8, Height() - 8);

    // Dock the control panel 10 pixels to the right, at the same top; its
    // right edge is kept on the main screen and its top within the usable
    // area, so its red dot, "?" and "Größe" stay reachable.
    Window1 &panel = Window1::instance();
    const int left = std::min(Screen(0).Width - panel.Width(), Left() + Width() + 10);
    const int top = std::max(Screen(0).AvailableTop, Top());
    if (panel.Left() != left) panel.setLeft(left);
    if (panel.Top() != top) panel.setTop(top);
    panel.Show();
}

void w2::showEvent(QShowEvent *event) {
    Window::showEvent(event);
    if (!event->spontaneous()) rest(false);
}

void w2::hideEvent(QHideEvent *event) {
    Window::hideEvent(event);
    // Hidden by the program (behind the restore window), not minimised by the user.
    if (!event->spontaneous()) rest(true);
}

void w2::rest(bool resting) {
    runner->setMode(resting ? 0 : 2);
    cam->setAsleep(resting);
}
