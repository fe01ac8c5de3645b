// The file of `aaxhost state save|load`: the effect's chunk as a workstation would store it.
//   bytes 0-7    magic "VQ318ST\0"
//   bytes 8-11   chunk identifier, unsigned 32-bit little-endian
//   bytes 12-15  size of the chunk's data in bytes, unsigned 32-bit little-endian
//   bytes 16-    the data, exactly that many bytes, nothing after them
#pragma once

#include <string>
#include <vector>

#include "tools/aaxhost/session/effect_instance.h"

namespace aaxhost {

std::vector<unsigned char> EncodeStateFile(const SavedState& state);
// False with a message saying what is wrong with the bytes; `state` is untouched then.
bool DecodeStateFile(const std::vector<unsigned char>& bytes, SavedState& state,
                     std::string& error);

// The whole file at `path`; false with a message when it cannot be read or written.
bool ReadWholeFile(const std::string& path, std::vector<unsigned char>& bytes, std::string& error);
bool WriteWholeFile(const std::string& path, const std::vector<unsigned char>& bytes,
                    std::string& error);

}  // namespace aaxhost
