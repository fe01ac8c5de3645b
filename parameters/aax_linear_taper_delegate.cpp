#include "parameters/aax_linear_taper_delegate.h"

AAX_CLinearTaperDelegate<float, 0>::AAX_CLinearTaperDelegate(float minValue, float maxValue)
    : mMinValue(minValue), mMaxValue(maxValue) {}

AAX_CLinearTaperDelegate<float, 0>* AAX_CLinearTaperDelegate<float, 0>::Clone() const {
    return new AAX_CLinearTaperDelegate(*this);
}

float AAX_CLinearTaperDelegate<float, 0>::GetMaximumValue() const {
    return mMaxValue;
}

float AAX_CLinearTaperDelegate<float, 0>::GetMinimumValue() const {
    return mMinValue;
}

// A value that is not a number compares false both ways; it is taken as the minimum, so that
// no parameter ever holds one.
float AAX_CLinearTaperDelegate<float, 0>::ConstrainRealValue(float value) const {
    if (value > mMaxValue) return mMaxValue;
    if (!(value >= mMinValue)) return mMinValue;
    return value;
}

// An empty range (minimum equal to maximum) is legal: its one real value is the minimum, at
// normalized 0.
float AAX_CLinearTaperDelegate<float, 0>::NormalizedToReal(double normalizedValue) const {
    if (mMinValue == mMaxValue) return mMinValue;
    // Computed in double so that the float bounds lose nothing before the one final rounding.
    const double min = mMinValue;
    const double real = (static_cast<double>(mMaxValue) - min) * normalizedValue + min;
    return ConstrainRealValue(static_cast<float>(real));
}

double AAX_CLinearTaperDelegate<float, 0>::RealToNormalized(float realValue) const {
    if (mMinValue == mMaxValue) return 0.0;
    const double min = mMinValue;
    return (ConstrainRealValue(realValue) - min) / (static_cast<double>(mMaxValue) - min);
}
