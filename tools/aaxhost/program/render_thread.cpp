#include "tools/aaxhost/program/render_thread.h"

#include <chrono>

#include "tools/aaxhost/program/render_allocations.h"

namespace aaxhost {

RenderThread::RenderThread(EffectInstance& instance)
    : mInstance(instance), mThread([this] { Loop(); }) {}

RenderThread::~RenderThread() {
    mHandover.Stop();
    mThread.join();
}

double RenderThread::RenderBlock(const float* const* inputs, float* const* outputs,
                                 int32_t frames) {
    mInputs = inputs;
    mOutputs = outputs;
    mFrames = frames;
    mHandover.Run();
    return mSeconds;
}

void RenderThread::Loop() {
    while (mHandover.AwaitBlock()) {
        const uint64_t before = CountedAllocations();
        CountAllocationsOnThisThread(true);
        const auto start = std::chrono::steady_clock::now();
        mInstance.Render(mInputs, mOutputs, mFrames);
        const auto end = std::chrono::steady_clock::now();
        CountAllocationsOnThisThread(false);
        mAllocations.fetch_add(CountedAllocations() - before, std::memory_order_acq_rel);
        mSeconds = std::chrono::duration<double>(end - start).count();
        mHandover.FinishBlock();
    }
}

}  // namespace aaxhost
