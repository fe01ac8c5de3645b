// One instance of the test plug-in: the effect record handed to the host and the answers it was
// created with.
#pragma once

#include <atomic>
#include <vector>

#include "abi/vst2.h"
#include "tests/support/test_plugin/biquad.h"
#include "tests/support/test_plugin_api.h"

namespace testplugin {

struct Instance {
    AEffect effect;
    Script script;
    audioMasterCallback host;
    Biquad filters[2];
    bool opened = false;                    // effOpen arrived
    std::vector<unsigned char> largeChunk;  // the chunk when it is larger than kMaxChunkSize
    bool failedOpen = false;                // effOpen failed as scripted
    std::atomic<bool> closed{false};        // effClose arrived
    int32_t reportsMade = 0;                // edits reported from processReplacing
    // The parameter whose value setParameter took last, to be echoed from the next block; -1
    // for none. Written by the host's thread, taken by the render thread.
    std::atomic<int32_t> echoIndex{-1};
    std::atomic<float> echoValue{0.0f};
};

inline Instance& InstanceOf(AEffect* effect) {
    return *static_cast<Instance*>(effect->object);
}

// Fills the effect record's callbacks (instance_callbacks.cpp).
void ConnectCallbacks(AEffect& effect);

// Counts a call that reached a closed instance (plugin_entry.cpp).
void CountCallAfterClose();

}  // namespace testplugin
