#include "tools/aaxhost/cli/audio_file_check.h"

#include <cmath>
#include <limits>

namespace aaxhost {

bool CheckWritable(const std::string& path, const AudioData& audio, std::string& error) {
    if (audio.channels.empty()) {
        error = path + ": no channel to write";
        return false;
    }
    for (const std::vector<float>& channel : audio.channels) {
        if (channel.size() != audio.Frames()) {
            error = path + ": channels of unequal length";
            return false;
        }
    }
    if (!(audio.sampleRate >= 1.0 && audio.sampleRate <= std::numeric_limits<int>::max()) ||
        audio.sampleRate != std::floor(audio.sampleRate)) {
        error = path + ": sample rate is not a positive whole number";
        return false;
    }
    return true;
}

}  // namespace aaxhost
