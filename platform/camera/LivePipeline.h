#pragma once

#include <gst/gst.h>

#include <QSize>

#include <memory>

#include "platform/camera/FrameHandover.h"
#include "platform/camera/GstRef.h"
#include "platform/camera/InputList.h"

// The live picture of one video input: source, camera mode, crop to the
// picture's proportions, scale, 32-bit conversion, colour balance, a tee that
// recordings attach to, and a sink that hands the newest frame over.
class LivePipeline {
public:
    // Builds and starts the pipeline; null when it cannot be built or started.
    // Bus messages go to the handler, on whichever thread posts them.
    static std::unique_ptr<LivePipeline> open(const Input &video, QSize size, FrameHandover *frames,
                                              GstBusSyncHandler onMessage, gpointer handlerData);
    ~LivePipeline();

    GstElement *pipeline() const { return pipeline_.get(); }
    // The camera source (its own picture settings, where it has them) and the
    // program's colour balance stage.
    GstElement *videoSource() const { return source_; }
    GstElement *balance() const { return balance_; }
    GstElement *videoTee() const { return tee_; }
    QSize size() const { return size_; }

    // The pipeline's running time now: where a recording that starts now begins.
    GstClockTime runningTime() const;

    // A sleeping pipeline stops its source: no frames, no work. Waking starts
    // it again; frames follow once the source delivers.
    void setSleeping(bool sleeping);
    bool sleeping() const { return sleeping_; }

private:
    LivePipeline() = default;
    bool build(const Input &video);

    GstRef<GstElement> pipeline_;
    GstElement *source_ = nullptr, *balance_ = nullptr, *tee_ = nullptr;  // owned by the pipeline
    QSize size_;
    FrameHandover *frames_ = nullptr;
    bool sleeping_ = false;
};
