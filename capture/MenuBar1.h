#pragma once

#include "platform/MenuBar.h"

// The program's menu bar, shared by the application and the windows that
// show it: "&Ablage" (quit, settings) and "&Bearbeiten" (standard editing).
class MenuBar1 : public MenuBar {
    Q_OBJECT
public:
    // The one instance, made on first use.
    static MenuBar1 &instance();

    MenuBar1();

    void Untitled0();  // builds "&Ablage"
    void Untitled1();  // builds "&Bearbeiten"
};
