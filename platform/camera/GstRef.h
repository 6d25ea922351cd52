#pragma once

#include <gst/gst.h>

#include <utility>

// One owned reference to a GStreamer or GLib object, given back when the
// holder goes. Elements made through makeElement() are owned outright (their
// floating reference is taken), so a bin that adds them takes a reference of
// its own and the holder can always let go of its one.
namespace gstref {

inline void release(GstCaps *caps) { gst_caps_unref(caps); }
inline void release(GstSample *sample) { gst_sample_unref(sample); }
inline void release(GstEvent *event) { gst_event_unref(event); }
inline void release(GstMessage *message) { gst_message_unref(message); }
inline void release(GstStructure *structure) { gst_structure_free(structure); }
inline void release(gchar *text) { g_free(text); }
// Every GstObject: elements, pads, buses, clocks, devices, monitors.
template <typename T>
void release(T *object) {
    gst_object_unref(object);
}

}  // namespace gstref

template <typename T>
class GstRef {
public:
    GstRef() = default;
    // Takes over a reference the caller owns.
    explicit GstRef(T *owned) : p_(owned) {}
    GstRef(GstRef &&other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    GstRef &operator=(GstRef &&other) noexcept {
        if (this != &other) reset(std::exchange(other.p_, nullptr));
        return *this;
    }
    GstRef(const GstRef &) = delete;
    GstRef &operator=(const GstRef &) = delete;
    ~GstRef() { reset(); }

    T *get() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // Gives up the reference without releasing it.
    T *take() { return std::exchange(p_, nullptr); }
    void reset(T *owned = nullptr) {
        if (p_) gstref::release(p_);
        p_ = owned;
    }

private:
    T *p_ = nullptr;
};

// A new element of the factory, owned by the holder; empty when the plugin is missing.
inline GstRef<GstElement> makeElement(const char *factory) {
    GstElement *e = gst_element_factory_make(factory, nullptr);
    return GstRef<GstElement>(e ? GST_ELEMENT(gst_object_ref_sink(e)) : nullptr);
}
