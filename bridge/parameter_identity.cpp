#include "bridge/parameter_identity.h"

#include <string>

namespace {

constexpr char kDerivedPrefix[] = "p:";
constexpr size_t kPrefixLength = sizeof kDerivedPrefix - 1;

// The index of a derived identifier, or -1 for any other text.
int64_t DerivedIndex(const char* identifier) {
    for (size_t i = 0; i < kPrefixLength; ++i) {
        if (identifier[i] != kDerivedPrefix[i]) return -1;
    }
    const char* digits = identifier + kPrefixLength;
    if (digits[0] == '\0' || (digits[0] == '0' && digits[1] != '\0')) return -1;
    int64_t index = 0;
    for (const char* c = digits; *c != '\0'; ++c) {
        if (*c < '0' || *c > '9' || index > INT32_MAX / 10) return -1;
        index = index * 10 + (*c - '0');
    }
    return index <= INT32_MAX ? index : -1;
}

int32_t ReadParameters(VstInterface& plugin, AdoptParameterProc adopt, void* context) {
    int32_t found = 0;
    const int32_t count = plugin.NumParams();
    for (int32_t index = 0; index < count; ++index) {
        PlugInParameterInfo info;
        if (ReadAutomatableParameter(plugin, index, &info)) {
            adopt(context, info);
            ++found;
        }
    }
    return found;
}

}  // namespace

void FillMissingIdentifier(int32_t index, char* identifier, size_t size) {
    // No parameter has a negative index, so none gets its name: a report of one finds nothing.
    if (index < 0) return;
    char digits[16];
    size_t length = 0;
    uint32_t rest = static_cast<uint32_t>(index);
    do {
        digits[length++] = static_cast<char>('0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (size == 0 || identifier[0] != '\0' || kPrefixLength + length >= size) return;
    size_t out = 0;
    for (size_t i = 0; i < kPrefixLength; ++i) identifier[out++] = kDerivedPrefix[i];
    while (length > 0) identifier[out++] = digits[--length];
    identifier[out] = '\0';
}

int32_t PlugInParameterIndex(VstInterface& plugin, const char* identifier) {
    const int64_t derived = DerivedIndex(identifier);
    if (derived >= 0 && derived < plugin.NumParams()) return static_cast<int32_t>(derived);
    std::string text(identifier);
    const intptr_t index = plugin.Dispatch(effGetParamIndexFromIdentifier, 0, 0, text.data());
    return index >= 0 && index <= INT32_MAX ? static_cast<int32_t>(index) : -1;
}

void OpenReadingParameters(VstInterface& plugin, AdoptParameterProc adopt, void* context) {
    const int32_t found = ReadParameters(plugin, adopt, context);
    plugin.Dispatch(effOpen);
    if (found == 0) ReadParameters(plugin, adopt, context);
}
