#pragma once

#include <QString>

#include <array>

// The six lines of the status page for the schedule in Startmodul. A null
// text leaves its line as it was (an action that is none of the three).
namespace StatusPage {

std::array<QString, 6> lines();

}  // namespace StatusPage
