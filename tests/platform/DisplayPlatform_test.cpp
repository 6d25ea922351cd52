#include <gtest/gtest.h>

#include "platform/DisplayPlatform.h"

namespace {

TEST(DisplayPlatform, AWaylandSessionRunsOnXWaylandUnlessTheUserChose) {
    DisplayEnvironment wayland;
    wayland.sessionType = "wayland";
    wayland.waylandDisplay = "wayland-0";
    wayland.x11Display = ":0";
    EXPECT_EQ(displayPlatformFor(wayland), QByteArray("xcb"));

    DisplayEnvironment onlySocket = wayland;  // no session type, only the socket
    onlySocket.sessionType.clear();
    EXPECT_EQ(displayPlatformFor(onlySocket), QByteArray("xcb"));

    // The user's own choice stays, by variable or by argument.
    DisplayEnvironment chosen = wayland;
    chosen.qpaPlatform = "wayland";
    EXPECT_TRUE(displayPlatformFor(chosen).isEmpty());
    DisplayEnvironment argument = wayland;
    argument.platformArgument = true;
    EXPECT_TRUE(displayPlatformFor(argument).isEmpty());

    // Without XWayland Qt keeps Wayland; an X11 session is left as it is.
    DisplayEnvironment noXWayland = wayland;
    noXWayland.x11Display.clear();
    EXPECT_TRUE(displayPlatformFor(noXWayland).isEmpty());
    DisplayEnvironment x11;
    x11.sessionType = "x11";
    x11.x11Display = ":0";
    EXPECT_TRUE(displayPlatformFor(x11).isEmpty());
}

}  // namespace
