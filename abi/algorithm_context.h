// The per-instance record that the host fills and hands to the render callback each block:
// eleven pointer-sized fields, field N at position N.
#pragma once

#include <cstddef>
#include <cstdint>

class MidiNode;

enum AlgorithmField : uint32_t {
    kFieldAudioInputs = 0,
    kFieldInputChannelCount = 1,
    kFieldAudioOutputs = 2,
    kFieldOutputChannelCount = 3,
    kFieldSideChainInput = 4,
    kFieldBufferLength = 5,
    kFieldMasterBypass = 6,
    kFieldVstInterface = 7,
    kFieldPluginLoaded = 8,
    kFieldTransportNode = 9,
    kFieldMidiInputNode = 10,
    kAlgorithmFieldCount = 11,
};

struct AlgorithmContext {
    float** audioInputs;
    int32_t* inputChannelCount;
    float** audioOutputs;
    int32_t* outputChannelCount;
    void* sideChainInput;
    int32_t* bufferLength;
    int32_t* masterBypass;
    void** vstInterface;  // points at the posted 8-byte VstInterface pointer
    int32_t* pluginLoaded;
    MidiNode* transportNode;
    MidiNode* midiInputNode;
};
static_assert(sizeof(AlgorithmContext) == kAlgorithmFieldCount * sizeof(void*));
static_assert(offsetof(AlgorithmContext, audioInputs) == kFieldAudioInputs * sizeof(void*));
static_assert(offsetof(AlgorithmContext, inputChannelCount) ==
              kFieldInputChannelCount * sizeof(void*));
static_assert(offsetof(AlgorithmContext, audioOutputs) == kFieldAudioOutputs * sizeof(void*));
static_assert(offsetof(AlgorithmContext, outputChannelCount) ==
              kFieldOutputChannelCount * sizeof(void*));
static_assert(offsetof(AlgorithmContext, sideChainInput) == kFieldSideChainInput * sizeof(void*));
static_assert(offsetof(AlgorithmContext, bufferLength) == kFieldBufferLength * sizeof(void*));
static_assert(offsetof(AlgorithmContext, masterBypass) == kFieldMasterBypass * sizeof(void*));
static_assert(offsetof(AlgorithmContext, vstInterface) == kFieldVstInterface * sizeof(void*));
static_assert(offsetof(AlgorithmContext, pluginLoaded) == kFieldPluginLoaded * sizeof(void*));
static_assert(offsetof(AlgorithmContext, transportNode) == kFieldTransportNode * sizeof(void*));
static_assert(offsetof(AlgorithmContext, midiInputNode) == kFieldMidiInputNode * sizeof(void*));

// The process procedure's signature: the contexts of all instances sharing the call.
using ProcessProc = void (*)(AlgorithmContext* const instancesBegin[], const void* instancesEnd);
