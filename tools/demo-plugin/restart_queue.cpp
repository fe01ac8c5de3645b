#include "tools/demo-plugin/restart_queue.h"

namespace vq318demo {

void RestartQueue::Add(int32_t frame) {
    if (count_ == kCapacity) return;
    if (frame < 0) frame = 0;
    int32_t at = count_++;
    for (; at > 0 && frames_[at - 1] > frame; --at) frames_[at] = frames_[at - 1];
    frames_[at] = frame;
}

}  // namespace vq318demo
