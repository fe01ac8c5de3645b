// The current normalized values of one instance's parameters. Any thread may set or read them
// at any time (the host's parameter and state threads, the audio thread, MIDI mapping); each
// value is one lock-free atomic, so a reader sees either the old or the new value, never a mix.
#pragma once

#include <atomic>
#include <cstdint>

#include "tools/demo-plugin/parameter_table.h"

namespace vq318demo {

class ParameterStore {
  public:
    ParameterStore();

    // Values outside 0 to 1 are clamped; a value that is not a number is ignored. Returns true
    // when the stored value changed. [thread-safe]
    bool Set(int32_t index, float value);
    // 0 for an index that names no parameter. [thread-safe]
    float Get(int32_t index) const;
    // All values at once, as a block or a chunk uses them. [thread-safe]
    void Snapshot(float (&values)[kParameterCount]) const;
    // Stores values that a reader has already checked. [thread-safe]
    void Assign(const float (&values)[kParameterCount]);

  private:
    std::atomic<float> values_[kParameterCount];
};

static_assert(std::atomic<float>::is_always_lock_free);

}  // namespace vq318demo
