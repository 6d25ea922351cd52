#pragma once

#include <QDialog>
#include <QImage>
#include <QPointer>

#include <atomic>
#include <memory>
#include <vector>

#include "platform/CamCapture.h"
#include "platform/camera/FrameHandover.h"
#include "platform/camera/InputList.h"
#include "platform/camera/LivePipeline.h"
#include "platform/camera/Recorder.h"

// The camera control's state, shared by its face and its dialogs.
struct CamCapture::Impl {
    explicit Impl(CamCapture *control);
    ~Impl();

    CamCapture *q;

    // Input lists, taken on first use.
    bool listed = false;
    std::vector<Input> videos, sounds;
    void ensureListed();
    void relist();

    // The open camera; its sound input opens with each movie.
    FrameHandover frames;
    std::unique_ptr<LivePipeline> live;
    const Input *sound = nullptr;
    Recorder recorder;
    // Counts pipelines, so that a late report of a closed one is ignored.
    std::atomic<int> generation{0};
    bool open(const Input &video, QSize size);
    void close();

    // The frame on show.
    QImage frame;
    uint64_t frameId = 0, paintedId = 0, shown = 0;
    bool takeNewest();

    // Sleep: asked for by the program, held off while a movie needs the camera.
    bool wantAsleep = false;
    void applySleep();
    bool wakeForFreshFrame();

    // Sound settings, kept across openings and movies.
    double soundLevel = 1.0;
    bool muted = false;

    QPointer<QDialog> videoDialog, audioDialog;

    static GstBusSyncReply onBusMessage(GstBus *, GstMessage *msg, gpointer data);
};
