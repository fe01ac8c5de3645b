// Where the wrapped library lies below its install directory: VST64, then the product's library.
#pragma once

#include <cstddef>

// Appends, in place, a separator when `buffer` is empty or does not end in one, then
// "VST64", a separator and "VQ318" with the platform's library extension. `buffer` holds a
// zero-terminated install directory within `capacity`. Returns false, leaving the directory as
// it was, when the whole path and its terminator would not fit.
bool AppendLibraryPath(char* buffer, size_t capacity);
