#include "parameters/plugin_parameter_mirror.h"

#include "parameters/aax_binary_display_delegate.h"
#include "parameters/aax_binary_taper_delegate.h"
#include "parameters/aax_linear_taper_delegate.h"
#include "parameters/aax_number_display_delegate.h"
#include "parameters/aax_parameter.h"

namespace {

constexpr uint32_t kContinuousSteps = 65;

AAX_CLinearTaperDelegate<float, 0> ContinuousTaper() {
    return AAX_CLinearTaperDelegate<float, 0>(0.0f, 1.0f);
}

bool IsSwitch(const PlugInParameterInfo& info) {
    return info.hasProperties && (info.properties.flags & kVstParameterIsSwitch) != 0;
}

}  // namespace

OwnedParameter MakeMirrorParameter(const PlugInParameterInfo& info) {
    OwnedParameter parameter;
    if (IsSwitch(info) && info.properties.stepInteger == 2) {
        parameter.reset(new AAX_CParameter<bool>(
            info.identifier, AAX_CString(info.name), false, AAX_CBinaryTaperDelegate<bool>(),
            AAX_CBinaryDisplayDelegate<bool>("off", "on"), true));
        parameter->SetNumberOfSteps(2);
        parameter->SetType(0);
    } else {
        parameter.reset(new AAX_CParameter<float>(info.identifier, AAX_CString(info.name), 0.0f,
                                                  ContinuousTaper(),
                                                  AAX_CNumberDisplayDelegate<float, 2, 0>(), true));
        parameter->SetNumberOfSteps(
            IsSwitch(info) ? static_cast<uint32_t>(info.properties.stepInteger) : kContinuousSteps);
    }
    parameter->SetNormalizedValue(info.value);
    parameter->SetNormalizedDefaultValue(info.value);
    return parameter;
}

double MirrorNormalizedValue(const AAX_IParameter& mirror, float value) {
    bool on = false;
    if (mirror.GetValueAsBool(&on)) {
        const AAX_CBinaryTaperDelegate<bool> taper;
        return taper.RealToNormalized(taper.NormalizedToReal(value));
    }
    const AAX_CLinearTaperDelegate<float, 0> taper = ContinuousTaper();
    return taper.RealToNormalized(taper.NormalizedToReal(value));
}
