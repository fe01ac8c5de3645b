// Display delegates convert a parameter's real value to and from text. Operations in slot order:
// the form with a character limit comes before the plain form. A parameter owns the clone it was
// given.
#pragma once

#include <cstdint>

#include "host/aax_string.h"

class AAX_IDisplayDelegateBase {
  public:
    virtual ~AAX_IDisplayDelegateBase() = default;  // 0
};

template <typename T>
class AAX_IDisplayDelegate : public AAX_IDisplayDelegateBase {
  public:
    ~AAX_IDisplayDelegate() override = default;       // 0
    virtual AAX_IDisplayDelegate* Clone() const = 0;  // 1: owned by the caller
    virtual bool ValueToString(T value, int32_t maxNumChars,
                               AAX_CString* valueString) const = 0;                  // 2
    virtual bool ValueToString(T value, AAX_CString* valueString) const = 0;         // 3
    virtual bool StringToValue(const AAX_CString& valueString, T* value) const = 0;  // 4
};
