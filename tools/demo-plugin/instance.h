// One instance of the demo plug-in: the effect record handed to the host and everything behind
// it. Created by "main", deleted by effClose.
//
// Threads: parameter values, bypass and sample rate are atomics that any thread may touch while
// the audio thread processes; the tremolo chain and the restart queue belong to the audio thread
// (effProcessEvents and processReplacing); the editor, the chunk buffer and the bypass
// identifier belong to the host's main thread.
#pragma once

#include <atomic>

#include "abi/vst2.h"
#include "tools/demo-plugin/bank_chunk.h"
#include "tools/demo-plugin/editor.h"
#include "tools/demo-plugin/parameter_store.h"
#include "tools/demo-plugin/restart_queue.h"
#include "tools/demo-plugin/tremolo_chain.h"

namespace vq318demo {

inline constexpr int32_t kUniqueId = 0x56513331;  // 'VQ31'
inline constexpr int32_t kVersion = 1000;

struct Instance {
    AEffect effect{};
    audioMasterCallback host = nullptr;
    ParameterStore parameters;
    std::atomic<bool> bypassed{false};
    std::atomic<float> sampleRate{44100.0f};
    TremoloChain chain;
    RestartQueue restarts;
    Editor editor{*this};
    // Holds the last chunk handed out by effGetChunk, until the next one.
    unsigned char chunk[kBankChunkSize] = {};
    // The host's identifier of its bypass parameter (effSetBypassParamIdentifier).
    char bypassIdentifier[kMaxIdentifierLength + 1] = {};
};

inline Instance& InstanceOf(AEffect* effect) {
    return *static_cast<Instance*>(effect->object);
}

// A new instance talking to `host`, as "main" hands it out; null when memory runs out.
AEffect* CreateInstance(audioMasterCallback host);

// Calls the host, if there is one.
intptr_t CallHost(Instance& instance, int32_t opcode, int32_t index, intptr_t value, void* ptr,
                  float opt);

// The VST 2.4 entry points of the effect record.
intptr_t Dispatch(AEffect* effect, int32_t opcode, int32_t index, intptr_t value, void* ptr,
                  float opt);
void ProcessReplacing(AEffect* effect, float** inputs, float** outputs, int32_t frames);

// Answers the opcodes about parameters (names, labels, texts, properties, identifiers); false
// when `opcode` is none of them.
bool AnswerParameterRequest(Instance& instance, int32_t opcode, int32_t index, intptr_t value,
                            void* ptr, intptr_t& answer);

// effProcessEvents: note-ons start the tremolo cycle again in the coming block; controller 1
// (modulation wheel) sets the depth and reports the change to the host as an edit.
intptr_t ReceiveEvents(Instance& instance, const VstEvents* events);

}  // namespace vq318demo
