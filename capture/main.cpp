#include <QApplication>
#include <QTimer>

#include "capture/App.h"
#include "platform/TerminationSignals.h"

int main(int argc, char **argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vidolin"));
    // Hidden windows (the program behind its restore button) must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    quitOnTerminationSignals();
    QTimer::singleShot(0, [] { App::Startup(); });
    return application.exec();
}
