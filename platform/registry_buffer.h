// Shared rule of both registry implementations for turning raw value bytes into a
// zero-terminated string inside the caller's buffer.
#pragma once

#include <cstddef>

namespace platform::detail {

// `length` bytes of value data sit at the start of `buffer` (length <= capacity). Returns false
// when no terminator fits; otherwise makes sure one follows the data.
inline bool TerminateValue(char* buffer, size_t length, size_t capacity) {
    if (capacity == 0) return false;
    if (length < capacity) {
        buffer[length] = '\0';
        return true;
    }
    return buffer[capacity - 1] == '\0';
}

}  // namespace platform::detail
