#include "platform/Screen.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

ScreenInfo Screen(int index) {
    ScreenInfo info;
    const auto screens = QGuiApplication::screens();
    if (screens.isEmpty()) return info;
    QScreen *screen =
        (index >= 0 && index < screens.size()) ? screens[index] : QGuiApplication::primaryScreen();
    if (index == 0) screen = QGuiApplication::primaryScreen();
    const QRect full = screen->geometry();
    const QRect available = screen->availableGeometry();
    info.Left = full.x();
    info.Top = full.y();
    info.Width = full.width();
    info.Height = full.height();
    info.AvailableLeft = available.x();
    info.AvailableTop = available.y();
    info.AvailableWidth = available.width();
    info.AvailableHeight = available.height();
    return info;
}

namespace System {
int MouseX() { return QCursor::pos().x(); }
int MouseY() { return QCursor::pos().y(); }
}  // namespace System
