#include "platform/CamCapture.h"

#include <gst/app/gstappsink.h>
#include <gst/gst.h>
#include <gst/video/colorbalance.h>
#include <gst/video/video.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFormLayout>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QSlider>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/CameraFraming.h"

namespace {

const QString kTestPicture = QStringLiteral("Testbild");
const QString kTestSound = QStringLiteral("Testton");

// The picture size used when the control has none yet.
const QSize kFallbackSize(320, 240);
// Frame rate of the test picture.
constexpr int kTestFps = 30;
// How long the encoders may lag behind before frames are dropped from the movie.
constexpr guint64 kRecordQueueTime = 2 * GST_SECOND;
// The longest wait for a movie file to be finished.
constexpr auto kFinishTimeout = std::chrono::seconds(10);

void ensureGst() {
    if (!gst_is_initialized()) gst_init(nullptr, nullptr);
}

GstElement *make(const char *factory) { return gst_element_factory_make(factory, nullptr); }

// One input of a list: a device of the machine, or a built-in test source (no device).
struct Input {
    QString name;
    GstDevice *device = nullptr;
};

void freeInputs(std::vector<Input> &inputs) {
    for (Input &in : inputs) {
        if (in.device) gst_object_unref(in.device);
    }
    inputs.clear();
}

// The devices of one class ("Video/Source", "Audio/Source") in a stable order
// (default device first, then by name), followed by the built-in input.
std::vector<Input> listInputs(const char *deviceClass, const QString &builtIn) {
    struct Found {
        Input input;
        bool isDefault;
        QString key;
    };
    std::vector<Found> found;
    GstDeviceMonitor *monitor = gst_device_monitor_new();
    gst_device_monitor_add_filter(monitor, deviceClass, nullptr);
    GList *devices = gst_device_monitor_get_devices(monitor);
    for (GList *l = devices; l; l = l->next) {
        GstDevice *dev = GST_DEVICE(l->data);
        GstStructure *props = gst_device_get_properties(dev);
        gboolean isDefault = FALSE;
        QString key;
        bool monitorOfOutput = false;
        if (props) {
            gst_structure_get_boolean(props, "is-default", &isDefault);
            // Sound servers list the playback of each output as an input too.
            const gchar *cls = gst_structure_get_string(props, "device.class");
            monitorOfOutput = cls && g_str_equal(cls, "monitor");
            gchar *text = gst_structure_to_string(props);
            key = QString::fromUtf8(text);
            g_free(text);
            gst_structure_free(props);
        }
        if (monitorOfOutput) continue;
        gchar *name = gst_device_get_display_name(dev);
        Input in{QString::fromUtf8(name).trimmed(), GST_DEVICE(gst_object_ref(dev))};
        g_free(name);
        if (in.name.isEmpty()) in.name = QStringLiteral("Eingang");
        found.push_back({in, bool(isDefault), key});
    }
    g_list_free_full(devices, gst_object_unref);
    gst_object_unref(monitor);

    std::stable_sort(found.begin(), found.end(), [](const Found &a, const Found &b) {
        if (a.isDefault != b.isDefault) return a.isDefault;
        if (a.input.name != b.input.name) return a.input.name < b.input.name;
        return a.key < b.key;
    });
    std::vector<Input> inputs;
    for (Found &f : found) inputs.push_back(f.input);
    inputs.push_back({builtIn, nullptr});

    // A repeated name gets " (2)", " (3)"... so that every name finds its input.
    for (size_t i = 0; i < inputs.size(); ++i) {
        int seen = 1;
        for (size_t j = 0; j < i; ++j) {
            if (inputs[j].name == inputs[i].name) ++seen;
        }
        if (seen > 1) inputs[i].name += QStringLiteral(" (%1)").arg(seen);
    }
    return inputs;
}

const Input *findInput(const std::vector<Input> &inputs, const QString &name) {
    if (name.isEmpty()) return nullptr;
    for (const Input &in : inputs) {
        if (in.name == name) return &in;
    }
    return nullptr;
}

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

// The caps to ask a camera for: its best mode for the picture, at up to the
// test picture's rate where it offers that. Null when nothing fits (the
// source then negotiates on its own).
GstCaps *cameraModeCaps(GstDevice *device, QSize target, QString *media) {
    GstCaps *caps = gst_device_get_caps(device);
    if (!caps) return nullptr;
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
    gst_caps_unref(caps);
    const int best = CameraFraming::chooseMode(modes, target);
    if (best < 0) return nullptr;
    const CameraMode &m = modes[best];
    *media = m.media;
    const QByteArray mediaName = m.media.toUtf8();
    GstCaps *want = gst_caps_new_empty();
    gst_caps_append_structure(
        want, gst_structure_new(mediaName.constData(), "width", G_TYPE_INT, m.width, "height",
                                G_TYPE_INT, m.height, "framerate", GST_TYPE_FRACTION_RANGE, 1, 1,
                                kTestFps, 1, nullptr));
    gst_caps_append_structure(
        want, gst_structure_new(mediaName.constData(), "width", G_TYPE_INT, m.width, "height",
                                G_TYPE_INT, m.height, nullptr));
    return want;
}

// The picture as it leaves the conversion: 32-bit BGRx (QImage::Format_RGB32
// in memory) at the control's size, square pixels.
GstCaps *pictureCaps(QSize size) {
    return gst_caps_new_simple("video/x-raw", "format", G_TYPE_STRING, "BGRx", "width", G_TYPE_INT,
                               size.width(), "height", G_TYPE_INT, size.height(),
                               "pixel-aspect-ratio", GST_TYPE_FRACTION, 1, 1, nullptr);
}

// Sets the crop of the source picture whenever its format becomes known, so
// the picture keeps the camera's proportions and fills the control.
GstPadProbeReturn onCropCaps(GstPad *pad, GstPadProbeInfo *info, gpointer data) {
    GstEvent *event = GST_PAD_PROBE_INFO_EVENT(info);
    if (GST_EVENT_TYPE(event) != GST_EVENT_CAPS) return GST_PAD_PROBE_OK;
    GstCaps *caps = nullptr;
    gst_event_parse_caps(event, &caps);
    GstVideoInfo vi;
    if (!caps || !gst_video_info_from_caps(&vi, caps)) return GST_PAD_PROBE_OK;
    const QSize target = *static_cast<QSize *>(data);
    const QRect r =
        CameraFraming::cropFor(QSize(GST_VIDEO_INFO_WIDTH(&vi), GST_VIDEO_INFO_HEIGHT(&vi)),
                               GST_VIDEO_INFO_PAR_N(&vi), GST_VIDEO_INFO_PAR_D(&vi), target);
    GstElement *crop = gst_pad_get_parent_element(pad);
    g_object_set(crop, "left", r.x(), "top", r.y(), "right",
                 GST_VIDEO_INFO_WIDTH(&vi) - r.x() - r.width(), "bottom",
                 GST_VIDEO_INFO_HEIGHT(&vi) - r.y() - r.height(), nullptr);
    gst_object_unref(crop);
    return GST_PAD_PROBE_OK;
}

// Lets only buffers from the start of a recording into it.
GstPadProbeReturn dropBeforeStart(GstPad *pad, GstPadProbeInfo *info, gpointer data) {
    const GstClockTime start = *static_cast<GstClockTime *>(data);
    GstBuffer *buf = GST_PAD_PROBE_INFO_BUFFER(info);
    GstClockTime ts = GST_BUFFER_PTS(buf);
    if (!GST_CLOCK_TIME_IS_VALID(ts)) return GST_PAD_PROBE_OK;
    if (GstEvent *ev = gst_pad_get_sticky_event(pad, GST_EVENT_SEGMENT, 0)) {
        const GstSegment *seg = nullptr;
        gst_event_parse_segment(ev, &seg);
        ts = gst_segment_to_running_time(seg, GST_FORMAT_TIME, ts);
        gst_event_unref(ev);
    }
    if (!GST_CLOCK_TIME_IS_VALID(ts) || ts < start) return GST_PAD_PROBE_DROP;
    return GST_PAD_PROBE_OK;
}

// One branch of a recording being ended: once the tee pad is idle, it is
// unlinked and the branch gets its end-of-stream.
// Shared by the probe and the control, so that a probe firing late finds it alive.
struct BranchEnd {
    explicit BranchEnd(GstPad *pad) : sink(GST_PAD(gst_object_ref(pad))) {}
    ~BranchEnd() { gst_object_unref(sink); }
    GstPad *sink;
    std::atomic<bool> done{false};
};
using BranchEndPtr = std::shared_ptr<BranchEnd>;

GstPadProbeReturn onTeePadIdle(GstPad *teePad, GstPadProbeInfo *, gpointer data) {
    BranchEnd *end = static_cast<BranchEndPtr *>(data)->get();
    // The probe can fire at once and from the streaming thread: act once.
    if (end->done.exchange(true)) return GST_PAD_PROBE_REMOVE;
    gst_pad_unlink(teePad, end->sink);
    gst_pad_send_event(end->sink, gst_event_new_eos());
    return GST_PAD_PROBE_REMOVE;
}

// Keeps a sample's buffer mapped for as long as a QImage shows it.
struct MappedFrame {
    GstVideoFrame frame;
    GstSample *sample;
};

void releaseMappedFrame(void *data) {
    auto *m = static_cast<MappedFrame *>(data);
    gst_video_frame_unmap(&m->frame);
    gst_sample_unref(m->sample);
    delete m;
}

// The sample's picture as a QImage on the buffer itself (no copy), honouring the stride.
QImage wrapSample(GstSample *sample) {
    GstVideoInfo vi;
    GstCaps *caps = gst_sample_get_caps(sample);
    GstBuffer *buf = gst_sample_get_buffer(sample);
    auto *m = new MappedFrame{{}, sample};
    if (!caps || !buf || !gst_video_info_from_caps(&vi, caps) ||
        GST_VIDEO_INFO_FORMAT(&vi) != GST_VIDEO_FORMAT_BGRx ||
        !gst_video_frame_map(&m->frame, &vi, buf, GST_MAP_READ)) {
        gst_sample_unref(sample);
        delete m;
        return QImage();
    }
    return QImage(static_cast<const uchar *>(GST_VIDEO_FRAME_PLANE_DATA(&m->frame, 0)),
                  GST_VIDEO_FRAME_WIDTH(&m->frame), GST_VIDEO_FRAME_HEIGHT(&m->frame),
                  GST_VIDEO_FRAME_PLANE_STRIDE(&m->frame, 0), QImage::Format_RGB32,
                  releaseMappedFrame, m);
}

// The colour-balance channels the picture dialog offers, with the word their
// labels contain.
struct BalanceChannel {
    const char *title;
    const char *match;
};
const BalanceChannel kBalanceChannels[] = {
    {"Helligkeit", "bright"}, {"Kontrast", "contrast"}, {"Sättigung", "satur"}, {"Farbton", "hue"}};

GstColorBalanceChannel *findChannel(GstElement *element, const char *match) {
    if (!element || !GST_IS_COLOR_BALANCE(element)) return nullptr;
    const GList *channels = gst_color_balance_list_channels(GST_COLOR_BALANCE(element));
    for (const GList *l = channels; l; l = l->next) {
        auto *ch = GST_COLOR_BALANCE_CHANNEL(l->data);
        if (ch->label &&
            QString::fromUtf8(ch->label).contains(QLatin1String(match), Qt::CaseInsensitive))
            return ch;
    }
    return nullptr;
}

}  // namespace

struct CamCapture::Impl {
    explicit Impl(CamCapture *control) : q(control) {}

    CamCapture *q;

    // Input lists, taken on first use.
    bool listed = false;
    std::vector<Input> videos, sounds;

    // The open pipeline and the elements the control works with later.
    GstElement *pipeline = nullptr;
    GstElement *videoSource = nullptr;
    GstElement *balance = nullptr;
    GstElement *videoTee = nullptr;
    GstElement *soundTee = nullptr;
    GstElement *volume = nullptr;
    QSize pictureSize;
    QSize *cropTarget = nullptr;  // read by the crop probe, freed with the pipeline
    // Counts pipelines, so that a late report of a closed one is ignored.
    std::atomic<int> generation{0};

    // The newest frame, handed over from GStreamer's streaming thread.
    std::mutex frameMutex;
    GstSample *latest = nullptr;
    std::atomic<uint64_t> arrived{0};
    uint64_t taken = 0;

    // The frame on show.
    QImage frame;
    uint64_t frameId = 0, paintedId = 0, shown = 0;

    // The running recording.
    struct Recording {
        GstElement *bin = nullptr;
        GstPad *videoTeePad = nullptr, *videoSink = nullptr;
        GstPad *soundTeePad = nullptr, *soundSink = nullptr;
    };
    std::unique_ptr<Recording> rec;
    // Set from the bus when the recording's file is complete (or failed).
    std::mutex recMutex;
    std::condition_variable recDone;
    GstElement *recBin = nullptr;
    bool recFinished = false;

    // Sound settings, kept across openings.
    double soundLevel = 1.0;
    bool muted = false;

    QPointer<QDialog> videoDialog, audioDialog;

    ~Impl() {
        freeInputs(videos);
        freeInputs(sounds);
    }

    void ensureListed() {
        if (listed) return;
        ensureGst();
        videos = listInputs("Video/Source", kTestPicture);
        sounds = listInputs("Audio/Source", kTestSound);
        listed = true;
    }

    void relist() {
        freeInputs(videos);
        freeInputs(sounds);
        listed = false;
        ensureListed();
    }

    static GstFlowReturn onNewSample(GstAppSink *sink, gpointer data) {
        auto *d = static_cast<Impl *>(data);
        GstSample *sample = gst_app_sink_pull_sample(sink);
        if (!sample) return GST_FLOW_OK;
        {
            std::lock_guard<std::mutex> lock(d->frameMutex);
            if (d->latest) gst_sample_unref(d->latest);
            d->latest = sample;
        }
        d->arrived.fetch_add(1, std::memory_order_release);
        return GST_FLOW_OK;
    }

    // Runs on whichever thread posts; everything is dropped here, as nothing
    // reads the bus otherwise.
    static GstBusSyncReply onBusMessage(GstBus *, GstMessage *msg, gpointer data) {
        auto *d = static_cast<Impl *>(data);
        switch (GST_MESSAGE_TYPE(msg)) {
            case GST_MESSAGE_ELEMENT: {
                // The recording bin forwards its file sink's end-of-stream: the file is complete.
                if (!gst_message_has_name(msg, "GstBinForwarded")) break;
                GstMessage *inner = nullptr;
                gst_structure_get(gst_message_get_structure(msg), "message", GST_TYPE_MESSAGE,
                                  &inner, nullptr);
                if (inner && GST_MESSAGE_TYPE(inner) == GST_MESSAGE_EOS) {
                    std::lock_guard<std::mutex> lock(d->recMutex);
                    if (d->recBin && GST_MESSAGE_SRC(msg) == GST_OBJECT_CAST(d->recBin)) {
                        d->recFinished = true;
                        d->recDone.notify_all();
                    }
                }
                if (inner) gst_message_unref(inner);
                break;
            }
            case GST_MESSAGE_ERROR: {
                bool inRecording = false;
                {
                    std::lock_guard<std::mutex> lock(d->recMutex);
                    if (d->recBin &&
                        gst_object_has_as_ancestor(GST_MESSAGE_SRC(msg), GST_OBJECT(d->recBin))) {
                        inRecording = true;
                        d->recFinished = true;  // no file will come; stop waiting for it
                        d->recDone.notify_all();
                    }
                }
                const int gen = d->generation.load();
                CamCapture *q = d->q;
                // Handled on the main thread; a failure is never shown.
                QMetaObject::invokeMethod(
                    q,
                    [q, gen, inRecording] {
                        if (q->d->generation != gen || !q->d->pipeline) return;
                        if (inRecording)
                            q->StopRecord();
                        else
                            q->CloseCam();  // ends a recording cleanly, keeps the last picture
                    },
                    Qt::QueuedConnection);
                break;
            }
            default:
                break;
        }
        return GST_BUS_DROP;
    }

    bool build(const Input &video, const Input *sound);
    void teardown();
    bool takeNewest();
    bool startRecording(const QString &path);
    void finishRecording();
};

bool CamCapture::Impl::build(const Input &video, const Input *sound) {
    const QSize size = pictureSize;
    pipeline = gst_pipeline_new("camera");
    GstBin *bin = GST_BIN(pipeline);

    // Picture: source, camera mode, crop to the control's proportions, scale,
    // convert to 32 bits, colour balance, tee, newest-frame sink.
    GstElement *src = nullptr;
    GstCaps *mode = nullptr;
    QString media = QStringLiteral("video/x-raw");
    if (video.device) {
        src = gst_device_create_element(video.device, nullptr);
        mode = cameraModeCaps(video.device, size, &media);
    } else {
        src = make("videotestsrc");
        if (src) {
            // Moving, so that a frozen picture shows as such.
            g_object_set(src, "is-live", TRUE, "horizontal-speed", 2, nullptr);
            mode =
                gst_caps_new_simple("video/x-raw", "format", G_TYPE_STRING, "BGRx", "width",
                                    G_TYPE_INT, size.width(), "height", G_TYPE_INT, size.height(),
                                    "framerate", GST_TYPE_FRACTION, kTestFps, 1, nullptr);
        }
    }
    GstElement *modeFilter = make("capsfilter");
    GstElement *decoder = media == QLatin1String("image/jpeg") ? make("jpegdec") : nullptr;
    GstElement *crop = make("videocrop");
    GstElement *scale = make("videoscale");
    GstElement *convert = make("videoconvert");
    GstElement *pictureFilter = make("capsfilter");
    balance = make("videobalance");
    videoTee = make("tee");
    GstElement *sink = make("appsink");
    if (!src || !modeFilter || (media == QLatin1String("image/jpeg") && !decoder) || !crop ||
        !scale || !convert || !pictureFilter || !balance || !videoTee || !sink) {
        for (GstElement *e : {src, modeFilter, decoder, crop, scale, convert, pictureFilter,
                              balance, videoTee, sink})
            if (e) gst_object_unref(gst_object_ref_sink(e));
        if (mode) gst_caps_unref(mode);
        gst_object_unref(pipeline);
        pipeline = nullptr;
        return false;
    }
    videoSource = src;
    if (mode) {
        g_object_set(modeFilter, "caps", mode, nullptr);
        gst_caps_unref(mode);
    }
    // No borders: the crop has already given the picture the control's proportions.
    g_object_set(scale, "add-borders", FALSE, nullptr);
    GstCaps *picture = pictureCaps(size);
    g_object_set(pictureFilter, "caps", picture, nullptr);
    g_object_set(videoTee, "allow-not-linked", TRUE, nullptr);
    g_object_set(sink, "caps", picture, "drop", TRUE, "max-buffers", 1, "sync", FALSE,
                 "enable-last-sample", FALSE, nullptr);
    gst_caps_unref(picture);

    cropTarget = new QSize(size);
    GstPad *cropSink = gst_element_get_static_pad(crop, "sink");
    gst_pad_add_probe(cropSink, GST_PAD_PROBE_TYPE_EVENT_DOWNSTREAM, onCropCaps, cropTarget,
                      nullptr);
    gst_object_unref(cropSink);

    gst_bin_add_many(bin, src, modeFilter, crop, scale, convert, pictureFilter, balance, videoTee,
                     sink, nullptr);
    bool linked = gst_element_link(src, modeFilter);
    if (decoder) {
        gst_bin_add(bin, decoder);
        linked = linked && gst_element_link_many(modeFilter, decoder, crop, nullptr);
    } else {
        linked = linked && gst_element_link(modeFilter, crop);
    }
    linked = linked && gst_element_link_many(crop, scale, convert, pictureFilter, balance, videoTee,
                                             sink, nullptr);

    GstAppSinkCallbacks callbacks{};
    callbacks.new_sample = &Impl::onNewSample;
    gst_app_sink_set_callbacks(GST_APP_SINK(sink), &callbacks, this, nullptr);

    // Sound: source, volume, tee. The tee has no branch until a recording starts.
    if (sound && linked) {
        GstElement *asrc = sound->device ? gst_device_create_element(sound->device, nullptr)
                                         : make("audiotestsrc");
        GstElement *aconv = make("audioconvert");
        volume = make("volume");
        soundTee = make("tee");
        if (asrc && aconv && volume && soundTee) {
            if (!sound->device) g_object_set(asrc, "is-live", TRUE, "volume", 0.05, nullptr);
            g_object_set(volume, "volume", soundLevel, "mute", gboolean(muted), nullptr);
            g_object_set(soundTee, "allow-not-linked", TRUE, nullptr);
            gst_bin_add_many(bin, asrc, aconv, volume, soundTee, nullptr);
            linked = gst_element_link_many(asrc, aconv, volume, soundTee, nullptr);
        } else {
            for (GstElement *e : {asrc, aconv, volume, soundTee})
                if (e) gst_object_unref(gst_object_ref_sink(e));
            volume = soundTee = nullptr;
        }
    }

    ++generation;
    GstBus *bus = gst_pipeline_get_bus(GST_PIPELINE(pipeline));
    gst_bus_set_sync_handler(bus, &Impl::onBusMessage, this, nullptr);
    gst_object_unref(bus);

    if (!linked || gst_element_set_state(pipeline, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
        teardown();
        return false;
    }
    return true;
}

void CamCapture::Impl::teardown() {
    if (pipeline) {
        gst_element_set_state(pipeline, GST_STATE_NULL);
        gst_object_unref(pipeline);
        pipeline = nullptr;
    }
    ++generation;
    videoSource = balance = videoTee = soundTee = volume = nullptr;
    delete cropTarget;
    cropTarget = nullptr;
    {
        std::lock_guard<std::mutex> lock(frameMutex);
        if (latest) gst_sample_unref(latest);
        latest = nullptr;
    }
    taken = arrived.load();
    // The last picture stays on show, but as a copy: the camera's buffers go back to it.
    if (!frame.isNull()) frame = frame.copy();
}

bool CamCapture::Impl::takeNewest() {
    const uint64_t n = arrived.load(std::memory_order_acquire);
    if (n == taken) return false;
    GstSample *sample = nullptr;
    {
        std::lock_guard<std::mutex> lock(frameMutex);
        sample = latest;
        latest = nullptr;
    }
    taken = n;
    if (!sample) return false;
    QImage image = wrapSample(sample);
    if (image.isNull()) return false;
    frame = image;
    ++frameId;
    return true;
}

bool CamCapture::Impl::startRecording(const QString &path) {
    auto r = std::make_unique<Recording>();
    GstElement *recording = gst_bin_new(nullptr);
    // Forwards the file sink's end-of-stream, which tells that the file is complete.
    g_object_set(recording, "message-forward", TRUE, nullptr);
    GstBin *bin = GST_BIN(recording);

    GstElement *mux = make("webmmux");
    GstElement *file = make("filesink");
    GstElement *vqueue = make("queue");
    GstElement *vconv = make("videoconvert");
    GstElement *venc = make("vp8enc");
    if (!mux || !file || !vqueue || !vconv || !venc) {
        for (GstElement *e : {mux, file, vqueue, vconv, venc})
            if (e) gst_object_unref(gst_object_ref_sink(e));
        gst_object_unref(gst_object_ref_sink(recording));
        return false;
    }
    const QByteArray location = path.toLocal8Bit();
    // Added while the pipeline plays: a sink that waited for preroll would stall it.
    g_object_set(file, "location", location.constData(), "async", FALSE, nullptr);
    // A roomy queue that drops the oldest frames rather than ever holding up the picture.
    g_object_set(vqueue, "max-size-buffers", 0, "max-size-bytes", 0, "max-size-time",
                 kRecordQueueTime, "leaky", 2, nullptr);
    // Real-time encoding: vp8enc's default deadline is the slow best-quality mode.
    // Half the cores, at most 4: more encoder threads slow it down badly on a busy machine.
    const int threads = std::clamp(QThread::idealThreadCount() / 2, 1, 4);
    const int bitrate = std::max(300000, pictureSize.width() * pictureSize.height() * 3);
    g_object_set(venc, "deadline", gint64(1), "threads", threads, "cpu-used", 4, "lag-in-frames", 0,
                 "target-bitrate", bitrate, "keyframe-max-dist", 60, nullptr);
    gst_bin_add_many(bin, mux, file, vqueue, vconv, venc, nullptr);
    bool linked = gst_element_link_many(vqueue, vconv, venc, mux, file, nullptr);
    GstPad *vpad = gst_element_get_static_pad(vqueue, "sink");
    r->videoSink = gst_ghost_pad_new("video", vpad);
    gst_object_unref(vpad);
    gst_element_add_pad(recording, r->videoSink);

    if (soundTee && linked) {
        GstElement *aqueue = make("queue");
        GstElement *aconv = make("audioconvert");
        GstElement *resample = make("audioresample");
        GstElement *aenc = make("opusenc");
        if (aqueue && aconv && resample && aenc) {
            g_object_set(aqueue, "max-size-buffers", 0, "max-size-bytes", 0, "max-size-time",
                         kRecordQueueTime, "leaky", 2, nullptr);
            gst_bin_add_many(bin, aqueue, aconv, resample, aenc, nullptr);
            linked = gst_element_link_many(aqueue, aconv, resample, aenc, mux, nullptr);
            GstPad *apad = gst_element_get_static_pad(aqueue, "sink");
            r->soundSink = gst_ghost_pad_new("audio", apad);
            gst_object_unref(apad);
            gst_element_add_pad(recording, r->soundSink);
        } else {
            for (GstElement *e : {aqueue, aconv, resample, aenc})
                if (e) gst_object_unref(gst_object_ref_sink(e));
        }
    }
    if (!linked) {
        gst_object_unref(gst_object_ref_sink(recording));
        return false;
    }

    // The movie's clock starts at zero: its pads run behind by the running
    // time at the start, and anything older is left out.
    GstClockTime start = 0;
    if (GstClock *clock = gst_element_get_clock(pipeline)) {
        const GstClockTime now = gst_clock_get_time(clock);
        const GstClockTime base = gst_element_get_base_time(pipeline);
        start = now > base ? now - base : 0;
        gst_object_unref(clock);
    }

    gst_bin_add(GST_BIN(pipeline), recording);
    r->bin = recording;
    {
        std::lock_guard<std::mutex> lock(recMutex);
        recBin = recording;
        recFinished = false;
    }
    if (!gst_element_sync_state_with_parent(recording)) {
        // The file could not be opened, for one.
        gst_element_set_state(recording, GST_STATE_NULL);
        {
            std::lock_guard<std::mutex> lock(recMutex);
            recBin = nullptr;
        }
        gst_bin_remove(GST_BIN(pipeline), recording);
        return false;
    }

    auto attach = [start](GstElement *tee, GstPad *sinkPad) {
        GstPad *teePad = gst_element_request_pad_simple(tee, "src_%u");
        gst_pad_add_probe(teePad, GST_PAD_PROBE_TYPE_BUFFER, dropBeforeStart,
                          new GstClockTime(start),
                          [](gpointer p) { delete static_cast<GstClockTime *>(p); });
        gst_pad_set_offset(teePad, -gint64(start));
        gst_pad_link(teePad, sinkPad);
        return teePad;
    };
    r->videoTeePad = attach(videoTee, r->videoSink);
    if (r->soundSink) r->soundTeePad = attach(soundTee, r->soundSink);
    rec = std::move(r);
    return true;
}

void CamCapture::Impl::finishRecording() {
    if (!rec) return;
    std::unique_ptr<Recording> r = std::move(rec);

    // End the branch alone: unlink each of its pads at the tee once that is
    // idle, then send it end-of-stream; the picture goes on meanwhile.
    std::vector<BranchEndPtr> ends;
    auto end = [&ends](GstPad *teePad, GstPad *sinkPad) {
        if (!teePad) return;
        ends.push_back(std::make_shared<BranchEnd>(sinkPad));
        gst_pad_add_probe(teePad, GST_PAD_PROBE_TYPE_IDLE, onTeePadIdle,
                          new BranchEndPtr(ends.back()),
                          [](gpointer p) { delete static_cast<BranchEndPtr *>(p); });
    };
    end(r->videoTeePad, r->videoSink);
    end(r->soundTeePad, r->soundSink);

    // Wait until the muxer has written the file's index and duration.
    {
        std::unique_lock<std::mutex> lock(recMutex);
        recDone.wait_for(lock, kFinishTimeout, [this] { return recFinished; });
        recBin = nullptr;
    }
    for (auto &e : ends) {
        // A pad whose stream was stuck: end it here, so the probe has nothing left to do.
        if (!e->done.exchange(true)) {
            GstPad *teePad = gst_pad_get_peer(e->sink);
            if (teePad) {
                gst_pad_unlink(teePad, e->sink);
                gst_object_unref(teePad);
            }
        }
    }
    gst_element_set_state(r->bin, GST_STATE_NULL);
    gst_bin_remove(GST_BIN(pipeline), r->bin);
    if (r->videoTeePad) {
        gst_element_release_request_pad(videoTee, r->videoTeePad);
        gst_object_unref(r->videoTeePad);
    }
    if (r->soundTeePad) {
        gst_element_release_request_pad(soundTee, r->soundTeePad);
        gst_object_unref(r->soundTeePad);
    }
}

CamCapture::CamCapture(QWidget *parent) : RectControl(parent), d(std::make_unique<Impl>(this)) {
    ensureGst();
    // Quitting must not leave an unfinished movie, even if the control outlives the event loop.
    if (QCoreApplication *app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, [this] { StopRecord(); });
}

CamCapture::~CamCapture() {
    StopRecord();
    CloseCam();
}

int CamCapture::VideoCount() {
    d->ensureListed();
    return int(d->videos.size());
}

int CamCapture::SoundCount() {
    d->ensureListed();
    return int(d->sounds.size());
}

QString CamCapture::VideoName(int i) {
    d->ensureListed();
    return i >= 0 && i < int(d->videos.size()) ? d->videos[i].name : QString();
}

QString CamCapture::SoundName(int i) {
    d->ensureListed();
    return i >= 0 && i < int(d->sounds.size()) ? d->sounds[i].name : QString();
}

bool CamCapture::OpenCam(const QString &videoName, const QString &soundName) {
    CloseCam();
    // Asked afresh: a camera plugged in since the lists were taken can be opened.
    d->relist();
    const Input *video = findInput(d->videos, videoName);
    if (!video) return false;
    const Input *sound = findInput(d->sounds, soundName);
    d->pictureSize = size().isEmpty() ? kFallbackSize : size();
    bool ok = d->build(*video, sound);
    // A sound input that cannot be opened does not cost the picture.
    if (!ok && sound) ok = d->build(*video, nullptr);
    if (ok) setAttribute(Qt::WA_OpaquePaintEvent, true);
    update();
    return ok;
}

void CamCapture::CloseCam() {
    if (!d->pipeline) return;
    d->finishRecording();
    if (d->videoDialog) delete d->videoDialog.data();  // its sliders act on this pipeline
    d->teardown();
}

void CamCapture::Reload() {
    if (d->takeNewest()) update();
}

PicturePtr CamCapture::GetPicture(int) {
    Reload();
    if (d->frame.isNull()) return nullptr;
    const QSize want = size().isEmpty() ? d->frame.size() : size();
    QImage image = d->frame.size() == want
                       ? d->frame.copy()
                       : d->frame.scaled(want, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (image.format() != QImage::Format_RGB32) image = image.convertToFormat(QImage::Format_RGB32);
    return std::make_shared<Picture>(std::move(image));
}

void CamCapture::Record(const FolderItemPtr &fol) {
    if (fol) Record(fol->path());
}

void CamCapture::Record(const QString &path) {
    if (!d->pipeline || path.isEmpty()) return;
    d->finishRecording();
    d->startRecording(path);
}

void CamCapture::StopRecord() {
    if (d->pipeline) d->finishRecording();
}

bool CamCapture::isOpen() const { return d->pipeline != nullptr; }
bool CamCapture::isRecording() const { return d->rec != nullptr; }
uint64_t CamCapture::framesArrived() const { return d->arrived.load(); }
uint64_t CamCapture::framesShown() const { return d->shown; }

void CamCapture::paintEvent(QPaintEvent *) {
    QPainter p(this);
    if (d->frame.isNull()) {
        if (d->pipeline) p.fillRect(rect(), Qt::black);  // open, no frame yet
        return;
    }
    if (d->frame.size() == size())
        p.drawImage(0, 0, d->frame);
    else
        p.drawImage(rect(), d->frame);
    if (d->paintedId != d->frameId) {
        d->paintedId = d->frameId;
        ++d->shown;
    }
}

namespace {

void bringToFront(QDialog *dialog) {
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

QSlider *newSlider(int min, int max, int value) {
    auto *slider = new QSlider(Qt::Horizontal);
    slider->setRange(min, max);
    slider->setValue(value);
    slider->setMinimumWidth(220);
    return slider;
}

}  // namespace

void CamCapture::VideoConfig() {
    if (d->videoDialog) {
        bringToFront(d->videoDialog);
        return;
    }
    auto *dialog = new QDialog(this);
    dialog->setWindowTitle(QStringLiteral("Bild"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    auto *form = new QFormLayout(dialog);
    for (const BalanceChannel &c : kBalanceChannels) {
        // The camera's own setting where it has one, else the program's balance stage.
        GstElement *element = d->videoSource;
        GstColorBalanceChannel *ch = findChannel(element, c.match);
        if (!ch) {
            element = d->balance;
            ch = findChannel(element, c.match);
        }
        QSlider *slider =
            ch ? newSlider(ch->min_value, ch->max_value,
                           gst_color_balance_get_value(GST_COLOR_BALANCE(element), ch))
               : newSlider(0, 1, 0);
        slider->setEnabled(ch != nullptr);
        slider->setObjectName(QString::fromUtf8(c.title));
        if (ch) {
            // The elements live as long as the pipeline; CloseCam deletes this dialog first.
            connect(slider, &QSlider::valueChanged, dialog, [element, ch](int v) {
                gst_color_balance_set_value(GST_COLOR_BALANCE(element), ch, v);
            });
        }
        form->addRow(QString::fromUtf8(c.title), slider);
    }
    d->videoDialog = dialog;
    bringToFront(dialog);
}

void CamCapture::AudioConfig() {
    if (d->audioDialog) {
        bringToFront(d->audioDialog);
        return;
    }
    auto *dialog = new QDialog(this);
    dialog->setWindowTitle(QStringLiteral("Ton"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    auto *form = new QFormLayout(dialog);
    QSlider *level = newSlider(0, 100, int(d->soundLevel * 100 + 0.5));
    level->setObjectName(QStringLiteral("Lautstärke"));
    auto *mute = new QCheckBox(QStringLiteral("Stumm"));
    mute->setChecked(d->muted);
    form->addRow(QStringLiteral("Lautstärke"), level);
    form->addRow(QString(), mute);
    Impl *impl = d.get();
    connect(level, &QSlider::valueChanged, dialog, [impl](int v) {
        impl->soundLevel = v / 100.0;
        if (impl->volume) g_object_set(impl->volume, "volume", impl->soundLevel, nullptr);
    });
    connect(mute, &QCheckBox::toggled, dialog, [impl](bool on) {
        impl->muted = on;
        if (impl->volume) g_object_set(impl->volume, "mute", gboolean(on), nullptr);
    });
    d->audioDialog = dialog;
    bringToFront(dialog);
}
