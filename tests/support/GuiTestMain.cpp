#include <gtest/gtest.h>

#include <QApplication>
#include <QtGlobal>

#include "support/TestHome.h"

namespace {
// The offscreen platform cannot raise windows and says so at every Show.
void quietMessages(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    qt_message_output(type, context, message);
}
}  // namespace

int main(int argc, char **argv) {
    qInstallMessageHandler(quietMessages);
    TestHome::setUp();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
