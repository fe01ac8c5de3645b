// What a test plug-in instance does when called: it records the call, then answers from its
// script.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

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

bool Generated(const Instance& instance, int32_t index) {
    return index >= kMaxParameters && index < instance.script.numParams;
}

std::string GeneratedText(const char* stem, int32_t index) {
    return stem + std::to_string(index);
}

int32_t FindIdentifier(const Instance& instance, const char* identifier) {
    for (int32_t i = 0; i < instance.script.numParams && i < kMaxParameters; ++i) {
        if (std::strcmp(instance.script.parameters[i].identifier, identifier) == 0) return i;
    }
    if (std::strncmp(identifier, "param", 5) == 0) {
        const int32_t index = std::atoi(identifier + 5);
        if (Generated(instance, index) && GeneratedText("param", index) == identifier) return index;
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

unsigned char* ChunkBytes(Instance& instance) {
    if (instance.script.chunkSize <= kMaxChunkSize) return instance.script.chunk;
    instance.largeChunk.resize(static_cast<size_t>(instance.script.chunkSize));
    return instance.largeChunk.data();
}

intptr_t AnswerChunk(Instance& instance, void* ptr) {
    Script& script = instance.script;
    *static_cast<void**>(ptr) = script.chunkDataNull != 0 ? nullptr : ChunkBytes(instance);
    const int32_t size = script.chunkSize;
    if (script.chunkGrowth != 0) {
        script.chunkSize = std::min(script.chunkSize + script.chunkGrowth, kMaxChunkSize);
    }
    return size;
}

intptr_t TakeChunk(Instance& instance, intptr_t size, const void* data) {
    if (size < 0 || size > 0x7FFFFFFF) return 0;
    Script& script = instance.script;
    script.chunkSize = static_cast<int32_t>(size);
    std::memcpy(ChunkBytes(instance), data, static_cast<size_t>(size));
    if (script.chunkHoldsValues != 0) {
        const intptr_t count = std::min<intptr_t>(
            {size / static_cast<intptr_t>(sizeof(float)), script.numParams, kMaxParameters});
        for (intptr_t i = 0; i < count; ++i) {
            std::memcpy(&script.parameters[i].value,
                        static_cast<const unsigned char*>(data) + i * sizeof(float), sizeof(float));
        }
    }
    return 1;
}

// The text a parameter answers, scripted or generated; null for no parameter.
const char* ParameterText(Instance& instance, int32_t index, bool identifier, std::string& made) {
    if (Generated(instance, index)) {
        made = GeneratedText(identifier ? "param" : "Param", index);
        return made.c_str();
    }
    Parameter* parameter = ParameterAt(instance, index);
    if (parameter == nullptr) return nullptr;
    return identifier ? parameter->identifier : parameter->name;
}

// The one scripted report to the host from inside a call that reportPlaces names; the depth keeps
// the host's answers to it from reporting again.
void ReportFrom(Instance& instance, ReportPlace place) {
    thread_local int32_t depth = 0;
    const Script& script = instance.script;
    if ((script.reportPlaces & place) == 0 || depth > 0) return;
    ++depth;
    instance.host(&instance.effect, script.reportOpcode, script.reportIndex, 0, nullptr,
                  script.reportValue);
    --depth;
}

intptr_t Answer(Instance& instance, int32_t opcode, int32_t index, intptr_t value, void* ptr) {
    Parameter* parameter = ParameterAt(instance, index);
    std::string made;
    switch (opcode) {
        case effPrivateRedraw:
        case effPrivatePrepareEditor:
        case effSetBypassParamIdentifier:
            return instance.script.privateAnswer;
        case effEditIdle:
            ReportFrom(instance, kReportInEditIdle);
            return 0;
        case effEditGetRect:
            if (instance.script.editorRectNull == 0) {
                *static_cast<ERect**>(ptr) = &instance.script.editorRect;
            }
            return 1;
        case effGetChunk:
            return AnswerChunk(instance, ptr);
        case effSetChunk:
            ReportFrom(instance, kReportInSetChunk);
            return TakeChunk(instance, value, ptr);
        case effOpen:
            instance.opened = true;
            if (instance.script.changesNumParamsOnOpen != 0) {
                instance.effect.numParams = instance.script.numParamsAfterOpen;
            }
            return 0;
        case effCanBeAutomated:
            if (instance.script.automatableOnlyWhenOpen != 0 && !instance.opened) return 0;
            if (Generated(instance, index)) return 1;
            return parameter != nullptr ? parameter->automatable : 0;
        case effGetParamName: {
            const char* name = ParameterText(instance, index, false, made);
            if (name == nullptr) return 0;
            WriteText(instance, ptr, name, kFilledNameSize);
            return 1;
        }
        case effGetParameterProperties:
            if (parameter == nullptr || parameter->hasProperties == 0) return 0;
            std::memcpy(ptr, &parameter->properties, sizeof parameter->properties);
            return 1;
        case effGetParamIdentifier: {
            const char* identifier = ParameterText(instance, index, true, made);
            if (identifier == nullptr) return 0;
            WriteText(instance, ptr, identifier, value > 0 ? value : kFilledIdentifierSize);
            return 1;
        }
        case effGetParamIndexFromIdentifier:
            if (instance.script.overridesIndexFromIdentifier != 0) {
                return instance.script.indexFromIdentifier;
            }
            return FindIdentifier(instance, static_cast<const char*>(ptr));
        case effEditOpen:
        case effProcessEvents:
            return 1;
        default:
            return 0;
    }
}

// The host calls a re-entrant plug-in makes; the depth keeps them from nesting.
void CallHostBack(AEffect* effect) {
    thread_local int32_t depth = 0;
    if (depth > 0) return;
    ++depth;
    const audioMasterCallback host = InstanceOf(effect).host;
    host(effect, audioMasterGetTime, 0, kVstPpqPosValid | kVstTempoValid, nullptr, 0.0f);
    host(effect, audioMasterGetSampleRate, 0, 0, nullptr, 0.0f);
    host(effect, audioMasterAutomate, 0, 0, nullptr, 0.5f);
    host(effect, audioMasterUpdateDisplay, 0, 0, nullptr, 0.0f);
    --depth;
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
    Instance& instance = InstanceOf(effect);
    if (instance.closed) CountCallAfterClose();
    if (opcode == effClose) instance.closed = true;
    if (instance.script.reentrantHostCalls != 0) CallHostBack(effect);
    if (instance.failedOpen) return 0;
    if (opcode == effOpen && instance.script.openFails != 0) {
        instance.failedOpen = true;
        return 0;
    }
    return Answer(instance, opcode, index, value, ptr);
}

// The step nearest to `value` of `steps` evenly spaced ones from 0 to 1.
float Snapped(float value, int32_t steps) {
    const float intervals = static_cast<float>(steps - 1);
    return std::round(std::clamp(value, 0.0f, 1.0f) * intervals) / intervals;
}

void SetParameter(AEffect* effect, int32_t index, float value) {
    if (Recording(effect)) {
        Call call = NewCall(effect, CallKind::kSetParameter);
        call.index = index;
        call.opt = value;
        RecordCall(call);
    }
    Instance& instance = InstanceOf(effect);
    if (instance.closed) CountCallAfterClose();
    ReportFrom(instance, kReportInSetParameter);
    const Script& script = instance.script;
    if (script.snapSteps >= 2) value = Snapped(value, script.snapSteps);
    Parameter* parameter = ParameterAt(instance, index);
    if (parameter != nullptr) parameter->value = value;
    if (script.echoesSetParameter == 1) {
        instance.host(effect, audioMasterAutomate, index, 0, nullptr, value);
    } else if (script.echoesSetParameter == 2) {
        instance.echoValue.store(value);
        instance.echoIndex.store(index);
    }
}

float GetParameter(AEffect* effect, int32_t index) {
    if (Recording(effect)) {
        Call call = NewCall(effect, CallKind::kGetParameter);
        call.index = index;
        RecordCall(call);
    }
    Instance& instance = InstanceOf(effect);
    if (instance.closed) CountCallAfterClose();
    if (instance.script.overridesGetParameter != 0) return instance.script.getParameterValue;
    const Parameter* parameter = ParameterAt(instance, index);
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

// The edits a plug-in reports from inside its block, as a change driven by its audio or MIDI.
void ReportEdits(Instance& instance) {
    AEffect* effect = &instance.effect;
    const bool bare = instance.script.bareReports != 0;
    const double step =
        instance.script.reportStep != 0.0 ? instance.script.reportStep : kReportStep;
    const int32_t spread = std::max(instance.script.reportsSpread, 1);
    for (int32_t i = 0; i < instance.script.reportsInProcess; ++i) {
        const int32_t index = instance.reportsMade % spread;
        const auto value = static_cast<float>(++instance.reportsMade * step);
        if (!bare) instance.host(effect, audioMasterBeginEdit, index, 0, nullptr, 0.0f);
        instance.host(effect, audioMasterAutomate, index, 0, nullptr, value);
        if (!bare) instance.host(effect, audioMasterEndEdit, index, 0, nullptr, 0.0f);
    }
}

void ProcessReplacing(AEffect* effect, float** inputs, float** outputs, int32_t frames) {
    Instance& instance = InstanceOf(effect);
    if (instance.closed) CountCallAfterClose();
    ReportFrom(instance, kReportInProcess);
    const int32_t echoed = instance.echoIndex.exchange(-1);
    if (echoed >= 0) {
        instance.host(effect, audioMasterAutomate, echoed, 0, nullptr, instance.echoValue.load());
    }
    ReportEdits(instance);
    if (instance.script.recording != 0 || instance.script.asksTimeInProcess != 0) {
        RecordBlock(effect, inputs, outputs, frames);
    }
    if (!instance.failedOpen) RunDsp(instance, inputs, outputs, frames);
}

}  // namespace

void ConnectCallbacks(AEffect& effect) {
    effect.dispatcher = &Dispatcher;
    effect.setParameter = &SetParameter;
    effect.getParameter = &GetParameter;
    effect.processReplacing = &ProcessReplacing;
    if (InstanceOf(&effect).script.processReplacingNull != 0) effect.processReplacing = nullptr;
}

}  // namespace testplugin
