#include "bridge/library_path.h"

#include <cstring>
#include <string_view>

#include "platform/platform.h"

bool AppendLibraryPath(char* buffer, size_t capacity) {
    const auto* terminator = static_cast<const char*>(std::memchr(buffer, '\0', capacity));
    if (terminator == nullptr) return false;
    const size_t directoryLength = static_cast<size_t>(terminator - buffer);
    const std::string_view folder = "VST64";
    const std::string_view library = "VQ318";
    const std::string_view extension = platform::kLibraryExtension;

    const bool needsSeparator =
        directoryLength == 0 || buffer[directoryLength - 1] != platform::kPathSeparator;
    const size_t length = directoryLength + (needsSeparator ? 1 : 0) + folder.size() + 1 +
                          library.size() + extension.size();
    if (length >= capacity) return false;

    char* end = buffer + directoryLength;
    if (needsSeparator) *end++ = platform::kPathSeparator;
    for (std::string_view part :
         {folder, std::string_view(&platform::kPathSeparator, 1), library, extension}) {
        std::memcpy(end, part.data(), part.size());
        end += part.size();
    }
    *end = '\0';
    return true;
}
