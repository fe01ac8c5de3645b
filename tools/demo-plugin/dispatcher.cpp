// The demo plug-in's dispatcher: every opcode a host sends through AEffect::dispatcher.
#include <cmath>
#include <cstring>

#include "tools/demo-plugin/instance.h"

namespace vq318demo {
namespace {

constexpr int32_t kPlugCategoryEffect = 1;
constexpr int32_t kVstVersion = 2400;
// Buffer sizes that VST 2.4 hosts give: program names 24 bytes, the effect name 32, vendor and
// product strings 64.
constexpr size_t kProgramNameCapacity = 24;
constexpr size_t kEffectNameCapacity = 32;
constexpr size_t kVendorTextCapacity = 64;

constexpr const char* kCapabilities[] = {"receiveVstEvents", "receiveVstMidiEvent",
                                         "receiveVstTimeInfo", "bypass"};

intptr_t CanDo(const char* capability) {
    if (capability == nullptr) return 0;
    for (const char* known : kCapabilities) {
        if (std::strncmp(capability, known, kVendorTextCapacity) == 0) return 1;
    }
    return 0;
}

intptr_t WriteText(void* ptr, size_t capacity, const char* text) {
    if (ptr == nullptr) return 0;
    CopyText(static_cast<char*>(ptr), capacity, text);
    return 1;
}

// effGetChunk: the bank (index 0) only; the plug-in has one program and no separate program
// chunk.
intptr_t GetChunk(Instance& instance, int32_t index, void* ptr) {
    if (index != 0 || ptr == nullptr) return 0;
    float values[kParameterCount];
    instance.parameters.Snapshot(values);
    const size_t size = WriteBankChunk(values, instance.chunk);
    *static_cast<void**>(ptr) = instance.chunk;
    return static_cast<intptr_t>(size);
}

// effSetChunk: everything or nothing; a chunk it cannot read leaves the values as they were.
intptr_t SetChunk(Instance& instance, int32_t index, intptr_t size, const void* ptr) {
    float values[kParameterCount];
    if (index != 0 || ReadBankChunk(ptr, size, values) != ChunkStatus::kOk) return 0;
    instance.parameters.Assign(values);
    return 1;
}

// effMainsChanged 1: processing resumes, so the signal path starts from silence.
void Resume(Instance& instance) {
    float values[kParameterCount];
    instance.parameters.Snapshot(values);
    instance.chain.Reset(values);
    instance.restarts.Clear();
}

intptr_t AnswerEditorRequest(Instance& instance, int32_t opcode, void* ptr, float opt) {
    Editor& editor = instance.editor;
    switch (opcode) {
        case effEditGetRect:
            if (ptr == nullptr) return 0;
            *static_cast<ERect**>(ptr) = editor.Rect();
            return 1;
        case effEditOpen:
            return editor.Open(ptr) ? 1 : 0;
        case effEditClose:
            editor.Close();
            return 1;
        case effEditIdle:
            return editor.Idle() ? 1 : 0;
        case effPrivatePrepareEditor:
            return editor.Prepare(opt) ? 1 : 0;
        case effPrivateRedraw:
            return editor.Invalidate(static_cast<const ERect*>(ptr)) ? 1 : 0;
        default:
            return 0;
    }
}

}  // namespace

intptr_t CallHost(Instance& instance, int32_t opcode, int32_t index, intptr_t value, void* ptr,
                  float opt) {
    if (instance.host == nullptr) return 0;
    return instance.host(&instance.effect, opcode, index, value, ptr, opt);
}

intptr_t Dispatch(AEffect* effect, int32_t opcode, int32_t index, intptr_t value, void* ptr,
                  float opt) {
    Instance& instance = InstanceOf(effect);
    intptr_t answer = 0;
    if (AnswerParameterRequest(instance, opcode, index, value, ptr, answer)) return answer;
    switch (opcode) {
        case effClose:
            delete &instance;
            return 1;
        case effSetSampleRate:
            if (std::isfinite(opt) && opt > 0.0f) instance.sampleRate.store(opt);
            return 1;
        case effMainsChanged:
            if (value != 0) Resume(instance);
            return 1;
        case effGetChunk:
            return GetChunk(instance, index, ptr);
        case effSetChunk:
            return SetChunk(instance, index, value, ptr);
        case effProcessEvents:
            return ReceiveEvents(instance, static_cast<const VstEvents*>(ptr));
        case effSetBypass:
            instance.bypassed.store(value != 0);
            return 1;
        case effGetProgramNameIndexed:
            return index == 0 ? WriteText(ptr, kProgramNameCapacity, "Default") : 0;
        case effGetProgramName:
            return WriteText(ptr, kProgramNameCapacity, "Default");
        case effGetEffectName:
            return WriteText(ptr, kEffectNameCapacity, "VQ318 Demo");
        case effGetVendorString:
            return WriteText(ptr, kVendorTextCapacity, "Morvane");
        case effGetProductString:
            return WriteText(ptr, kVendorTextCapacity, "VQ318");
        case effGetVendorVersion:
            return kVersion;
        case effGetPlugCategory:
            return kPlugCategoryEffect;
        case effCanDo:
            return CanDo(static_cast<const char*>(ptr));
        case effGetTailSize:
            return 1;  // the tone filter's tail is far below one sample's worth
        case effGetVstVersion:
            return kVstVersion;
        default:
            return AnswerEditorRequest(instance, opcode, ptr, opt);
    }
}

}  // namespace vq318demo
