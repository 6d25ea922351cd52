#include "platform/camera/LivePipeline.h"

#include <gst/app/gstappsink.h>
#include <gst/video/video.h>

#include <initializer_list>

#include "platform/camera/CameraCaps.h"
#include "platform/camera/CameraFraming.h"
#include "platform/camera/RaceCheck.h"

namespace {

// Sets the crop of the source picture whenever its format becomes known, so
// the picture keeps the camera's proportions and fills the control.
GstPadProbeReturn onCropCaps(GstPad *pad, GstPadProbeInfo *info, gpointer data) {
    const RaceCheck::StreamingScope streaming;
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
    GstRef<GstElement> crop{gst_pad_get_parent_element(pad)};
    g_object_set(crop.get(), "left", r.x(), "top", r.y(), "right",
                 GST_VIDEO_INFO_WIDTH(&vi) - r.x() - r.width(), "bottom",
                 GST_VIDEO_INFO_HEIGHT(&vi) - r.y() - r.height(), nullptr);
    return GST_PAD_PROBE_OK;
}

GstFlowReturn onNewSample(GstAppSink *sink, gpointer data) {
    const RaceCheck::StreamingScope streaming;
    if (GstSample *sample = gst_app_sink_pull_sample(sink))
        static_cast<FrameHandover *>(data)->push(sample);
    return GST_FLOW_OK;
}

// The source of the input and the caps it is asked for.
GstRef<GstElement> makeSource(const Input &video, QSize size, GstRef<GstCaps> *mode,
                              QString *media) {
    *media = QStringLiteral("video/x-raw");
    if (video.device) {
        GstElement *e = gst_device_create_element(video.device, nullptr);
        *mode = cameraModeCaps(video.device, size, media);
        return GstRef<GstElement>(e ? GST_ELEMENT(gst_object_ref_sink(e)) : nullptr);
    }
    GstRef<GstElement> src = makeElement("videotestsrc");
    // Moving, so that a frozen picture shows as such.
    if (src) g_object_set(src.get(), "is-live", TRUE, "horizontal-speed", 2, nullptr);
    *mode = testPictureCaps(size);
    return src;
}

}  // namespace

std::unique_ptr<LivePipeline> LivePipeline::open(const Input &video, QSize size,
                                                 FrameHandover *frames, GstBusSyncHandler onMessage,
                                                 gpointer handlerData) {
    std::unique_ptr<LivePipeline> live(new LivePipeline);
    live->size_ = size;
    live->frames_ = frames;
    live->pipeline_.reset(GST_ELEMENT(gst_object_ref_sink(gst_pipeline_new("camera"))));
    if (!live->build(video)) return nullptr;
    GstRef<GstBus> bus{gst_pipeline_get_bus(GST_PIPELINE(live->pipeline()))};
    gst_bus_set_sync_handler(bus.get(), onMessage, handlerData, nullptr);
    RaceCheck::handOverToPipeline();
    if (gst_element_set_state(live->pipeline(), GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE)
        return nullptr;
    return live;
}

bool LivePipeline::build(const Input &video) {
    GstRef<GstCaps> mode;
    QString media;
    GstRef<GstElement> src = makeSource(video, size_, &mode, &media);
    const bool jpeg = media == QLatin1String("image/jpeg");
    GstRef<GstElement> modeFilter = makeElement("capsfilter");
    GstRef<GstElement> decoder = jpeg ? makeElement("jpegdec") : GstRef<GstElement>();
    GstRef<GstElement> crop = makeElement("videocrop"), scale = makeElement("videoscale");
    GstRef<GstElement> convert = makeElement("videoconvert");
    GstRef<GstElement> pictureFilter = makeElement("capsfilter");
    GstRef<GstElement> balance = makeElement("videobalance"), tee = makeElement("tee");
    GstRef<GstElement> sink = makeElement("appsink");
    for (const GstRef<GstElement> *e :
         {&src, &modeFilter, &crop, &scale, &convert, &pictureFilter, &balance, &tee, &sink})
        if (!*e) return false;
    if (jpeg && !decoder) return false;

    if (mode) g_object_set(modeFilter.get(), "caps", mode.get(), nullptr);
    // No borders: the crop has already given the picture the control's proportions.
    g_object_set(scale.get(), "add-borders", FALSE, nullptr);
    const GstRef<GstCaps> picture = pictureCaps(size_);
    g_object_set(pictureFilter.get(), "caps", picture.get(), nullptr);
    g_object_set(tee.get(), "allow-not-linked", TRUE, nullptr);
    g_object_set(sink.get(), "caps", picture.get(), "drop", TRUE, "max-buffers", 1, "sync", FALSE,
                 "enable-last-sample", FALSE, nullptr);

    GstRef<GstPad> cropSink{gst_element_get_static_pad(crop.get(), "sink")};
    gst_pad_add_probe(cropSink.get(), GST_PAD_PROBE_TYPE_EVENT_DOWNSTREAM, onCropCaps,
                      new QSize(size_), [](gpointer p) { delete static_cast<QSize *>(p); });

    GstBin *bin = GST_BIN(pipeline());
    gst_bin_add_many(bin, src.get(), modeFilter.get(), crop.get(), scale.get(), convert.get(),
                     pictureFilter.get(), balance.get(), tee.get(), sink.get(), nullptr);
    bool linked = gst_element_link(src.get(), modeFilter.get());
    if (decoder) {
        gst_bin_add(bin, decoder.get());
        linked =
            linked && gst_element_link_many(modeFilter.get(), decoder.get(), crop.get(), nullptr);
    } else {
        linked = linked && gst_element_link(modeFilter.get(), crop.get());
    }
    linked =
        linked && gst_element_link_many(crop.get(), scale.get(), convert.get(), pictureFilter.get(),
                                        balance.get(), tee.get(), sink.get(), nullptr);

    GstAppSinkCallbacks callbacks{};
    callbacks.new_sample = &onNewSample;
    gst_app_sink_set_callbacks(GST_APP_SINK(sink.get()), &callbacks, frames_, nullptr);
    source_ = src.get();
    balance_ = balance.get();
    tee_ = tee.get();
    return linked;
}

LivePipeline::~LivePipeline() {
    if (!pipeline_) return;
    gst_element_set_state(pipeline(), GST_STATE_NULL);
    RaceCheck::pipelineStopped();
    GstRef<GstBus> bus{gst_pipeline_get_bus(GST_PIPELINE(pipeline()))};
    gst_bus_set_sync_handler(bus.get(), nullptr, nullptr, nullptr);
}

GstClockTime LivePipeline::runningTime() const {
    GstRef<GstClock> clock{gst_element_get_clock(pipeline())};
    if (!clock) return 0;
    const GstClockTime now = gst_clock_get_time(clock.get());
    const GstClockTime base = gst_element_get_base_time(pipeline());
    return now > base ? now - base : 0;
}

void LivePipeline::setSleeping(bool sleeping) {
    if (sleeping == sleeping_) return;
    sleeping_ = sleeping;
    // Ready stops the source and frees its buffers; the pipeline keeps its shape.
    RaceCheck::handOverToPipeline();
    gst_element_set_state(pipeline(), sleeping ? GST_STATE_READY : GST_STATE_PLAYING);
    if (sleeping) RaceCheck::pipelineStopped();
    if (sleeping) frames_->drop();
}
