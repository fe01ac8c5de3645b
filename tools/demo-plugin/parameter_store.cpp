#include "tools/demo-plugin/parameter_store.h"

#include <cmath>

namespace vq318demo {

ParameterStore::ParameterStore() {
    for (int32_t i = 0; i < kParameterCount; ++i) {
        values_[i].store(InfoOf(i).defaultValue, std::memory_order_relaxed);
    }
}

bool ParameterStore::Set(int32_t index, float value) {
    if (!IsParameter(index) || std::isnan(value)) return false;
    const float clamped = value < 0.0f ? 0.0f : (value > 1.0f ? 1.0f : value);
    return values_[index].exchange(clamped, std::memory_order_relaxed) != clamped;
}

float ParameterStore::Get(int32_t index) const {
    return IsParameter(index) ? values_[index].load(std::memory_order_relaxed) : 0.0f;
}

void ParameterStore::Snapshot(float (&values)[kParameterCount]) const {
    for (int32_t i = 0; i < kParameterCount; ++i) {
        values[i] = values_[i].load(std::memory_order_relaxed);
    }
}

void ParameterStore::Assign(const float (&values)[kParameterCount]) {
    for (int32_t i = 0; i < kParameterCount; ++i) {
        values_[i].store(values[i], std::memory_order_relaxed);
    }
}

}  // namespace vq318demo
