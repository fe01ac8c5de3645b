#include "tools/aaxhost/program/parameter_table.h"

#include "tools/aaxhost/objects/host_string.h"

namespace aaxhost {
namespace {

constexpr int32_t kValueTextLength = 32;

}  // namespace

std::vector<ParameterRow> ReadParameters(const EffectInstance& instance) {
    const AAX_IACFEffectParameters_V2& effect = instance.Effect();
    std::vector<ParameterRow> rows;
    for (const std::string& identifier : instance.ParameterIdentifiers()) {
        ParameterRow row;
        row.identifier = identifier;
        const char* id = identifier.c_str();
        HostString name;
        // Names may list shorter forms on further lines; the table shows the full one.
        if (effect.GetParameterName(id, &name) == AAX_SUCCESS) {
            row.name = name.Text().substr(0, name.Text().find('\n'));
        }
        effect.GetParameterNumberOfSteps(id, &row.steps);
        effect.GetParameterType(id, &row.type);
        effect.GetParameterIsAutomatable(id, &row.automatable);
        effect.GetParameterDefaultNormalizedValue(id, &row.defaultValue);
        effect.GetParameterNormalizedValue(id, &row.value);
        HostString text;
        if (effect.GetParameterValueString(id, &text, kValueTextLength) == AAX_SUCCESS) {
            row.valueText = text.Text();
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace aaxhost
