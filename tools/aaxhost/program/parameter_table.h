// What a host shows of an instance's parameters, read through the effect-parameters interface.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/aaxhost/session/effect_instance.h"

namespace aaxhost {

struct ParameterRow {
    std::string identifier;
    std::string name;
    int32_t steps = 0;
    int32_t type = 0;
    bool automatable = false;
    double defaultValue = 0.0;  // normalized
    double value = 0.0;         // normalized
    std::string valueText;
};

// One row a parameter, in index order; rows the effect cannot answer keep their defaults.
std::vector<ParameterRow> ReadParameters(const EffectInstance& instance);

}  // namespace aaxhost
