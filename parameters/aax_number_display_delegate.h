// Shows a continuous value as a plain number with two decimals, and reads a number back.
#pragma once

#include <cstdint>

#include "parameters/aax_display_delegate.h"

// Precision is the number of decimals shown; Padding the number of spaces after the number.
template <typename T, int32_t Precision, int32_t Padding>
class AAX_CNumberDisplayDelegate;

template <>
class AAX_CNumberDisplayDelegate<float, 2, 0> final : public AAX_IDisplayDelegate<float> {
  public:
    AAX_CNumberDisplayDelegate* Clone() const override;
    // Cut to the first maxNumChars characters without rounding; a point left at the end of the
    // cut text goes too, so 10.00 with a limit of 3 shows 10. A limit below 1 gives empty text.
    bool ValueToString(float value, int32_t maxNumChars, AAX_CString* valueString) const override;
    // Fixed-point, two decimals, no exponent, no unit: 0.5 shows 0.50.
    bool ValueToString(float value, AAX_CString* valueString) const override;
    // Leading white space is skipped and whatever follows the number ignored, so 2.5dB reads
    // 2.5. Text that does not start with a number gives false and 0.
    bool StringToValue(const AAX_CString& valueString, float* value) const override;
};
