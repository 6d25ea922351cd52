#include "platform/DisplayPlatform.h"

#include <QtGlobal>

#include <cstring>

QByteArray displayPlatformFor(const DisplayEnvironment &env) {
    if (!env.qpaPlatform.isEmpty() || env.platformArgument) return QByteArray();
    const bool wayland = env.sessionType == "wayland" || !env.waylandDisplay.isEmpty();
    // Without an X server (no XWayland) the X11 plugin could not start at all.
    if (wayland && !env.x11Display.isEmpty()) return QByteArrayLiteral("xcb");
    return QByteArray();
}

void chooseDisplayPlatform(int argc, char **argv) {
    DisplayEnvironment env;
    env.qpaPlatform = qgetenv("QT_QPA_PLATFORM");
    env.sessionType = qgetenv("XDG_SESSION_TYPE");
    env.waylandDisplay = qgetenv("WAYLAND_DISPLAY");
    env.x11Display = qgetenv("DISPLAY");
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            env.platformArgument = true;
    const QByteArray platform = displayPlatformFor(env);
    if (!platform.isEmpty()) qputenv("QT_QPA_PLATFORM", platform);
}
