#pragma once

#include <gst/gst.h>

#include <QSize>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <mutex>

#include "platform/camera/GstRef.h"
#include "platform/camera/InputList.h"

// One movie: a bin that takes the picture on its "video" pad, opens its own
// sound input where it has one, and writes VP8 and Opus into a WebM file.
struct Movie {
    GstRef<GstElement> bin;
    QString path;
    GstRef<GstPad> videoSink;  // the bin's "video" pad
    GstRef<GstPad> teePad;     // the live picture's tee pad it hangs on
    GstElement *encoder = nullptr, *soundSource = nullptr, *volume = nullptr,
               *mux = nullptr;  // in the bin

    // Running time of the pipeline where the movie begins; older data is left out.
    GstClockTime start = 0;
    std::atomic<bool> started{false};
    // Frames offered at the tee, and frames that reached the file's muxer.
    std::atomic<uint64_t> offered{0}, kept{0};
    // Set when the file cannot be written: nothing more goes into it.
    std::atomic<bool> failed{false};
    // Set once the branch is unlinked from the tee (by the idle probe or the finisher).
    std::atomic<bool> detached{false};

    // The file is complete (its end-of-stream reached the file), or the first
    // sound arrived: both are waited for.
    std::mutex mutex;
    std::condition_variable changed;
    bool complete = false;
    bool soundFlowing = false;
};

// Whether the buffer of the probe belongs in a movie that starts at the
// running time start; if so, it is stamped with its time in the movie.
bool intoMovie(GstPad *pad, GstPadProbeInfo *info, GstClockTime start);

// Builds the movie's bin into movie.bin; false when an element is missing.
// The picture is size pixels large; the sound is the input at that level.
bool buildMovieBranch(Movie &movie, const QString &path, QSize size, const Input *sound,
                      double level, bool muted);
