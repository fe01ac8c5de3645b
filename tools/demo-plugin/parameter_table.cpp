#include "tools/demo-plugin/parameter_table.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "tools/demo-plugin/parameter_scales.h"

namespace vq318demo {
namespace {

constexpr ParameterInfo kTable[kParameterCount] = {
    {"tremolo_depth", "Depth", "Tremolo Depth", "Depth", 0, true, 0.5f},
    {"tremolo_rate", "Rate", "Tremolo Rate", "Rate", 0, true, 0.7f},
    {"tempo_sync", "Sync", "Tempo Sync", "Sync", 2, true, 0.0f},
    {"sync_division", "Division", "Sync Division", "Div", 5, true, 0.5f},
    {"tone", "Tone", "Tone Cutoff", "Tone", 0, true, 1.0f},
    {"output_gain", "Gain", "Output Gain", "Gain", 0, true, 0.5f},
    {"stereo_phase", "Phase", "Stereo Phase", "Phase", 0, false, 0.0f},
};

constexpr const char* kDivisionTexts[] = {"1/1", "1/2", "1/4", "1/8", "1/16"};

}  // namespace

const ParameterInfo& InfoOf(int32_t index) {
    return kTable[index];
}

int32_t FindIdentifier(const char* identifier) {
    if (identifier == nullptr) return -1;
    for (int32_t i = 0; i < kParameterCount; ++i) {
        if (std::strncmp(kTable[i].identifier, identifier, kMaxIdentifierLength + 1) == 0) {
            return i;
        }
    }
    return -1;
}

int32_t StepOf(int32_t index, float value) {
    const int32_t last = kTable[index].steps - 1;
    const auto step = static_cast<int32_t>(std::lround(value * static_cast<float>(last)));
    return step < 0 ? 0 : (step > last ? last : step);
}

const char* UnitOf(int32_t index) {
    switch (index) {
        case kDepth:
            return "%";
        case kRate:
        case kTone:
            return "Hz";
        case kGain:
            return "dB";
        case kStereoPhase:
            return "deg";
        default:
            return "";
    }
}

void FormatValue(int32_t index, float value, char* text, size_t capacity) {
    if (capacity == 0) return;
    switch (index) {
        case kDepth:
            std::snprintf(text, capacity, "%.0f", 100.0 * value);
            break;
        case kRate:
            std::snprintf(text, capacity, "%.2f", RateHz(value));
            break;
        case kSync:
            CopyText(text, capacity, StepOf(index, value) != 0 ? "on" : "off");
            break;
        case kDivision:
            CopyText(text, capacity, kDivisionTexts[StepOf(index, value)]);
            break;
        case kTone:
            std::snprintf(text, capacity, "%.0f", CutoffHz(value));
            break;
        case kGain:
            if (value <= 0.0f) {
                CopyText(text, capacity, "-inf");
            } else {
                std::snprintf(text, capacity, "%.1f", 20.0 * std::log10(GainFactor(value)));
            }
            break;
        case kStereoPhase:
            std::snprintf(text, capacity, "%.0f", 360.0 * PhaseOffsetCycles(value));
            break;
        default:
            text[0] = '\0';
    }
}

void CopyText(char* destination, size_t capacity, const char* source) {
    if (capacity == 0) return;
    const size_t length = strnlen(source, capacity - 1);
    std::memcpy(destination, source, length);
    destination[length] = '\0';
}

}  // namespace vq318demo
