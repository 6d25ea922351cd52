#include <gtest/gtest.h>

#include <QCoreApplication>

#include "support/TestHome.h"

// The main of the tests that need no window system: dates, files, the
// preferences file, the curl command line. Linking this instead of the
// QApplication main keeps those tests free of Qt Widgets.
int main(int argc, char **argv) {
    TestHome::setUp();
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
