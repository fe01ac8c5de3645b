// The stand-in host's text object, handed to the module wherever an operation fills or reads
// text.
#pragma once

#include <cstdint>
#include <string>

#include "abi/aax_istring.h"

namespace aaxhost {

class HostString final : public BoundaryObject<AAX_IString> {
  public:
    HostString() = default;
    explicit HostString(std::string text) : mText(std::move(text)) {}

    uint32_t Length() const override { return static_cast<uint32_t>(mText.size()); }
    uint32_t MaxLength() const override { return 0xFFFFFFFEu; }
    const char* Get() const override { return mText.c_str(); }
    void Set(const char* text) override { mText = text == nullptr ? "" : text; }
    AAX_IString& AssignText(const char* text) override {
        Set(text);
        return *this;
    }
    AAX_IString& AssignString(const AAX_IString& other) override {
        if (&other != this) Set(other.Get());
        return *this;
    }

    const std::string& Text() const { return mText; }

  private:
    std::string mText;
};

}  // namespace aaxhost
