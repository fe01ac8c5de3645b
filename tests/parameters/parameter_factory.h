// Builds the two kinds of parameter the effect uses, the way its initialization does.
#pragma once

#include <memory>

#include "parameters/aax_binary_display_delegate.h"
#include "parameters/aax_binary_taper_delegate.h"
#include "parameters/aax_linear_taper_delegate.h"
#include "parameters/aax_number_display_delegate.h"
#include "parameters/aax_parameter.h"

inline std::unique_ptr<AAX_CParameter<float>> MakeFloatParameter(const char* identifier,
                                                                 float min = 0.0f,
                                                                 float max = 10.0f) {
    return std::make_unique<AAX_CParameter<float>>(identifier, AAX_CString("Gain"), min,
                                                   AAX_CLinearTaperDelegate<float, 0>(min, max),
                                                   AAX_CNumberDisplayDelegate<float, 2, 0>(), true);
}

inline std::unique_ptr<AAX_CParameter<bool>> MakeSwitchParameter(const char* identifier) {
    return std::make_unique<AAX_CParameter<bool>>(
        identifier, AAX_CString("Switch"), false, AAX_CBinaryTaperDelegate<bool>(),
        AAX_CBinaryDisplayDelegate<bool>("off", "on"), true);
}
