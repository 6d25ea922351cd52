#pragma once

#include <QObject>

class MenuBar;

// The application object. Quit asks it first (Event_CancelClose may refuse),
// then closes every window, newest first, then runs Event_Close and ends the
// event loop.
class Application : public QObject {
    Q_OBJECT
public:
    Application();
    ~Application() override;

    // The registered application object; null before one exists.
    static Application *instance();

    void Quit();
    bool isQuitting() const { return quitting_; }

    // The program's menu bar; every window takes its shortcuts.
    void setMenuBar(MenuBar *menuBar);
    MenuBar *menuBar() const { return menuBar_; }

protected:
    virtual bool Event_CancelClose() { return false; }
    virtual void Event_Close() {}

private:
    bool quitting_ = false;
    MenuBar *menuBar_ = nullptr;
};

// Quits the program through the application object.
void Quit();
