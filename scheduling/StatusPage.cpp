#include "scheduling/StatusPage.h"

#include "capture/Startmodul.h"
#include "platform/Conversion.h"

namespace {

// Minutes take two digits, hours and the interval none to spare.
QString twoDigits(int minute) {
    return minute < 10 ? QStringLiteral("0") + Str(minute) : Str(minute);
}

QString actionName(int action) {
    if (action == 1) return QStringLiteral("Kameraordner");
    if (action == 2) return QStringLiteral("Mail");
    if (action == 3) return QStringLiteral("Homepage");
    return QString();
}

}  // namespace

namespace StatusPage {

std::array<QString, 6> lines() {
    using namespace Startmodul;
    return {QString::fromUtf8("täglich"),
            QStringLiteral("ein Bild nach"),
            actionName(t_was),
            QStringLiteral("Ein  ") + Str(t_ein_h) + QStringLiteral(":") + twoDigits(t_ein_m),
            QStringLiteral("Aus ") + Str(t_aus_h) + QStringLiteral(":") + twoDigits(t_aus_m),
            QStringLiteral("alle ") + Str(t_oft) + QStringLiteral(" min")};
}

}  // namespace StatusPage
