#include "parameters/aax_binary_taper_delegate.h"

AAX_CBinaryTaperDelegate<bool>* AAX_CBinaryTaperDelegate<bool>::Clone() const {
    return new AAX_CBinaryTaperDelegate(*this);
}

bool AAX_CBinaryTaperDelegate<bool>::GetMaximumValue() const {
    return true;
}

bool AAX_CBinaryTaperDelegate<bool>::GetMinimumValue() const {
    return false;
}

bool AAX_CBinaryTaperDelegate<bool>::ConstrainRealValue(bool value) const {
    return value;
}

bool AAX_CBinaryTaperDelegate<bool>::NormalizedToReal(double normalizedValue) const {
    return normalizedValue > 0.0;
}

double AAX_CBinaryTaperDelegate<bool>::RealToNormalized(bool realValue) const {
    return realValue ? 1.0 : 0.0;
}
