#pragma once

#include <gst/gst.h>

#include <QObject>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/camera/InputList.h"
#include "platform/camera/LivePipeline.h"

struct Movie;

// Records movies (VP8 and Opus in WebM) from a live pipeline on a branch of
// their own, and finishes them off the main thread. The sound input is opened
// for each movie and closed with it.
class Recorder {
public:
    // Failure reports are delivered on the context's thread.
    explicit Recorder(QObject *context) : context_(context) {}
    ~Recorder();

    struct Sound {
        const Input *input = nullptr;  // null: a silent movie
        double level = 1.0;
        bool muted = false;
    };

    // Starts a movie into the file; false when it cannot be started (the file
    // cannot be opened, for one).
    bool start(LivePipeline &live, const QString &path, const Sound &sound);
    bool recording() const { return current_ != nullptr; }
    // Ends the running movie: its branch gets end-of-stream and a thread of
    // its own waits for the file to be complete and takes the branch down.
    void stop();
    // Waits until every ended movie is complete, at most the limit; true when all are.
    bool waitFinished(int limitMs);

    // The sound level of the running movie, changed while it records.
    void setSound(double level, bool muted);

    // Frames of the last movie: those the camera offered while it recorded,
    // and those that went into the file.
    uint64_t framesOffered() const;
    uint64_t framesKept() const;

    // Called, on the context's thread, when the running movie can no longer be
    // written (the file could not grow). The movie is stopped before.
    std::function<void()> onFailed;
    // Called, on the context's thread, each time an ended movie is complete.
    std::function<void()> onFinished;
    // A movie records or is being finished: the camera must keep running.
    bool busy();
    // A movie's sound input is open (it closes as the movie is taken down).
    bool soundOpen();

    // From the bus, on any thread: takes the messages of the movies' branches
    // (their file complete, their errors); false for everything else.
    bool handleMessage(GstMessage *msg);

private:
    void finish(std::shared_ptr<Movie> movie, GstElement *pipeline, GstElement *tee);

    QObject *context_;
    std::shared_ptr<Movie> current_, last_;
    GstElement *pipeline_ = nullptr, *tee_ = nullptr;  // of the running movie

    // Every movie not yet taken down, for the bus handler.
    std::mutex moviesMutex_;
    std::vector<std::shared_ptr<Movie>> movies_;

    // Finishing threads and how many still run.
    std::vector<std::thread> finishers_;
    std::mutex finishMutex_;
    std::condition_variable finishDone_;
    int finishing_ = 0;
};
