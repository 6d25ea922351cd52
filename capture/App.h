#pragma once

#include "platform/Application.h"

// The application object: its menu bar, its one menu handler (the settings
// window) and its two quit hooks, which switch microphone and sound output
// back on.
class App : public Application {
    Q_OBJECT
public:
    // The registered application object.
    static App *get();

    // The start-up sequence, run once the event loop can start: the
    // application object with its menu bar, the menu handler, and the hidden
    // default window, whose Open handler carries start-up on.
    static void Startup();

    bool Event_CancelClose() override;
    void Event_Close() override;
    // Named after its menu item, as the menu table binds it; the leading
    // underscore stays clear of any name the compiler or library defines.
    bool _AblageEinstellungen_Action();  // NOLINT(bugprone-reserved-identifier)
};
