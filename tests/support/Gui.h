#pragma once

#include <QWidget>

#include <functional>

// Runs the event loop until the condition holds or the time is up; returns
// whether it held.
bool waitUntil(const std::function<bool()> &condition, int milliseconds = 10000);

// Lets the event loop run for a while (timers, paints, camera frames).
void runEvents(int milliseconds);

// A left click in the middle of the widget: press and release.
void click(QWidget *widget);
