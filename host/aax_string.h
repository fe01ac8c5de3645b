// The text type of every AAX interface: the abstract AAX_IString, whose slot order is binary
// interface with the host, and the module's one implementation AAX_CString.
#pragma once

#include <cstdint>
#include <string>

class AAX_IString {
public:
    virtual ~AAX_IString() = default;                                 // 0
    virtual uint32_t Length() const = 0;                              // 1
    virtual uint32_t MaxLength() const = 0;                           // 2
    virtual const char* Get() const = 0;                              // 3
    virtual void Set(const char* text) = 0;                           // 4
    virtual AAX_IString& operator=(const char* text) = 0;             // 5
    virtual AAX_IString& operator=(const AAX_IString& other) = 0;     // 6
};

// A growable byte string; bytes are stored unchanged, without any encoding conversion.
class AAX_CString : public AAX_IString {
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
    AAX_CString& operator=(const char* text) override;
    AAX_CString& operator=(const AAX_IString& other) override;
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
