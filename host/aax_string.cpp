#include "host/aax_string.h"

#include <locale>
#include <sstream>

AAX_CString::AAX_CString(const char* text) : mString(text == nullptr ? "" : text) {}

uint32_t AAX_CString::Length() const {
    return static_cast<uint32_t>(mString.size());
}

uint32_t AAX_CString::MaxLength() const {
    return 0xFFFFFFFEu;
}

const char* AAX_CString::Get() const {
    return mString.c_str();
}

void AAX_CString::Set(const char* text) {
    mString = text == nullptr ? "" : text;
}

AAX_CString& AAX_CString::AssignText(const char* text) {
    Set(text);
    return *this;
}

AAX_CString& AAX_CString::AssignString(const AAX_IString& other) {
    if (&other != this) Set(other.Get());
    return *this;
}

AAX_CString& AAX_CString::operator=(const AAX_CString& other) {
    mString = other.mString;
    return *this;
}

void AAX_CString::AppendNumber(double value, int32_t precision) {
    std::ostringstream stream;
    // A new stream takes the process-wide locale, which the host may have changed; the text
    // must keep the point as decimal separator and no grouping.
    stream.imbue(std::locale::classic());
    stream.setf(std::ios_base::fixed, std::ios_base::floatfield);
    stream.precision(precision);
    stream << value;
    mString += stream.str();
}

void AAX_CString::Append(const char* text) {
    if (text != nullptr) mString += text;
}

void AAX_CString::Clear() {
    mString.clear();
}

void AAX_CString::Erase(uint32_t position, uint32_t count) {
    if (position < mString.size()) mString.erase(position, count);
}

char AAX_CString::operator[](uint32_t position) const {
    return position < mString.size() ? mString[position] : '\0';
}
