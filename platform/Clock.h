#pragma once

#include <QDateTime>

#include <functional>

// The one clock every new Date reads. The program uses the system time; tests
// set a fixed moment (or a function of their own) to make dates repeatable.
namespace Clock {

QDateTime now();

void setFixed(const QDateTime &moment);
void setSource(std::function<QDateTime()> source);
void useSystemTime();

}  // namespace Clock
