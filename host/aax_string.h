// The module's one implementation of AAX_IString, the text type of every AAX interface.
#pragma once

#include <cstdint>
#include <string>

#include "abi/aax_istring.h"

// A growable byte string; bytes are stored unchanged, without any encoding conversion.
class AAX_CString : public BoundaryObject<AAX_IString> {
  public:
    AAX_CString() = default;
    // A null pointer gives the empty string.
    AAX_CString(const char* text);  // NOLINT(google-explicit-constructor): text converts freely
    AAX_CString(const AAX_CString& other) = default;
    ~AAX_CString() override = default;

    uint32_t Length() const override;
    uint32_t MaxLength() const override;
    const char* Get() const override;
    void Set(const char* text) override;
    AAX_CString& AssignText(const char* text) override;
    // Reads the other string through its interface, so any implementation can be the source.
    AAX_CString& AssignString(const AAX_IString& other) override;

    // Conveniences for C++ callers; they take no slot.
    AAX_CString& operator=(const char* text) { return AssignText(text); }
    AAX_CString& operator=(const AAX_IString& other) { return AssignString(other); }
    AAX_CString& operator=(const AAX_CString& other);

    // Appends `value` in fixed-point notation with `precision` digits after the point, in the
    // classic locale: 2.0 with precision 2 appends "2.00".
    void AppendNumber(double value, int32_t precision);
    void Append(const char* text);
    void Clear();
    void Erase(uint32_t position, uint32_t count);
    char operator[](uint32_t position) const;

    bool operator==(const AAX_CString& other) const { return mString == other.mString; }
    const std::string& StdString() const { return mString; }

  private:
    std::string mString;
};
