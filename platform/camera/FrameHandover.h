#pragma once

#include <gst/gst.h>

#include <atomic>
#include <cstdint>
#include <mutex>

#include "platform/camera/GstRef.h"

// The newest frame, handed over from GStreamer's streaming thread to the main
// thread. Older frames are let go as newer ones arrive, so holding on costs
// one frame at most.
class FrameHandover {
public:
    // Streaming thread: keeps the sample as the newest frame.
    void push(GstSample *owned) {
        GstRef<GstSample> old;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            old.reset(latest_.take());
            latest_.reset(owned);
        }
        arrived_.fetch_add(1, std::memory_order_release);
    }

    // Main thread: the newest frame if one arrived since the last take.
    GstRef<GstSample> takeNew() {
        const uint64_t n = arrived_.load(std::memory_order_acquire);
        if (n == taken_) return {};
        taken_ = n;
        std::lock_guard<std::mutex> lock(mutex_);
        return GstRef<GstSample>(latest_.take());
    }

    // Forgets a frame not yet taken: it is older than anything that comes next.
    void drop() {
        GstRef<GstSample> old;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            old.reset(latest_.take());
        }
        taken_ = arrived_.load();
    }

    uint64_t arrived() const { return arrived_.load(std::memory_order_acquire); }

private:
    std::mutex mutex_;
    GstRef<GstSample> latest_;
    std::atomic<uint64_t> arrived_{0};
    uint64_t taken_ = 0;  // main thread only
};
