#include "platform/Clock.h"

namespace {
std::function<QDateTime()> &source() {
    static std::function<QDateTime()> s;
    return s;
}
}  // namespace

namespace Clock {

QDateTime now() { return source() ? source()() : QDateTime::currentDateTime(); }

void setFixed(const QDateTime &moment) {
    source() = [moment] { return moment; };
}

void setSource(std::function<QDateTime()> s) { source() = std::move(s); }

void useSystemTime() { source() = nullptr; }

}  // namespace Clock
