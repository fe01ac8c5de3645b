// An effect built on the effect-parameters base alone, so that the base's own operations and its
// controls chunk are what the host reaches: a float "gain" from 0 to 200 (default 0), a switch
// "mute" and a master bypass whose name holds three lines.
#pragma once

#include <memory>

#include "parameters/aax_effect_parameters.h"
#include "tests/parameters/parameter_factory.h"

inline constexpr const char* kBypassName = "Master Bypass\nMstr Byp\nByp";

class ControlsEffect : public AAX_CEffectParameters {
  public:
    Result EffectInit() override {
        ParameterManager().AddParameter(MakeFloatParameter("gain", 0.0f, 200.0f).release());
        ParameterManager().AddParameter(MakeSwitchParameter("mute").release());
        auto bypass = MakeSwitchParameter(kMasterBypassID);
        bypass->SetName(AAX_CString(kBypassName));
        ParameterManager().AddParameter(bypass.release());
        if (withPreview) {
            ParameterManager().AddParameter(MakeSwitchParameter("PreviewID").release());
        }
        return initResult;
    }

    bool withPreview = false;
    Result initResult = AAX_SUCCESS;
};
