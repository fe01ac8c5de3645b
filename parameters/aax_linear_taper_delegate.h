// A straight line between two bounds: the taper of every continuous parameter.
#pragma once

#include <cstdint>

#include "parameters/aax_taper_delegate.h"

// RealPrecision is the number of decimals a real value is rounded to; 0 means none.
template <typename T, int32_t RealPrecision>
class AAX_CLinearTaperDelegate;

template <>
class AAX_CLinearTaperDelegate<float, 0> final : public AAX_ITaperDelegate<float> {
  public:
    AAX_CLinearTaperDelegate(float minValue, float maxValue);

    AAX_CLinearTaperDelegate* Clone() const override;
    float GetMaximumValue() const override;
    float GetMinimumValue() const override;
    // Clamps to the bounds.
    float ConstrainRealValue(float value) const override;
    // Normalized values outside 0..1 end at a bound. With equal bounds every normalized value
    // gives the minimum, and every real value normalized 0.
    float NormalizedToReal(double normalizedValue) const override;
    double RealToNormalized(float realValue) const override;

  private:
    float mMinValue;
    float mMaxValue;
};
