// Shows a switch as one of two fixed texts and reads those texts back, case-sensitively.
#pragma once

#include "parameters/aax_display_delegate.h"

template <typename T>
class AAX_CBinaryDisplayDelegate;

template <>
class AAX_CBinaryDisplayDelegate<bool> final : public AAX_IDisplayDelegate<bool> {
  public:
    // A null text is empty.
    AAX_CBinaryDisplayDelegate(const char* falseString, const char* trueString);

    AAX_CBinaryDisplayDelegate* Clone() const override;
    // The limit is not applied: the texts are fixed.
    bool ValueToString(bool value, int32_t maxNumChars, AAX_CString* valueString) const override;
    bool ValueToString(bool value, AAX_CString* valueString) const override;
    // The true text gives true; anything else gives false, and the result tells whether the
    // text was the false text.
    bool StringToValue(const AAX_CString& valueString, bool* value) const override;

  private:
    AAX_CString mFalseString;
    AAX_CString mTrueString;
};
