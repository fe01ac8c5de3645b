// Frame offsets within the coming block at which MIDI notes start the tremolo cycle again.
// Filled by effProcessEvents and emptied by the next processReplacing, both on the audio thread.
#pragma once

#include <cstdint>

namespace vq318demo {

class RestartQueue {
  public:
    static constexpr int32_t kCapacity = 64;

    // Keeps the offsets ascending; a block with more notes than kCapacity keeps the first ones.
    void Add(int32_t frame);
    void Clear() { count_ = 0; }
    const int32_t* Frames() const { return frames_; }
    int32_t Count() const { return count_; }

  private:
    int32_t frames_[kCapacity] = {};
    int32_t count_ = 0;
};

}  // namespace vq318demo
