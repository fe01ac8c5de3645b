// How the demo plug-in's normalized parameter values (0 to 1) map to the quantities its sound is
// made of; shared by the signal path and the value texts.
#pragma once

#include <cmath>

namespace vq318demo {

// 0.1 Hz to 20 Hz, even steps in pitch terms.
inline double RateHz(float value) {
    return 0.1 * std::pow(200.0, static_cast<double>(value));
}

// 20 Hz to 20 kHz.
inline double CutoffHz(float value) {
    return 20.0 * std::pow(1000.0, static_cast<double>(value));
}

// Linear, so that halving the value halves the level; 0.5 is unity.
inline double GainFactor(float value) {
    return 2.0 * static_cast<double>(value);
}

// Tremolo cycles per quarter note for division step 0 (whole note) to 4 (sixteenth).
inline double CyclesPerQuarter(int step) {
    return std::ldexp(1.0, step) / 4.0;
}

// The right channel's tremolo runs this many cycles ahead of the left one.
inline double PhaseOffsetCycles(float value) {
    return 0.5 * static_cast<double>(value);
}

}  // namespace vq318demo
