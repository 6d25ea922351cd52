#pragma once

#include <functional>

// Shows the start window that leads a first-time user to the settings. The
// preferences code calls it when there is no preferences file; the program
// installs the start window here at start-up, and tests put an observer of
// their own.
void showStartWindow();

namespace StartWindowHook {
// Replaces what showStartWindow() does; an empty function does nothing.
void set(std::function<void()> show);
}  // namespace StartWindowHook
