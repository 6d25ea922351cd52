#include "platform/Application.h"

#include <QCoreApplication>

#include "platform/MenuBar.h"
#include "platform/Window.h"

namespace {
Application *registered = nullptr;
}

Application::Application() { registered = this; }

Application::~Application() {
    if (registered == this) registered = nullptr;
}

Application *Application::instance() { return registered; }

void Application::setMenuBar(MenuBar *menuBar) {
    menuBar_ = menuBar;
    if (!menuBar) return;
    for (Window *w : Window::openWindows()) w->addActions(menuBar->shortcutActions());
}

void Application::Quit() {
    if (quitting_) return;
    quitting_ = true;
    if (Event_CancelClose()) {
        quitting_ = false;
        return;
    }
    // Newest first: the camera window ends its recording before the control
    // panel, the first window, gives the picture folder its final name.
    auto windows = Window::openWindows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) (*it)->Close();
    Event_Close();
    QCoreApplication::quit();
}

void Quit() {
    if (Application *app = Application::instance())
        app->Quit();
    else
        QCoreApplication::quit();
}
