#include "capture/App.h"

#include <QAction>

#include "capture/MenuBar1.h"
#include "capture/Window1.h"
#include "platform/Scripts.h"
#include "publishing/Einstellung.h"
#include "publishing/StartWindowHook.h"
#include "publishing/startfenster.h"

App *App::get() { return qobject_cast<App *>(Application::instance()); }

void App::Startup() {
    // The application object, with the menu bar that its windows share.
    auto *app = new App;
    MenuBar1 &bar = MenuBar1::instance();
    QObject::connect(bar.Item(QStringLiteral("FileQuit")), &QAction::triggered, app,
                     [app] { app->Quit(); });
    // The handler of "Einstellungen".
    QObject::connect(bar.Item(QStringLiteral("AblageEinstellungen")), &QAction::triggered, app,
                     [app] { app->_AblageEinstellungen_Action(); });
    // Reading the preferences shows the start window when there are none.
    StartWindowHook::set([] { startfenster::instance().Show(); });
    // The default window, created hidden; its Open handler shows the input
    // choice, makes the picture folder and reads the preferences.
    Window1::instance();
}

bool App::Event_CancelClose() {
    micro_ein();
    Laut_ein();
    return false;  // a quit is never refused
}

void App::Event_Close() {
    micro_ein();
    Laut_ein();
}

bool App::_AblageEinstellungen_Action() {
    // The one settings window: made on first use, else brought to the front
    // with its fields as the user left them.
    Einstellung::instance().Show();
    return true;
}
