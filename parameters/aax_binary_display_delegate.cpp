#include "parameters/aax_binary_display_delegate.h"

AAX_CBinaryDisplayDelegate<bool>::AAX_CBinaryDisplayDelegate(const char* falseString,
                                                             const char* trueString)
    : mFalseString(falseString), mTrueString(trueString) {}

AAX_CBinaryDisplayDelegate<bool>* AAX_CBinaryDisplayDelegate<bool>::Clone() const {
    return new AAX_CBinaryDisplayDelegate(mFalseString.Get(), mTrueString.Get());
}

bool AAX_CBinaryDisplayDelegate<bool>::ValueToString(bool value, int32_t /*maxNumChars*/,
                                                     AAX_CString* valueString) const {
    return ValueToString(value, valueString);
}

bool AAX_CBinaryDisplayDelegate<bool>::ValueToString(bool value, AAX_CString* valueString) const {
    *valueString = value ? mTrueString : mFalseString;
    return true;
}

bool AAX_CBinaryDisplayDelegate<bool>::StringToValue(const AAX_CString& valueString,
                                                     bool* value) const {
    if (valueString == mTrueString) {
        *value = true;
        return true;
    }
    *value = false;
    return valueString == mFalseString;
}
