// Where a code address lies, for a report a person reads: the library file and, where the
// platform keeps one, the nearest exported symbol before it, as "file(symbol+0xoffset)".
#pragma once

#include <string>

namespace aaxhost {

// Call on the host thread: the look-up may lock and allocate. While the library is loaded.
std::string CodeLocation(const void* address);

}  // namespace aaxhost
