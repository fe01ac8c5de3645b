// Audio files through libsndfile, where the platform has it.
#include "tools/aaxhost/cli/audio_file.h"

#include <sndfile.h>

#include <algorithm>
#include <memory>

#include "tools/aaxhost/cli/audio_file_check.h"

namespace aaxhost {
namespace {

struct CloseFile {
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using File = std::unique_ptr<SNDFILE, CloseFile>;

// Frames moved to or from the library at a time.
constexpr sf_count_t kChunkFrames = 4096;

}  // namespace

bool ReadAudioFile(const std::string& path, AudioData& audio, std::string& error) {
    SF_INFO info{};
    const File file(sf_open(path.c_str(), SFM_READ, &info));
    if (!file) {
        error = path + ": cannot be read as audio (" + sf_strerror(nullptr) + ")";
        return false;
    }
    if (info.channels <= 0 || info.samplerate <= 0) {
        error = path + ": has no channels or no sample rate";
        return false;
    }
    const auto channels = static_cast<size_t>(info.channels);
    AudioData read;
    read.sampleRate = info.samplerate;
    read.channels.assign(channels, {});
    std::vector<float> interleaved(static_cast<size_t>(kChunkFrames) * channels);
    while (true) {
        const sf_count_t frames = sf_readf_float(file.get(), interleaved.data(), kChunkFrames);
        if (frames <= 0) break;
        for (size_t c = 0; c < channels; ++c) {
            for (sf_count_t i = 0; i < frames; ++i) {
                read.channels[c].push_back(interleaved[static_cast<size_t>(i) * channels + c]);
            }
        }
    }
    if (sf_error(file.get()) != SF_ERR_NO_ERROR) {
        error = path + ": " + sf_strerror(file.get());
        return false;
    }
    audio = std::move(read);
    return true;
}

bool WriteAudioFile(const std::string& path, const AudioData& audio, std::string& error) {
    if (!CheckWritable(path, audio, error)) return false;
    SF_INFO info{};
    info.samplerate = static_cast<int>(audio.sampleRate);
    info.channels = static_cast<int>(audio.channels.size());
    info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    const File file(sf_open(path.c_str(), SFM_WRITE, &info));
    if (!file) {
        error = path + ": cannot be written (" + sf_strerror(nullptr) + ")";
        return false;
    }
    const size_t channels = audio.channels.size();
    std::vector<float> interleaved(static_cast<size_t>(kChunkFrames) * channels);
    for (size_t first = 0; first < audio.Frames(); first += kChunkFrames) {
        const size_t frames = std::min<size_t>(kChunkFrames, audio.Frames() - first);
        for (size_t i = 0; i < frames; ++i) {
            for (size_t c = 0; c < channels; ++c) {
                interleaved[i * channels + c] = audio.channels[c][first + i];
            }
        }
        const auto count = static_cast<sf_count_t>(frames);
        if (sf_writef_float(file.get(), interleaved.data(), count) != count) {
            error = path + ": " + sf_strerror(file.get());
            return false;
        }
    }
    return true;
}

}  // namespace aaxhost
