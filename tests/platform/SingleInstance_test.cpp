#include <gtest/gtest.h>

#include <QFile>

#include <memory>

#include "platform/SingleInstance.h"
#include "support/Files.h"
#include "support/Gui.h"

namespace {

TEST(SingleInstance, OneCopyRunsALaterStartCallsItToTheFrontAndTheLockEndsWithIt) {
    // A socket file left by a copy that did not end cleanly is no obstacle.
    ASSERT_TRUE(writeFile(SingleInstance::runtimeFolder() + "/vidolin.socket", "stale"));

    auto running = std::make_unique<SingleInstance>(QStringLiteral("vidolin"));
    int calls = 0;
    running->bringToFront = [&] { ++calls; };
    ASSERT_TRUE(running->claim());

    SingleInstance second(QStringLiteral("vidolin"));
    EXPECT_FALSE(second.claim());
    EXPECT_TRUE(waitUntil([&] { return calls == 1; }));

    running.reset();
    SingleInstance next(QStringLiteral("vidolin"));
    EXPECT_TRUE(next.claim());
}

}  // namespace
