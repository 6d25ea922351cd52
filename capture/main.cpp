#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QTimer>

#include "capture/App.h"
#include "platform/DisplayPlatform.h"
#include "platform/Resources.h"
#include "platform/SingleInstance.h"
#include "platform/TerminationSignals.h"
#include "platform/Window.h"

int main(int argc, char **argv) {
    chooseDisplayPlatform(argc, argv);
    QApplication application(argc, argv);
    // The name the desktop shows (taskbar, window class "Vidolin") and the icon.
    QApplication::setApplicationName(QStringLiteral("Vidolin"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vidolin"));
    QGuiApplication::setDesktopFileName(QStringLiteral("vidolin"));
    if (const PicturePtr icon = programIcon())
        QApplication::setWindowIcon(QIcon(QPixmap::fromImage(icon->image)));

    // Two running copies would share one picture folder: a second start
    // brings the running one to the front and ends.
    SingleInstance single(QStringLiteral("vidolin"));
    if (!single.claim()) return 0;
    single.bringToFront = [] { Window::bringShownWindowsToFront(); };

    // Hidden windows (the program behind its restore button) must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    quitOnTerminationSignals();
    QTimer::singleShot(0, [] { App::Startup(); });
    return application.exec();
}
