#include "tools/aaxhost/program/render_thread.h"

#include <chrono>

#include "tools/aaxhost/program/render_allocations.h"

namespace aaxhost {

RenderThread::RenderThread(EffectInstance& instance)
    : mInstance(instance), mThread([this] { Loop(); }) {}

RenderThread::~RenderThread() {
    mState.store(kStop, std::memory_order_release);
    mState.notify_all();
    mThread.join();
}

double RenderThread::RenderBlock(const float* const* inputs, float* const* outputs,
                                 int32_t frames) {
    mInputs = inputs;
    mOutputs = outputs;
    mFrames = frames;
    mState.store(kBlockReady, std::memory_order_release);
    mState.notify_all();
    for (int state = mState.load(std::memory_order_acquire); state != kBlockDone;
         state = mState.load(std::memory_order_acquire)) {
        mState.wait(state, std::memory_order_acquire);
    }
    mState.store(kIdle, std::memory_order_release);
    return mSeconds;
}

void RenderThread::Loop() {
    for (;;) {
        int state = mState.load(std::memory_order_acquire);
        while (state != kBlockReady && state != kStop) {
            mState.wait(state, std::memory_order_acquire);
            state = mState.load(std::memory_order_acquire);
        }
        if (state == kStop) return;
        const uint64_t before = CountedAllocations();
        CountAllocationsOnThisThread(true);
        const auto start = std::chrono::steady_clock::now();
        mInstance.Render(mInputs, mOutputs, mFrames);
        const auto end = std::chrono::steady_clock::now();
        CountAllocationsOnThisThread(false);
        mAllocations.fetch_add(CountedAllocations() - before, std::memory_order_acq_rel);
        mSeconds = std::chrono::duration<double>(end - start).count();
        mState.store(kBlockDone, std::memory_order_release);
        mState.notify_all();
    }
}

}  // namespace aaxhost
