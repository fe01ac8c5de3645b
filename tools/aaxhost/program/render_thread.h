// The real-time thread of the stand-in host: the host thread prepares a block (automation, MIDI,
// transport), hands it over and waits; the render thread runs the instance's process procedure
// with the forbidden calls counted (realtime_calls.h) and measures how long the block took.
#pragma once

#include <atomic>
#include <cstdint>
#include <thread>

#include "tools/aaxhost/program/block_handover.h"
#include "tools/aaxhost/session/effect_instance.h"

namespace aaxhost {

class RenderThread {
  public:
    explicit RenderThread(EffectInstance& instance);
    // Ends the thread after the block in flight, if any.
    ~RenderThread();
    RenderThread(const RenderThread&) = delete;
    RenderThread& operator=(const RenderThread&) = delete;

    // Renders one block on the render thread and returns once it is done; gives the seconds the
    // process procedure took.
    double RenderBlock(const float* const* inputs, float* const* outputs, int32_t frames);
    // Calls of the allocator (allocations and releases) on the render thread during blocks so far.
    uint64_t Allocations() const { return mAllocations.load(std::memory_order_acquire); }

  private:
    void Loop();

    EffectInstance& mInstance;
    const float* const* mInputs = nullptr;
    float* const* mOutputs = nullptr;
    int32_t mFrames = 0;
    double mSeconds = 0.0;
    std::atomic<uint64_t> mAllocations{0};
    BlockHandover mHandover;
    std::thread mThread;
};

}  // namespace aaxhost
