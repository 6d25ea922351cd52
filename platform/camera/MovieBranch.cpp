#include "platform/camera/MovieBranch.h"

#include <QThread>

#include <algorithm>
#include <initializer_list>

#include "platform/camera/RaceCheck.h"

namespace {

// Frames the picture may lag behind the camera before the oldest is dropped,
// and converted frames that wait for the encoder: a few frames (at most about
// 26 MB at 1280 x 1024), so memory stays bounded whatever the machine does,
// with room for the moments a busy machine gives the encoder no time.
constexpr guint kPictureQueueFrames = 3;
constexpr guint kEncoderQueueFrames = 5;
// Sound is small; it may wait longer for the picture before it is dropped.
constexpr guint64 kSoundQueueTime = 2 * GST_SECOND;

GstPadProbeReturn countKept(GstPad *, GstPadProbeInfo *info, gpointer data) {
    const RaceCheck::StreamingScope streaming;
    auto *movie = static_cast<Movie *>(data);
    if (movie->failed.load()) return GST_PAD_PROBE_DROP;
    if (info->type & GST_PAD_PROBE_TYPE_BUFFER) movie->kept.fetch_add(1);
    return GST_PAD_PROBE_OK;
}

GstPadProbeReturn dropWhenFailed(GstPad *, GstPadProbeInfo *, gpointer data) {
    const RaceCheck::StreamingScope streaming;
    return static_cast<Movie *>(data)->failed.load() ? GST_PAD_PROBE_DROP : GST_PAD_PROBE_OK;
}

// Sound before the movie's start is left out; the first sound is announced.
GstPadProbeReturn onSound(GstPad *pad, GstPadProbeInfo *info, gpointer data) {
    const RaceCheck::StreamingScope streaming;
    auto *movie = static_cast<Movie *>(data);
    {
        std::lock_guard<std::mutex> lock(movie->mutex);
        if (!movie->soundFlowing) {
            movie->soundFlowing = true;
            movie->changed.notify_all();
        }
    }
    if (!movie->started.load()) return GST_PAD_PROBE_DROP;
    return intoMovie(pad, info, movie->start) ? GST_PAD_PROBE_OK : GST_PAD_PROBE_DROP;
}

void addProbe(GstElement *element, const char *pad, GstPadProbeType type,
              GstPadProbeCallback callback, Movie &movie) {
    GstRef<GstPad> p{gst_element_get_static_pad(element, pad)};
    gst_pad_add_probe(p.get(), type, callback, &movie, nullptr);
}

GstPad *ghost(GstElement *bin, const char *name, GstElement *target) {
    GstRef<GstPad> pad{gst_element_get_static_pad(target, "sink")};
    GstPad *g = gst_ghost_pad_new(name, pad.get());
    gst_element_add_pad(bin, g);
    return g;
}

// Picture: a short queue that drops the oldest frame when the encoder falls
// behind, the colour conversion on several threads, and the real-time VP8 encoder.
bool addPicture(Movie &movie, GstElement *mux, QSize size) {
    GstRef<GstElement> queue = makeElement("queue"), convert = makeElement("videoconvert");
    GstRef<GstElement> handover = makeElement("queue"), encoder = makeElement("vp8enc");
    if (!queue || !convert || !handover || !encoder) return false;
    const int cores = std::max(1, QThread::idealThreadCount());
    g_object_set(queue.get(), "max-size-buffers", kPictureQueueFrames, "max-size-bytes", 0,
                 "max-size-time", guint64(0), "leaky", 2, nullptr);
    g_object_set(convert.get(), "n-threads", std::clamp(cores / 4, 1, 2), nullptr);
    // Conversion and encoding run on threads of their own.
    g_object_set(handover.get(), "max-size-buffers", kEncoderQueueFrames, "max-size-bytes", 0,
                 "max-size-time", guint64(0), nullptr);
    const int bitrate = std::max(300000, size.width() * size.height() * 3);
    // Real-time deadline at its fastest speed setting, on one thread of its
    // own: the encoder's extra threads wait for each other by spinning, which
    // keeps up on an idle machine but loses frames on a busy one.
    g_object_set(encoder.get(), "deadline", gint64(1), "cpu-used", 16, "threads", 1,
                 "lag-in-frames", 0, "target-bitrate", bitrate, "keyframe-max-dist", 60, nullptr);
    GstBin *bin = GST_BIN(movie.bin.get());
    gst_bin_add_many(bin, queue.get(), convert.get(), handover.get(), encoder.get(), nullptr);
    if (!gst_element_link_many(queue.get(), convert.get(), handover.get(), encoder.get(), mux,
                               nullptr))
        return false;
    addProbe(encoder.get(), "src", GST_PAD_PROBE_TYPE_BUFFER, countKept, movie);
    movie.encoder = encoder.get();
    movie.videoSink.reset(GST_PAD(gst_object_ref(ghost(movie.bin.get(), "video", queue.get()))));
    return true;
}

GstRef<GstElement> makeSoundSource(const Input &input) {
    if (input.device) {
        GstElement *e = gst_device_create_element(input.device, nullptr);
        return GstRef<GstElement>(e ? GST_ELEMENT(gst_object_ref_sink(e)) : nullptr);
    }
    GstRef<GstElement> src = makeElement("audiotestsrc");
    // A quiet tone, stamped with the pipeline's running time like a real input.
    if (src)
        g_object_set(src.get(), "is-live", TRUE, "do-timestamp", TRUE, "volume", 0.05, nullptr);
    return src;
}

// Sound: the input, its level, a queue, and the Opus encoder.
bool addSound(Movie &movie, GstElement *mux, const Input &input, double level, bool muted) {
    GstRef<GstElement> src = makeSoundSource(input);
    GstRef<GstElement> convert = makeElement("audioconvert"), volume = makeElement("volume");
    GstRef<GstElement> queue = makeElement("queue"), convert2 = makeElement("audioconvert");
    GstRef<GstElement> resample = makeElement("audioresample"), encoder = makeElement("opusenc");
    for (const GstRef<GstElement> *e :
         {&src, &convert, &volume, &queue, &convert2, &resample, &encoder})
        if (!*e) return false;
    g_object_set(volume.get(), "volume", level, "mute", gboolean(muted), nullptr);
    g_object_set(queue.get(), "max-size-buffers", 0, "max-size-bytes", 0, "max-size-time",
                 kSoundQueueTime, "leaky", 2, nullptr);
    GstBin *bin = GST_BIN(movie.bin.get());
    gst_bin_add_many(bin, src.get(), convert.get(), volume.get(), queue.get(), convert2.get(),
                     resample.get(), encoder.get(), nullptr);
    if (!gst_element_link_many(src.get(), convert.get(), volume.get(), queue.get(), convert2.get(),
                               resample.get(), encoder.get(), mux, nullptr))
        return false;
    addProbe(volume.get(), "src", GST_PAD_PROBE_TYPE_BUFFER, onSound, movie);
    addProbe(encoder.get(), "src", GST_PAD_PROBE_TYPE_BUFFER, dropWhenFailed, movie);
    movie.soundSource = src.get();
    movie.volume = volume.get();
    return true;
}

}  // namespace

bool intoMovie(GstPad *pad, GstPadProbeInfo *info, GstClockTime start) {
    GstBuffer *buf = GST_PAD_PROBE_INFO_BUFFER(info);
    GstClockTime ts = GST_BUFFER_PTS(buf);
    if (!GST_CLOCK_TIME_IS_VALID(ts)) return false;
    if (GstRef<GstEvent> ev{gst_pad_get_sticky_event(pad, GST_EVENT_SEGMENT, 0)}) {
        const GstSegment *seg = nullptr;
        gst_event_parse_segment(ev.get(), &seg);
        ts = gst_segment_to_running_time(seg, GST_FORMAT_TIME, ts);
    }
    if (!GST_CLOCK_TIME_IS_VALID(ts) || ts < start) return false;
    // The live sources' segments start at zero: a stamp is a running time.
    buf = gst_buffer_make_writable(buf);
    GST_BUFFER_PTS(buf) = ts - start;
    GST_BUFFER_DTS(buf) = GST_CLOCK_TIME_NONE;
    GST_PAD_PROBE_INFO_DATA(info) = buf;
    return true;
}

bool buildMovieBranch(Movie &movie, const QString &path, QSize size, const Input *sound,
                      double level, bool muted) {
    movie.bin.reset(GST_ELEMENT(gst_object_ref_sink(gst_bin_new(nullptr))));
    movie.path = path;
    // Forwards the file sink's end-of-stream, which tells that the file is complete.
    g_object_set(movie.bin.get(), "message-forward", TRUE, nullptr);
    GstRef<GstElement> mux = makeElement("webmmux"), file = makeElement("filesink");
    if (!mux || !file) return false;
    const QByteArray location = path.toLocal8Bit();
    // Added while the pipeline plays: a sink that waited for preroll would stall
    // it. Unbuffered, so that a write that fails is the data the muxer just gave.
    g_object_set(file.get(), "location", location.constData(), "async", FALSE, "buffer-mode", 2,
                 nullptr);
    gst_bin_add_many(GST_BIN(movie.bin.get()), mux.get(), file.get(), nullptr);
    movie.mux = mux.get();
    if (!gst_element_link(mux.get(), file.get())) return false;
    if (!addPicture(movie, mux.get(), size)) return false;
    return !sound || addSound(movie, mux.get(), *sound, level, muted);
}
