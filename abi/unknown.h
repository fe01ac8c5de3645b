// The binary basics of the component framework that host and module share: 16-byte identifiers of
// interfaces and classes, and IACFUnknown, the base of every interface that crosses between them.
#pragma once

#include <cstddef>
#include <cstdint>

#include "abi/result.h"

// A GUID: one 32-bit, two 16-bit and eight 8-bit fields. Two identifiers are equal only when all
// 16 bytes are.
struct Guid {
    uint32_t data1;
    uint16_t data2;
    uint16_t data3;
    uint8_t data4[8];

    constexpr bool operator==(const Guid& other) const = default;
};
static_assert(sizeof(Guid) == 16);
static_assert(offsetof(Guid, data1) == 0);
static_assert(offsetof(Guid, data2) == 4);
static_assert(offsetof(Guid, data3) == 6);
static_assert(offsetof(Guid, data4) == 8);

using InterfaceId = Guid;
using ClassId = Guid;

namespace guid_text {

constexpr uint32_t HexValue(const char* text, size_t first, size_t digits) {
    uint32_t value = 0;
    for (size_t i = first; i < first + digits; ++i) {
        const char c = text[i];
        uint32_t digit = 0;
        if (c >= '0' && c <= '9') {
            digit = static_cast<uint32_t>(c - '0');
        } else if (c >= 'A' && c <= 'F') {
            digit = static_cast<uint32_t>(c - 'A' + 10);
        } else if (c >= 'a' && c <= 'f') {
            digit = static_cast<uint32_t>(c - 'a' + 10);
        } else {
            throw "identifier text holds a character that is not a hexadecimal digit";
        }
        value = value * 16 + digit;
    }
    return value;
}

}  // namespace guid_text

// An identifier from its registry form without braces, "9D5E3E3D-52DC-5EFB-2018-DE1DE2E63F4E":
// the first three groups are data1 to data3, the last two give data4's eight bytes in order.
// Malformed text does not compile.
consteval Guid MakeUID(const char (&text)[37]) {
    if (text[8] != '-' || text[13] != '-' || text[18] != '-' || text[23] != '-') {
        throw "identifier text needs dashes after the 8th, 12th, 16th and 20th digit";
    }
    Guid uid{guid_text::HexValue(text, 0, 8),
             static_cast<uint16_t>(guid_text::HexValue(text, 9, 4)),
             static_cast<uint16_t>(guid_text::HexValue(text, 14, 4)),
             {}};
    const size_t byteStarts[8] = {19, 21, 24, 26, 28, 30, 32, 34};
    for (size_t i = 0; i < 8; ++i) {
        uid.data4[i] = static_cast<uint8_t>(guid_text::HexValue(text, byteStarts[i], 2));
    }
    return uid;
}

// The base of every ACF interface; its operations may be called on any thread. Objects are
// released, never deleted through an interface, hence the protected destructor, which takes no
// slot.
class IACFUnknown {
  public:
    // On success stores the interface for `iid` in *out, with one reference added, and returns
    // AAX_SUCCESS; otherwise stores null and returns ACF_E_NOINTERFACE.
    virtual Result QueryInterface(const InterfaceId& iid, void** out) = 0;  // 0
    // Both return the new reference count.
    virtual uint32_t AddRef() = 0;   // 1
    virtual uint32_t Release() = 0;  // 2

  protected:
    ~IACFUnknown() = default;
};

inline constexpr InterfaceId IID_IACFUnknown = MakeUID("00000000-0000-0000-C000-000000000046");
