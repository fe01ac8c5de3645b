// The dispatcher's answers about parameters.
#include <cstring>

#include "tools/demo-plugin/instance.h"

namespace vq318demo {
namespace {

// Units and value texts keep to the 8 bytes that VST 2.4 hosts reserve for them; names get more,
// as hosts give, but never more than this.
constexpr size_t kShortTextCapacity = 8;
constexpr size_t kNameCapacity = 32;

void FillProperties(int32_t index, VstParameterProperties& properties) {
    const ParameterInfo& info = InfoOf(index);
    std::memset(&properties, 0, sizeof properties);
    CopyText(properties.label, sizeof properties.label, info.label);
    CopyText(properties.shortLabel, sizeof properties.shortLabel, info.shortLabel);
    properties.flags = kVstParameterSupportsDisplayIndex;
    properties.displayIndex = static_cast<int16_t>(index);
    if (info.steps > 0) {
        // Stepped parameters carry the switch flag and their number of positions.
        properties.flags |= kVstParameterIsSwitch | kVstParameterUsesIntegerMinMax;
        properties.minInteger = 0;
        properties.maxInteger = info.steps - 1;
        properties.stepInteger = info.steps;
        properties.largeStepInteger = 1;
    } else {
        properties.flags |= kVstParameterCanRamp;
    }
}

// effGetParamIdentifier: `capacity` is the size of the host's buffer, or 0 when the host gives
// none and relies on identifiers being short.
intptr_t WriteIdentifier(int32_t index, intptr_t capacity, char* text) {
    if (capacity < 0) return 0;
    const size_t limit = capacity == 0 ? kMaxIdentifierLength + 1 : static_cast<size_t>(capacity);
    CopyText(text, limit, InfoOf(index).identifier);
    return 1;
}

intptr_t IndexOfIdentifier(const Instance& instance, const char* identifier) {
    if (identifier == nullptr) return -1;
    // The host's bypass is its own parameter, never one of these, whatever its name.
    if (instance.bypassIdentifier[0] != '\0' &&
        std::strncmp(identifier, instance.bypassIdentifier, sizeof instance.bypassIdentifier) ==
            0) {
        return -1;
    }
    return FindIdentifier(identifier);
}

}  // namespace

bool AnswerParameterRequest(Instance& instance, int32_t opcode, int32_t index, intptr_t value,
                            void* ptr, intptr_t& answer) {
    auto* text = static_cast<char*>(ptr);
    // The requests that write about one parameter need the parameter and somewhere to write.
    const bool writable = IsParameter(index) && ptr != nullptr;
    answer = writable ? 1 : 0;
    switch (opcode) {
        case effGetParamIndexFromIdentifier:
            answer = IndexOfIdentifier(instance, text);
            return true;
        case effSetBypassParamIdentifier:
            CopyText(instance.bypassIdentifier, sizeof instance.bypassIdentifier,
                     text != nullptr ? text : "");
            answer = 1;
            return true;
        case effCanBeAutomated:
            answer = IsParameter(index) && InfoOf(index).automatable ? 1 : 0;
            return true;
        case effGetParamIdentifier:
            answer = writable ? WriteIdentifier(index, value, text) : 0;
            return true;
        case effGetParamLabel:
            if (writable) CopyText(text, kShortTextCapacity, UnitOf(index));
            return true;
        case effGetParamDisplay:
            if (writable) {
                FormatValue(index, instance.parameters.Get(index), text, kShortTextCapacity);
            }
            return true;
        case effGetParamName:
            if (writable) CopyText(text, kNameCapacity, InfoOf(index).name);
            return true;
        case effGetParameterProperties:
            if (writable) FillProperties(index, *static_cast<VstParameterProperties*>(ptr));
            return true;
        default:
            return false;
    }
}

}  // namespace vq318demo
