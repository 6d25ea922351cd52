#include "platform/camera/InputList.h"

#include <algorithm>

std::vector<Input> arrangeInputs(std::vector<FoundDevice> found, const QString &builtIn,
                                 BuiltInPlace place) {
    for (FoundDevice &f : found) {
        f.name = f.name.trimmed();
        if (f.name.isEmpty()) f.name = QStringLiteral("Eingang");
    }
    std::stable_sort(found.begin(), found.end(), [](const FoundDevice &a, const FoundDevice &b) {
        if (a.isDefault != b.isDefault) return a.isDefault;
        if (a.name != b.name) return a.name < b.name;
        return a.key < b.key;
    });
    std::vector<Input> inputs;
    if (place == BuiltInPlace::First) inputs.push_back({builtIn, nullptr});
    for (FoundDevice &f : found) inputs.push_back({f.name, f.device});
    if (place == BuiltInPlace::Last) inputs.push_back({builtIn, nullptr});

    for (size_t i = 0; i < inputs.size(); ++i) {
        int seen = 1;
        for (size_t j = 0; j < i; ++j) {
            if (inputs[j].name == inputs[i].name) ++seen;
        }
        if (seen > 1) inputs[i].name += QStringLiteral(" (%1)").arg(seen);
    }
    return inputs;
}

namespace {

FoundDevice describe(GstDevice *dev, bool *monitorOfOutput) {
    FoundDevice f;
    *monitorOfOutput = false;
    if (GstRef<GstStructure> props{gst_device_get_properties(dev)}) {
        gboolean isDefault = FALSE;
        gst_structure_get_boolean(props.get(), "is-default", &isDefault);
        f.isDefault = isDefault;
        // Sound servers list the playback of each output as an input too.
        const gchar *cls = gst_structure_get_string(props.get(), "device.class");
        *monitorOfOutput = cls && g_str_equal(cls, "monitor");
        GstRef<gchar> text{gst_structure_to_string(props.get())};
        f.key = QString::fromUtf8(text.get());
    }
    GstRef<gchar> name{gst_device_get_display_name(dev)};
    f.name = QString::fromUtf8(name.get());
    return f;
}

}  // namespace

std::vector<Input> listInputs(const char *deviceClass, const QString &builtIn, BuiltInPlace place) {
    std::vector<FoundDevice> found;
    GstRef<GstDeviceMonitor> monitor{gst_device_monitor_new()};
    gst_device_monitor_add_filter(monitor.get(), deviceClass, nullptr);
    GList *devices = gst_device_monitor_get_devices(monitor.get());
    for (GList *l = devices; l; l = l->next) {
        GstDevice *dev = GST_DEVICE(l->data);
        bool monitorOfOutput = false;
        FoundDevice f = describe(dev, &monitorOfOutput);
        if (monitorOfOutput) continue;
        f.device = GST_DEVICE(gst_object_ref(dev));
        found.push_back(f);
    }
    g_list_free_full(devices, gst_object_unref);
    return arrangeInputs(std::move(found), builtIn, place);
}

void freeInputs(std::vector<Input> &inputs) {
    for (Input &in : inputs) {
        if (in.device) gst_object_unref(in.device);
    }
    inputs.clear();
}

const Input *findInput(const std::vector<Input> &inputs, const QString &name) {
    if (name.isEmpty()) return nullptr;
    for (const Input &in : inputs) {
        if (in.name == name) return &in;
    }
    return nullptr;
}
