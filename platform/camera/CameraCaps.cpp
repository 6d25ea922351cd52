#include "platform/camera/CameraCaps.h"

#include <algorithm>
#include <vector>

#include "platform/camera/CameraFraming.h"

namespace {

double maxFps(const GValue *v) {
    if (!v) return kTestFps;  // a source that does not say runs at its own pace
    if (GST_VALUE_HOLDS_FRACTION(v)) {
        const int d = gst_value_get_fraction_denominator(v);
        return d ? double(gst_value_get_fraction_numerator(v)) / d : 0;
    }
    if (GST_VALUE_HOLDS_FRACTION_RANGE(v)) return maxFps(gst_value_get_fraction_range_max(v));
    if (GST_VALUE_HOLDS_LIST(v)) {
        double best = 0;
        for (guint i = 0; i < gst_value_list_get_size(v); ++i)
            best = std::max(best, maxFps(gst_value_list_get_value(v, i)));
        return best;
    }
    return 0;
}

// A size field as one number: a fixed value, or the wanted value held within a range.
int sizeField(const GValue *v, int wanted) {
    if (!v) return 0;
    if (G_VALUE_HOLDS_INT(v)) return g_value_get_int(v);
    if (GST_VALUE_HOLDS_INT_RANGE(v))
        return std::clamp(wanted, gst_value_get_int_range_min(v), gst_value_get_int_range_max(v));
    if (GST_VALUE_HOLDS_LIST(v) && gst_value_list_get_size(v) > 0)
        return sizeField(gst_value_list_get_value(v, 0), wanted);
    return 0;
}

std::vector<CameraMode> modesOf(GstCaps *caps, QSize target) {
    std::vector<CameraMode> modes;
    for (guint i = 0; i < gst_caps_get_size(caps); ++i) {
        const GstStructure *s = gst_caps_get_structure(caps, i);
        const QString name = QString::fromUtf8(gst_structure_get_name(s));
        CameraMode m;
        if (name == QLatin1String("video/x-raw") || name == QLatin1String("image/jpeg")) {
            m.media = name;
            m.width = sizeField(gst_structure_get_value(s, "width"), target.width());
            m.height = sizeField(gst_structure_get_value(s, "height"), target.height());
            m.fps = maxFps(gst_structure_get_value(s, "framerate"));
        }
        modes.push_back(m);  // kept also when unusable, so indexes match the caps
    }
    return modes;
}

}  // namespace

GstRef<GstCaps> cameraModeCaps(GstDevice *device, QSize target, QString *media) {
    GstRef<GstCaps> caps{gst_device_get_caps(device)};
    if (!caps) return {};
    const std::vector<CameraMode> modes = modesOf(caps.get(), target);
    const int best = CameraFraming::chooseMode(modes, target);
    if (best < 0) return {};
    const CameraMode &m = modes[best];
    *media = m.media;
    const QByteArray mediaName = m.media.toUtf8();
    GstRef<GstCaps> want{gst_caps_new_empty()};
    gst_caps_append_structure(
        want.get(), gst_structure_new(mediaName.constData(), "width", G_TYPE_INT, m.width, "height",
                                      G_TYPE_INT, m.height, "framerate", GST_TYPE_FRACTION_RANGE, 1,
                                      1, kTestFps, 1, nullptr));
    gst_caps_append_structure(
        want.get(), gst_structure_new(mediaName.constData(), "width", G_TYPE_INT, m.width, "height",
                                      G_TYPE_INT, m.height, nullptr));
    return want;
}

GstRef<GstCaps> testPictureCaps(QSize size) {
    return GstRef<GstCaps>{gst_caps_new_simple(
        "video/x-raw", "format", G_TYPE_STRING, "BGRx", "width", G_TYPE_INT, size.width(), "height",
        G_TYPE_INT, size.height(), "framerate", GST_TYPE_FRACTION, kTestFps, 1, nullptr)};
}

GstRef<GstCaps> pictureCaps(QSize size) {
    return GstRef<GstCaps>{gst_caps_new_simple(
        "video/x-raw", "format", G_TYPE_STRING, "BGRx", "width", G_TYPE_INT, size.width(), "height",
        G_TYPE_INT, size.height(), "pixel-aspect-ratio", GST_TYPE_FRACTION, 1, 1, nullptr)};
}
