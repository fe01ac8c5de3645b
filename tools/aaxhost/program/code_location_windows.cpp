#include <windows.h>

#include <cstdint>
#include <cstdio>

#include "tools/aaxhost/program/code_location.h"

namespace aaxhost {

// Windows keeps no symbol of a module's own functions at run time: the module and the offset.
std::string CodeLocation(const void* address) {
    char text[40];
    std::snprintf(text, sizeof text, "0x%jx",
                  static_cast<uintmax_t>(reinterpret_cast<uintptr_t>(address)));
    HMODULE module = nullptr;
    if (address == nullptr || !GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                                      GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                                  static_cast<const char*>(address), &module)) {
        return text;
    }
    char name[MAX_PATH] = {};
    if (GetModuleFileNameA(module, name, MAX_PATH) == 0) return text;
    std::snprintf(text, sizeof text, "+0x%jx",
                  static_cast<uintmax_t>(reinterpret_cast<uintptr_t>(address) -
                                         reinterpret_cast<uintptr_t>(module)));
    return std::string(name) + "(" + text + ")";
}

}  // namespace aaxhost
