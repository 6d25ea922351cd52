#pragma once

#include <QByteArray>

// The program places its own windows (the docked panel, the restore window
// in the top-left corner, dragging the panel), which only X11 allows. On a
// Wayland session it therefore runs on the X11 plugin (XWayland), unless the
// user chose a platform.

// What one start finds in its environment.
struct DisplayEnvironment {
    QByteArray qpaPlatform;         // QT_QPA_PLATFORM
    QByteArray sessionType;         // XDG_SESSION_TYPE
    QByteArray waylandDisplay;      // WAYLAND_DISPLAY
    QByteArray x11Display;          // DISPLAY
    bool platformArgument = false;  // "-platform" on the command line
};

// The platform plugin to ask Qt for; empty leaves Qt's own choice.
QByteArray displayPlatformFor(const DisplayEnvironment &env);

// Reads the environment and the command line and sets QT_QPA_PLATFORM where
// the rule above asks for it. Runs before the application object exists.
void chooseDisplayPlatform(int argc, char **argv);
