#include <gtest/gtest.h>

#include "platform/DisplayPlatform.h"

namespace {

TEST(DisplayPlatform, AWaylandSessionRunsOnXWaylandUnlessTheUserChose) {
    struct Case {
        DisplayEnvironment env;
        const char *expected;
    };
    const Case cases[] = {
        {{"", "wayland", "wayland-0", ":0", false}, "xcb"},
        {{"", "", "wayland-0", ":0", false}, "xcb"},             // only the socket says it
        {{"wayland", "wayland", "wayland-0", ":0", false}, ""},  // the user's variable
        {{"", "wayland", "wayland-0", ":0", true}, ""},          // the user's -platform
        {{"", "wayland", "wayland-0", "", false}, ""},           // no XWayland to run on
        {{"", "x11", "", ":0", false}, ""},                      // an X11 session as it is
    };
    for (const Case &c : cases)
        EXPECT_EQ(displayPlatformFor(c.env), QByteArray(c.expected))
            << c.env.sessionType.constData() << " " << c.env.x11Display.constData();
}

}  // namespace
