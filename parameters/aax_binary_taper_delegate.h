// The taper of a switch: off is 0.0, on is 1.0.
#pragma once

#include "parameters/aax_taper_delegate.h"

template <typename T>
class AAX_CBinaryTaperDelegate;

template <>
class AAX_CBinaryTaperDelegate<bool> final : public AAX_ITaperDelegate<bool> {
  public:
    AAX_CBinaryTaperDelegate* Clone() const override;
    bool GetMaximumValue() const override;
    bool GetMinimumValue() const override;
    bool ConstrainRealValue(bool value) const override;
    // Any positive value, however small, is on; zero, negative values and NaN are off.
    bool NormalizedToReal(double normalizedValue) const override;
    double RealToNormalized(bool realValue) const override;
};
