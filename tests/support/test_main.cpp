#include <gtest/gtest.h>

#include <QApplication>

#include "support/TestHome.h"

int main(int argc, char **argv) {
    TestHome::setUp();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
