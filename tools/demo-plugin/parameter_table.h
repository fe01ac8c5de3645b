// The demo plug-in's parameters as a host sees them: identifiers, names, labels, flags, steps,
// defaults, and the texts that show a normalized value in the parameter's own unit.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vq318demo {

enum ParameterIndex : int32_t {
    kDepth,        // tremolo depth, 0 (none) to 1 (full)
    kRate,         // free-running tremolo rate, 0.1 Hz to 20 Hz
    kSync,         // switch: the tremolo follows the host's tempo
    kDivision,     // five steps: one tremolo cycle per whole, half, quarter, eighth, sixteenth note
    kTone,         // one-pole low-pass cutoff, 20 Hz to 20 kHz
    kGain,         // output gain, linear 0 to 2 (the default 0.5 is unity)
    kStereoPhase,  // phase offset of the right channel's tremolo, 0 to half a cycle
    kParameterCount,
};

// An identifier holds at most 31 characters, so that it fits a 32-byte buffer with its end.
inline constexpr size_t kMaxIdentifierLength = 31;

struct ParameterInfo {
    const char* identifier;  // stable across versions: hosts keep automation under it
    const char* name;        // effGetParamName
    const char* label;       // effGetParameterProperties: long and short labels
    const char* shortLabel;  // at most 7 characters
    int32_t steps;           // 0 for a continuous parameter, else its number of positions
    bool automatable;
    float defaultValue;
};

const ParameterInfo& InfoOf(int32_t index);

// True when `index` names a parameter.
inline bool IsParameter(int32_t index) {
    return index >= 0 && index < kParameterCount;
}

// The index of the parameter whose identifier is `identifier`, or -1. Reads at most one byte
// past kMaxIdentifierLength, so an unterminated text is never followed far.
int32_t FindIdentifier(const char* identifier);

// The position (0 to steps - 1) of a stepped parameter at `value`.
int32_t StepOf(int32_t index, float value);

// The unit text of parameter `index` ("%", "Hz", "dB", ...).
const char* UnitOf(int32_t index);

// Writes the value in the parameter's unit ("50", "4.07", "on", "1/4") into `text`, at most
// `capacity` bytes with the end; nothing when `capacity` is 0.
void FormatValue(int32_t index, float value, char* text, size_t capacity);

// Copies `source` into `destination` of `capacity` bytes, cut to fit, always ended.
void CopyText(char* destination, size_t capacity, const char* source);

}  // namespace vq318demo
