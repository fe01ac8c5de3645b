// Audio files for `aaxhost render`, read and written through a library of the platform (libsndfile
// natively, the system's multimedia file functions on Windows): WAV of 16- or 24-bit PCM or 32-bit
// float comes in as float channels, scaled as libsndfile scales them (and natively whatever else
// libsndfile reads); output goes out as 32-bit float WAV, so nothing the plug-in wrote is rounded
// or clipped.
#pragma once

#include <string>
#include <vector>

namespace aaxhost {

struct AudioData {
    double sampleRate = 0.0;
    std::vector<std::vector<float>> channels;  // equal lengths

    size_t Frames() const { return channels.empty() ? 0 : channels.front().size(); }
};

// False with a message naming the file and the reason when it cannot be read.
bool ReadAudioFile(const std::string& path, AudioData& audio, std::string& error);

// False with a message when it cannot be written: no channel, channels of unequal length, a
// sample rate that is not a positive whole number, or a file that cannot be created.
bool WriteAudioFile(const std::string& path, const AudioData& audio, std::string& error);

}  // namespace aaxhost
