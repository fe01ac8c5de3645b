// Narrowing a double that arrived from outside (a chunk, the host) to a float without undefined
// behaviour: a value beyond the float range becomes the infinity of its sign.
#pragma once

#include <limits>

inline float NarrowToFloat(double value) {
    constexpr double kMax = std::numeric_limits<float>::max();
    if (value > kMax) return std::numeric_limits<float>::infinity();
    if (value < -kMax) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}
