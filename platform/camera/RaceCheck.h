#pragma once

// GStreamer hands work to its streaming threads, and Qt hands functions to
// the main thread, through their own locks, which ThreadSanitizer cannot see
// (the system's libraries are not built for it). These mark such hand-overs
// for it, so that it checks the sharing done by the camera's own code instead
// of reporting every hand-over as a race. In other builds they are empty.

#if defined(__SANITIZE_THREAD__)
extern "C" {
void __tsan_acquire(void *addr);
void __tsan_release(void *addr);
void __tsan_ignore_thread_begin();
void __tsan_ignore_thread_end();
}
#endif

namespace RaceCheck {

#if defined(__SANITIZE_THREAD__)
inline char toPipeline, fromPipeline;

// Main thread, before it starts or changes a pipeline or adds a probe:
// what it did so far is seen by the streaming threads.
inline void handOverToPipeline() { __tsan_release(&toPipeline); }
// Main thread, once a pipeline has stopped: what its streaming threads did
// is seen here.
inline void pipelineStopped() { __tsan_acquire(&fromPipeline); }

// Streaming thread, for as long as it runs the camera's code.
class StreamingScope {
public:
    StreamingScope() { __tsan_acquire(&toPipeline); }
    ~StreamingScope() { __tsan_release(&fromPipeline); }
    StreamingScope(const StreamingScope &) = delete;
    StreamingScope &operator=(const StreamingScope &) = delete;
};

// Posts a function through Qt's event queue without its construction on
// this thread counting as an access that races with its call on the main
// thread.
template <class Post>
void postUnrecorded(Post &&post) {
    __tsan_ignore_thread_begin();
    post();
    __tsan_ignore_thread_end();
}
#else
inline void handOverToPipeline() {}
inline void pipelineStopped() {}
struct StreamingScope {
    StreamingScope() {}
};
template <class Post>
void postUnrecorded(Post &&post) {
    post();
}
#endif

}  // namespace RaceCheck
