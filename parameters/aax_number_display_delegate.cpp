#include "parameters/aax_number_display_delegate.h"

#include <locale>
#include <sstream>

AAX_CNumberDisplayDelegate<float, 2, 0>* AAX_CNumberDisplayDelegate<float, 2, 0>::Clone() const {
    return new AAX_CNumberDisplayDelegate(*this);
}

bool AAX_CNumberDisplayDelegate<float, 2, 0>::ValueToString(float value, int32_t maxNumChars,
                                                            AAX_CString* valueString) const {
    ValueToString(value, valueString);
    if (maxNumChars < 1) {
        valueString->Clear();
        return true;
    }
    const auto limit = static_cast<uint32_t>(maxNumChars);
    if (valueString->Length() > limit) valueString->Erase(limit, valueString->Length() - limit);
    if (valueString->Length() == limit && (*valueString)[limit - 1] == '.') {
        valueString->Erase(limit - 1, 1);
    }
    return true;
}

bool AAX_CNumberDisplayDelegate<float, 2, 0>::ValueToString(float value,
                                                            AAX_CString* valueString) const {
    valueString->Clear();
    valueString->AppendNumber(value, 2);
    return true;
}

bool AAX_CNumberDisplayDelegate<float, 2, 0>::StringToValue(const AAX_CString& valueString,
                                                            float* value) const {
    // The classic locale keeps the point as decimal separator whatever the host process set.
    std::istringstream stream(valueString.StdString());
    stream.imbue(std::locale::classic());
    double parsed = 0.0;
    if (!(stream >> parsed)) {
        *value = 0.0f;
        return false;
    }
    *value = static_cast<float>(parsed);
    return true;
}
