// What every audio-file writer refuses before it creates a file, so that each platform's
// implementation refuses the same audio with the same words.
#pragma once

#include <string>

#include "tools/aaxhost/cli/audio_file.h"

namespace aaxhost {

// False with a message naming `path` when `audio` has no channel, channels of unequal length or a
// sample rate that is not a positive whole number within a 32-bit header field.
bool CheckWritable(const std::string& path, const AudioData& audio, std::string& error);

}  // namespace aaxhost
