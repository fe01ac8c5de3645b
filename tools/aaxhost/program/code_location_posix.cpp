#include <dlfcn.h>

#include <cstdint>
#include <cstdio>

#include "tools/aaxhost/program/code_location.h"

namespace aaxhost {
namespace {

std::string Hex(uintptr_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%jx", static_cast<uintmax_t>(value));
    return text;
}

}  // namespace

std::string CodeLocation(const void* address) {
    const auto at = reinterpret_cast<uintptr_t>(address);
    Dl_info info{};
    if (address == nullptr || dladdr(address, &info) == 0 || info.dli_fname == nullptr) {
        return Hex(at);
    }
    if (info.dli_sname != nullptr && info.dli_saddr != nullptr) {
        return std::string(info.dli_fname) + "(" + info.dli_sname + "+" +
               Hex(at - reinterpret_cast<uintptr_t>(info.dli_saddr)) + ")";
    }
    return std::string(info.dli_fname) + "(+" +
           Hex(at - reinterpret_cast<uintptr_t>(info.dli_fbase)) + ")";
}

}  // namespace aaxhost
