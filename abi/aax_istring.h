// The text interface of every AAX operation: whoever receives an AAX_IString reads or fills it
// through these slots, so their order is binary interface between host and module.
#pragma once

#include <cstdint>

#include "abi/boundary.h"

class AAX_IString {
    VQ318_BOUNDARY_DESTRUCTOR(AAX_IString)  // 0
    // Bytes held, terminator not counted.
    virtual uint32_t Length() const = 0;     // 1
    virtual uint32_t MaxLength() const = 0;  // 2
    // NUL-terminated, never null; valid until the string is next modified or destroyed.
    virtual const char* Get() const = 0;     // 3
    virtual void Set(const char* text) = 0;  // 4
    // Both return the string itself.
    virtual AAX_IString& AssignText(const char* text) = 0;            // 5
    virtual AAX_IString& AssignString(const AAX_IString& other) = 0;  // 6

  protected:
    // Implementations copy their contents; the interface itself holds none.
    AAX_IString() = default;
    AAX_IString(const AAX_IString&) = default;
    AAX_IString& operator=(const AAX_IString&) = default;
};
