#include "platform/camera/CameraFraming.h"

#include <cstdint>
#include <tuple>

namespace {

// Below this rate a live picture looks jerky.
constexpr double kFluidFps = 25.0;

// Sort key of a mode: smaller is better.
auto modeKey(const CameraMode &m, QSize target) {
    const bool covers = m.width >= target.width() && m.height >= target.height();
    const int64_t area = int64_t(m.width) * m.height;
    return std::make_tuple(covers ? 0 : 1, m.fps >= kFluidFps ? 0 : 1, covers ? area : -area,
                           m.media == QLatin1String("video/x-raw") ? 0 : 1, -m.fps);
}

}  // namespace

int CameraFraming::chooseMode(const std::vector<CameraMode> &modes, QSize target) {
    int best = -1;
    for (int i = 0; i < int(modes.size()); ++i) {
        if (modes[i].width <= 0 || modes[i].height <= 0) continue;
        if (best < 0 || modeKey(modes[i], target) < modeKey(modes[best], target)) best = i;
    }
    return best;
}

QRect CameraFraming::cropFor(QSize source, int parN, int parD, QSize target) {
    const int w = source.width(), h = source.height();
    if (w <= 0 || h <= 0 || target.isEmpty()) return QRect(0, 0, qMax(w, 0), qMax(h, 0));
    if (parN <= 0 || parD <= 0) parN = parD = 1;
    // Compare the displayed proportions w*parN : h*parD with target W : H in integers.
    const int64_t shown = int64_t(w) * parN * target.height();
    const int64_t wanted = int64_t(h) * parD * target.width();
    auto even = [](int64_t v) { return int(v & ~int64_t(1)); };
    if (shown > wanted) {
        // Too wide: keep the full height and the width that matches.
        const int keep = qBound(
            2, even((wanted + parN * target.height() / 2) / (int64_t(parN) * target.height())), w);
        const int left = even((w - keep) / 2);
        return QRect(left, 0, keep, h);
    }
    if (shown < wanted) {
        // Too tall: keep the full width.
        const int keep = qBound(
            2, even((shown + parD * target.width() / 2) / (int64_t(parD) * target.width())), h);
        const int top = even((h - keep) / 2);
        return QRect(0, top, w, keep);
    }
    return QRect(0, 0, w, h);
}
