#include "publishing/StartWindowHook.h"

#include <utility>

namespace {
std::function<void()> &hook() {
    static std::function<void()> show;
    return show;
}
}  // namespace

void showStartWindow() {
    if (hook()) hook()();
}

namespace StartWindowHook {
void set(std::function<void()> show) { hook() = std::move(show); }
}  // namespace StartWindowHook
