// What a test plug-in instance does when called: it records the call, then answers from its
// script.
#include <algorithm>
#include <cstring>

#include "platform/platform.h"
#include "tests/support/test_plugin/call_log.h"
#include "tests/support/test_plugin/instance.h"

namespace testplugin {
namespace {

Call NewCall(AEffect* effect, CallKind kind) {
    Call call{};
    call.kind = kind;
    call.effect = effect;
    call.thread = platform::CurrentThreadId();
    return call;
}

bool Recording(AEffect* effect) {
    return InstanceOf(effect).script.recording != 0;
}

Parameter* ParameterAt(Instance& instance, int32_t index) {
    if (index < 0 || index >= instance.script.numParams || index >= kMaxParameters) return nullptr;
    return &instance.script.parameters[index];
}

// The parts of a dispatcher call that only its opcode gives a meaning to.
void DescribeArguments(Call& call, int32_t opcode, void* ptr) {
    if (ptr == nullptr) return;
    if (opcode == effGetParamIndexFromIdentifier || opcode == effSetBypassParamIdentifier) {
        std::strncpy(call.text, static_cast<const char*>(ptr), kTextSize - 1);
    } else if (opcode == effPrivateRedraw) {
        std::memcpy(&call.rect, ptr, sizeof call.rect);
    } else if (opcode == effProcessEvents) {
        const auto* events = static_cast<const VstEvents*>(ptr);
        call.numEvents = events->numEvents;
        if (events->numEvents > 0) {
            std::memcpy(&call.event, events->events[0], sizeof call.event);
        }
    }
}

int32_t FindIdentifier(const Instance& instance, const char* identifier) {
    for (int32_t i = 0; i < instance.script.numParams && i < kMaxParameters; ++i) {
        if (std::strcmp(instance.script.parameters[i].identifier, identifier) == 0) return i;
    }
    return -1;
}

// Writes `size` bytes of `text` repeated, without a terminator.
void FillWith(void* buffer, const char* text, intptr_t size) {
    const size_t length = std::max<size_t>(std::strlen(text), 1);
    auto* out = static_cast<char*>(buffer);
    for (intptr_t i = 0; i < size; ++i) {
        out[i] = text[0] == '\0' ? 'x' : text[static_cast<size_t>(i) % length];
    }
}

void WriteText(const Instance& instance, void* buffer, const char* text, intptr_t fillSize) {
    if (instance.script.fillsTextBuffers != 0) {
        FillWith(buffer, text, fillSize);
    } else {
        std::strcpy(static_cast<char*>(buffer), text);
    }
}

intptr_t AnswerChunk(Instance& instance, void* ptr) {
    Script& script = instance.script;
    *static_cast<void**>(ptr) = script.chunkDataNull != 0 ? nullptr : script.chunk;
    const int32_t size = script.chunkSize;
    script.chunkSize = std::min(script.chunkSize + script.chunkGrowth, kMaxChunkSize);
    return size;
}

intptr_t Answer(Instance& instance, int32_t opcode, int32_t index, intptr_t value, void* ptr) {
    Parameter* parameter = ParameterAt(instance, index);
    switch (opcode) {
        case effEditGetRect:
            if (instance.script.editorRectNull == 0) {
                *static_cast<ERect**>(ptr) = &instance.script.editorRect;
            }
            return 1;
        case effGetChunk:
            return AnswerChunk(instance, ptr);
        case effSetChunk:
            instance.script.chunkSize =
                static_cast<int32_t>(std::min<intptr_t>(value, kMaxChunkSize));
            std::memcpy(instance.script.chunk, ptr, instance.script.chunkSize);
            return 1;
        case effOpen:
            instance.opened = true;
            return 0;
        case effCanBeAutomated:
            if (instance.script.automatableOnlyWhenOpen != 0 && !instance.opened) return 0;
            return parameter != nullptr ? parameter->automatable : 0;
        case effGetParamName:
            if (parameter == nullptr) return 0;
            WriteText(instance, ptr, parameter->name, kFilledNameSize);
            return 1;
        case effGetParameterProperties:
            if (parameter == nullptr || parameter->hasProperties == 0) return 0;
            std::memcpy(ptr, &parameter->properties, sizeof parameter->properties);
            return 1;
        case effGetParamIdentifier:
            if (parameter == nullptr) return 0;
            WriteText(instance, ptr, parameter->identifier,
                      value > 0 ? value : kFilledIdentifierSize);
            return 1;
        case effGetParamIndexFromIdentifier:
            return FindIdentifier(instance, static_cast<const char*>(ptr));
        case effEditOpen:
        case effProcessEvents:
            return 1;
        default:
            return 0;
    }
}

intptr_t Dispatcher(AEffect* effect, int32_t opcode, int32_t index, intptr_t value, void* ptr,
                    float opt) {
    if (Recording(effect)) {
        Call call = NewCall(effect, CallKind::kDispatcher);
        call.opcode = opcode;
        call.index = index;
        call.value = value;
        call.ptr = ptr;
        call.opt = opt;
        DescribeArguments(call, opcode, ptr);
        RecordCall(call);
    }
    return Answer(InstanceOf(effect), opcode, index, value, ptr);
}

void SetParameter(AEffect* effect, int32_t index, float value) {
    if (Recording(effect)) {
        Call call = NewCall(effect, CallKind::kSetParameter);
        call.index = index;
        call.opt = value;
        RecordCall(call);
    }
    Parameter* parameter = ParameterAt(InstanceOf(effect), index);
    if (parameter != nullptr) parameter->value = value;
}

float GetParameter(AEffect* effect, int32_t index) {
    if (Recording(effect)) {
        Call call = NewCall(effect, CallKind::kGetParameter);
        call.index = index;
        RecordCall(call);
    }
    const Parameter* parameter = ParameterAt(InstanceOf(effect), index);
    return parameter != nullptr ? parameter->value : 0.0f;
}

// Reads every input and writes every output it declares, as a plug-in may.
void RunDsp(Instance& instance, float** inputs, float** outputs, int32_t frames) {
    const AEffect& effect = instance.effect;
    for (int32_t channel = 0; channel < effect.numOutputs; ++channel) {
        if (channel >= effect.numInputs) {
            std::fill_n(outputs[channel], frames, static_cast<float>(channel + 1));
        } else if (instance.script.dsp == Dsp::kBiquad && channel < 2) {
            instance.filters[channel].Process(inputs[channel], outputs[channel], frames);
        } else {
            std::copy_n(inputs[channel], frames, outputs[channel]);
        }
    }
}

// Records the block with the time answer it asked for first, if its script says so.
void RecordBlock(AEffect* effect, float** inputs, float** outputs, int32_t frames) {
    const Instance& instance = InstanceOf(effect);
    Call call = NewCall(effect, CallKind::kProcessReplacing);
    if (instance.script.asksTimeInProcess != 0) {
        const intptr_t answer =
            instance.host(effect, audioMasterGetTime, 0,
                          kVstPpqPosValid | kVstTempoValid | kVstTimeSigValid, nullptr, 0.0f);
        if (answer != 0) {
            call.sawTime = 1;
            std::memcpy(&call.time, reinterpret_cast<const void*>(answer), sizeof call.time);
        }
    }
    if (instance.script.recording == 0) return;
    const AEffect& record = instance.effect;
    for (int32_t i = 0; i < std::min(record.numInputs, kRecordedChannels); ++i) {
        call.inputs[i] = inputs[i];
    }
    for (int32_t i = 0; i < std::min(record.numOutputs, kRecordedChannels); ++i) {
        call.outputs[i] = outputs[i];
    }
    call.frames = frames;
    RecordCall(call);
}

void ProcessReplacing(AEffect* effect, float** inputs, float** outputs, int32_t frames) {
    Instance& instance = InstanceOf(effect);
    if (instance.script.recording != 0 || instance.script.asksTimeInProcess != 0) {
        RecordBlock(effect, inputs, outputs, frames);
    }
    RunDsp(instance, inputs, outputs, frames);
}

}  // namespace

void ConnectCallbacks(AEffect& effect) {
    effect.dispatcher = &Dispatcher;
    effect.setParameter = &SetParameter;
    effect.getParameter = &GetParameter;
    effect.processReplacing = &ProcessReplacing;
}

}  // namespace testplugin
