// The audio that plays while the editor is open: a render thread that feeds a quiet tone through
// the instance block by block, at the pace of real time, until it is stopped. The host thread
// keeps servicing the instance meanwhile, as a workstation's interface thread does.
#pragma once

#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

#include "tools/aaxhost/session/effect_instance.h"

namespace aaxhost {

class PlayingRender {
  public:
    // Starts the render thread.
    explicit PlayingRender(EffectInstance& instance);
    // Stops it after the block in flight.
    ~PlayingRender();
    PlayingRender(const PlayingRender&) = delete;
    PlayingRender& operator=(const PlayingRender&) = delete;

    // Blocks rendered so far. [thread-safe]
    uint64_t Blocks() const { return mBlocks.load(std::memory_order_acquire); }

  private:
    void Loop();

    EffectInstance& mInstance;
    std::vector<std::vector<float>> mIn;
    std::vector<std::vector<float>> mOut;
    std::atomic<bool> mStop{false};
    std::atomic<uint64_t> mBlocks{0};
    std::thread mThread;
};

}  // namespace aaxhost
