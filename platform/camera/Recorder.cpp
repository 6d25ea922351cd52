#include "platform/camera/Recorder.h"

#include <QMetaObject>
#include <QPointer>

#include <algorithm>
#include <chrono>

#include "platform/camera/MovieBranch.h"
#include "platform/camera/MovieRepair.h"
#include "platform/camera/RaceCheck.h"

namespace {

// The longest wait for a movie file to be finished, and for a new movie's
// sound input and encoder to be ready.
constexpr auto kFinishTimeout = std::chrono::seconds(10);
constexpr auto kReadyTimeout = std::chrono::milliseconds(1000);

// Lets only pictures from the movie's start into it, counts them, and stamps
// them with their time in the movie.
GstPadProbeReturn offerPicture(GstPad *pad, GstPadProbeInfo *info, gpointer data) {
    const RaceCheck::StreamingScope streaming;
    auto *movie = static_cast<Movie *>(data);
    if (!movie->started.load() || movie->failed.load()) return GST_PAD_PROBE_DROP;
    if (!intoMovie(pad, info, movie->start)) return GST_PAD_PROBE_DROP;
    movie->offered.fetch_add(1);
    return GST_PAD_PROBE_OK;
}

// Once the tee pad is idle, the branch is unlinked and gets its end-of-stream.
// The probe can fire at once and from the streaming thread: it acts once.
GstPadProbeReturn onTeePadIdle(GstPad *teePad, GstPadProbeInfo *, gpointer data) {
    const RaceCheck::StreamingScope streaming;
    auto *movie = static_cast<std::shared_ptr<Movie> *>(data)->get();
    if (movie->detached.exchange(true)) return GST_PAD_PROBE_REMOVE;
    gst_pad_unlink(teePad, movie->videoSink.get());
    gst_pad_send_event(movie->videoSink.get(), gst_event_new_eos());
    return GST_PAD_PROBE_REMOVE;
}

bool ready(Movie &movie) {
    {
        std::lock_guard<std::mutex> lock(movie.mutex);
        if (movie.soundSource && !movie.soundFlowing) return false;
    }
    GstRef<GstPad> pad{gst_element_get_static_pad(movie.encoder, "sink")};
    return gst_pad_has_current_caps(pad.get());
}

void waitUntilReady(Movie &movie) {
    const auto until = std::chrono::steady_clock::now() + kReadyTimeout;
    while (!ready(movie) && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
}

}  // namespace

Recorder::~Recorder() {
    stop();
    // Every finishing thread ends within its own bound.
    for (std::thread &t : finishers_) t.join();
}

bool Recorder::start(LivePipeline &live, const QString &path, const Sound &sound) {
    stop();
    auto movie = std::make_shared<Movie>();
    if (!buildMovieBranch(*movie, path, live.size(), sound.input, sound.level, sound.muted)) {
        // A sound input that cannot be used does not cost the movie its picture.
        return sound.input && start(live, path, Sound{});
    }
    {
        std::lock_guard<std::mutex> lock(moviesMutex_);
        movies_.push_back(movie);
    }
    auto forget = [this, &movie] {
        std::lock_guard<std::mutex> lock(moviesMutex_);
        movies_.pop_back();
        gst_element_set_state(movie->bin.get(), GST_STATE_NULL);
    };
    GstElement *pipeline = live.pipeline();
    gst_bin_add(GST_BIN(pipeline), movie->bin.get());
    RaceCheck::handOverToPipeline();
    if (!gst_element_sync_state_with_parent(movie->bin.get())) {
        // The file could not be opened, or the sound input not started.
        forget();
        gst_bin_remove(GST_BIN(pipeline), movie->bin.get());
        return sound.input && start(live, path, Sound{});
    }
    // The branch hangs on the tee at once, so that no frame of the movie is
    // missed; it lets frames in from the movie's start.
    GstElement *tee = live.videoTee();
    movie->teePad.reset(gst_element_request_pad_simple(tee, "src_%u"));
    RaceCheck::handOverToPipeline();
    gst_pad_add_probe(movie->teePad.get(), GST_PAD_PROBE_TYPE_BUFFER, offerPicture, movie.get(),
                      nullptr);
    gst_pad_link(movie->teePad.get(), movie->videoSink.get());
    // The movie begins once its sound input delivers, so that its sound starts
    // with its picture, and once its encoder has taken the picture's format,
    // so that its first frames do not wait for the encoder to set itself up.
    waitUntilReady(*movie);
    // The movie's clock starts at zero, here.
    movie->start = live.runningTime();
    movie->started = true;
    current_ = movie;
    last_ = movie;
    pipeline_ = pipeline;
    tee_ = tee;
    return true;
}

void Recorder::stop() {
    if (!current_) return;
    std::shared_ptr<Movie> movie = std::move(current_);
    current_.reset();
    // End the branch alone: its picture pad is unlinked at the tee once that
    // is idle and gets end-of-stream; the sound input is told to end. The
    // picture goes on meanwhile.
    auto *held = new std::shared_ptr<Movie>(movie);
    RaceCheck::handOverToPipeline();
    gst_pad_add_probe(movie->teePad.get(), GST_PAD_PROBE_TYPE_IDLE, onTeePadIdle, held,
                      [](gpointer p) { delete static_cast<std::shared_ptr<Movie> *>(p); });
    if (movie->soundSource) gst_element_send_event(movie->soundSource, gst_event_new_eos());
    // After a write error the queues in front of the muxer refuse further data
    // and events: the muxer gets its end-of-stream directly and finishes the
    // file with what it holds.
    if (movie->failed.load()) {
        gst_element_foreach_sink_pad(
            movie->mux,
            [](GstElement *, GstPad *pad, gpointer) -> gboolean {
                gst_pad_send_event(pad, gst_event_new_eos());
                return TRUE;
            },
            nullptr);
    }
    {
        std::lock_guard<std::mutex> lock(finishMutex_);
        ++finishing_;
    }
    finishers_.emplace_back(&Recorder::finish, this, movie, pipeline_, tee_);
}

void Recorder::finish(std::shared_ptr<Movie> movie, GstElement *pipeline, GstElement *tee) {
    {
        // Until the muxer has written the file's index and duration.
        std::unique_lock<std::mutex> lock(movie->mutex);
        movie->changed.wait_for(lock, kFinishTimeout, [&] { return movie->complete; });
    }
    // A pad whose stream was stuck is unlinked here, so the probe has nothing left to do.
    if (!movie->detached.exchange(true))
        gst_pad_unlink(movie->teePad.get(), movie->videoSink.get());
    gst_element_set_state(movie->bin.get(), GST_STATE_NULL);
    gst_bin_remove(GST_BIN(pipeline), movie->bin.get());
    // A muxer whose writes failed writes nothing more, not even the duration.
    if (movie->failed.load()) finishCutMovie(movie->path);
    gst_element_release_request_pad(tee, movie->teePad.get());
    {
        std::lock_guard<std::mutex> lock(moviesMutex_);
        movies_.erase(std::remove(movies_.begin(), movies_.end(), movie), movies_.end());
    }
    {
        std::lock_guard<std::mutex> lock(finishMutex_);
        --finishing_;
        finishDone_.notify_all();
    }
    QPointer<QObject> context(context_);
    RaceCheck::postUnrecorded([&] {
        QMetaObject::invokeMethod(
            context_,
            [this, context] {
                if (context && onFinished) onFinished();
            },
            Qt::QueuedConnection);
    });
}

bool Recorder::soundOpen() {
    std::lock_guard<std::mutex> lock(moviesMutex_);
    for (const auto &m : movies_)
        if (m->soundSource) return true;
    return false;
}

bool Recorder::busy() {
    std::lock_guard<std::mutex> lock(finishMutex_);
    return current_ || finishing_ > 0;
}

bool Recorder::waitFinished(int limitMs) {
    bool all;
    {
        std::unique_lock<std::mutex> lock(finishMutex_);
        all = finishDone_.wait_for(lock, std::chrono::milliseconds(limitMs),
                                   [this] { return finishing_ == 0; });
    }
    if (!all) return false;
    for (std::thread &t : finishers_) t.join();
    finishers_.clear();
    return true;
}

void Recorder::setSound(double level, bool muted) {
    if (current_ && current_->volume)
        g_object_set(current_->volume, "volume", level, "mute", gboolean(muted), nullptr);
}

uint64_t Recorder::framesOffered() const { return last_ ? last_->offered.load() : 0; }
uint64_t Recorder::framesKept() const { return last_ ? last_->kept.load() : 0; }

bool Recorder::handleMessage(GstMessage *msg) {
    const GstMessageType type = GST_MESSAGE_TYPE(msg);
    if (type != GST_MESSAGE_ELEMENT && type != GST_MESSAGE_ERROR) return false;
    std::shared_ptr<Movie> movie;
    {
        std::lock_guard<std::mutex> lock(moviesMutex_);
        for (const auto &m : movies_) {
            if (gst_object_has_as_ancestor(GST_MESSAGE_SRC(msg), GST_OBJECT(m->bin.get())))
                movie = m;
        }
    }
    if (!movie) return false;
    if (type == GST_MESSAGE_ELEMENT) {
        // The bin forwards its file sink's end-of-stream: the file is complete.
        if (!gst_message_has_name(msg, "GstBinForwarded")) return true;
        GstMessage *inner = nullptr;
        gst_structure_get(gst_message_get_structure(msg), "message", GST_TYPE_MESSAGE, &inner,
                          nullptr);
        GstRef<GstMessage> held{inner};
        if (inner && GST_MESSAGE_TYPE(inner) == GST_MESSAGE_EOS) {
            std::lock_guard<std::mutex> lock(movie->mutex);
            movie->complete = true;
            movie->changed.notify_all();
        }
        return true;
    }
    // An error in the movie: nothing more goes into the file, which is then
    // finished with what it holds. The camera goes on.
    if (movie->failed.exchange(true)) return true;
    QPointer<QObject> context(context_);
    RaceCheck::postUnrecorded([&] {
        QMetaObject::invokeMethod(
            context_,
            [this, context, movie] {
                if (!context || current_ != movie) return;
                stop();
                if (onFailed) onFailed();
            },
            Qt::QueuedConnection);
    });
    return true;
}
