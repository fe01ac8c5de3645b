// Audio files through the system's multimedia file functions (winmm), which walk the RIFF chunks;
// this file only picks the chunks and converts the samples.
#include <windows.h>
// After windows.h, which the multimedia headers need.
#include <mmreg.h>
#include <mmsystem.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <type_traits>

#include "tools/aaxhost/cli/audio_file.h"
#include "tools/aaxhost/cli/audio_file_check.h"

namespace aaxhost {
namespace {

struct CloseFile {
    void operator()(HMMIO file) const { mmioClose(file, 0); }
};
using File = std::unique_ptr<std::remove_pointer_t<HMMIO>, CloseFile>;

// The functions take a writable name; they do not change it.
File Open(const std::string& path, DWORD mode) {
    std::vector<char> name(path.begin(), path.end());
    name.push_back('\0');
    return File(mmioOpenA(name.data(), nullptr, mode | MMIO_ALLOCBUF));
}

constexpr size_t kChunkBytes = 1 << 16;

// A format tag and sample size that the reader converts.
enum class Encoding { kPcm8, kPcm16, kPcm24, kPcm32, kFloat32, kUnknown };

// The extensible format's sub-format is a GUID whose first field is the plain format tag and
// whose other fields are these.
constexpr std::array<uint8_t, 12> kSubFormatTail = {0x00, 0x00, 0x10, 0x00, 0x80, 0x00,
                                                    0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71};

Encoding EncodingOf(const WAVEFORMATEXTENSIBLE& format, size_t formatBytes) {
    WORD tag = format.Format.wFormatTag;
    if (tag == WAVE_FORMAT_EXTENSIBLE) {
        if (formatBytes < sizeof(WAVEFORMATEXTENSIBLE)) return Encoding::kUnknown;
        const auto* guid = reinterpret_cast<const uint8_t*>(&format.SubFormat);
        if (std::memcmp(guid + 4, kSubFormatTail.data(), kSubFormatTail.size()) != 0 ||
            format.SubFormat.Data1 > 0xffff) {
            return Encoding::kUnknown;
        }
        tag = static_cast<WORD>(format.SubFormat.Data1);
    }
    const WORD bits = format.Format.wBitsPerSample;
    if (tag == WAVE_FORMAT_IEEE_FLOAT) return bits == 32 ? Encoding::kFloat32 : Encoding::kUnknown;
    if (tag != WAVE_FORMAT_PCM) return Encoding::kUnknown;
    switch (bits) {
        case 8:
            return Encoding::kPcm8;
        case 16:
            return Encoding::kPcm16;
        case 24:
            return Encoding::kPcm24;
        case 32:
            return Encoding::kPcm32;
        default:
            return Encoding::kUnknown;
    }
}

size_t BytesPerSample(Encoding encoding) {
    switch (encoding) {
        case Encoding::kPcm8:
            return 1;
        case Encoding::kPcm16:
            return 2;
        case Encoding::kPcm24:
            return 3;
        default:
            return 4;
    }
}

// One little-endian sample as libsndfile scales it: full scale of the integer formats is 1.0.
float Sample(Encoding encoding, const uint8_t* bytes) {
    switch (encoding) {
        case Encoding::kPcm8:
            return static_cast<float>(bytes[0] - 128) * (1.0f / 128.0f);
        case Encoding::kPcm16:
            return static_cast<float>(static_cast<int16_t>(bytes[0] | bytes[1] << 8)) *
                   (1.0f / 32768.0f);
        case Encoding::kPcm24: {
            const auto high =
                static_cast<uint32_t>(bytes[0] << 8 | bytes[1] << 16 | bytes[2] << 24);
            return static_cast<float>(static_cast<int32_t>(high)) * (1.0f / 2147483648.0f);
        }
        case Encoding::kPcm32: {
            uint32_t word = 0;
            std::memcpy(&word, bytes, 4);
            return static_cast<float>(static_cast<int32_t>(word)) * (1.0f / 2147483648.0f);
        }
        default: {
            float value = 0.0f;
            std::memcpy(&value, bytes, 4);
            return value;
        }
    }
}

bool Fail(const std::string& path, const char* reason, std::string& error) {
    error = path + ": cannot be read as audio (" + reason + ")";
    return false;
}

}  // namespace

bool ReadAudioFile(const std::string& path, AudioData& audio, std::string& error) {
    const File file = Open(path, MMIO_READ);
    if (!file) return Fail(path, "cannot open the file", error);
    MMCKINFO riff{};
    riff.fccType = mmioFOURCC('W', 'A', 'V', 'E');
    if (mmioDescend(file.get(), &riff, nullptr, MMIO_FINDRIFF) != MMSYSERR_NOERROR) {
        return Fail(path, "not a RIFF WAVE file", error);
    }
    MMCKINFO formatChunk{};
    formatChunk.ckid = mmioFOURCC('f', 'm', 't', ' ');
    if (mmioDescend(file.get(), &formatChunk, &riff, MMIO_FINDCHUNK) != MMSYSERR_NOERROR) {
        return Fail(path, "no format chunk", error);
    }
    WAVEFORMATEXTENSIBLE format{};
    const auto formatBytes = static_cast<LONG>(std::min<DWORD>(formatChunk.cksize, sizeof(format)));
    if (formatBytes < 16 ||
        mmioRead(file.get(), reinterpret_cast<HPSTR>(&format), formatBytes) != formatBytes) {
        return Fail(path, "format chunk too short", error);
    }
    const Encoding encoding = EncodingOf(format, static_cast<size_t>(formatBytes));
    if (encoding == Encoding::kUnknown) {
        return Fail(path, "not 8/16/24/32-bit PCM or 32-bit float samples", error);
    }
    const size_t channels = format.Format.nChannels;
    const size_t frameBytes = channels * BytesPerSample(encoding);
    if (channels == 0 || format.Format.nSamplesPerSec == 0 ||
        format.Format.nBlockAlign != frameBytes) {
        return Fail(path, "no channels, no sample rate or a frame size that does not match", error);
    }
    mmioAscend(file.get(), &formatChunk, 0);
    MMCKINFO dataChunk{};
    dataChunk.ckid = mmioFOURCC('d', 'a', 't', 'a');
    if (mmioDescend(file.get(), &dataChunk, &riff, MMIO_FINDCHUNK) != MMSYSERR_NOERROR) {
        return Fail(path, "no data chunk", error);
    }
    AudioData read;
    read.sampleRate = format.Format.nSamplesPerSec;
    read.channels.assign(channels, {});
    // Whole frames only; a data chunk that the file cuts short gives the frames that are there.
    std::vector<uint8_t> bytes(std::max<size_t>(1, kChunkBytes / frameBytes) * frameBytes);
    size_t left = dataChunk.cksize - dataChunk.cksize % frameBytes;
    while (left > 0) {
        const auto wanted = static_cast<LONG>(std::min(left, bytes.size()));
        const LONG got = mmioRead(file.get(), reinterpret_cast<HPSTR>(bytes.data()), wanted);
        if (got < 0) return Fail(path, "read error", error);
        const size_t frames = static_cast<size_t>(got) / frameBytes;
        for (size_t c = 0; c < channels; ++c) {
            const size_t offset = c * BytesPerSample(encoding);
            for (size_t i = 0; i < frames; ++i) {
                read.channels[c].push_back(Sample(encoding, &bytes[i * frameBytes + offset]));
            }
        }
        if (got < wanted) break;
        left -= static_cast<size_t>(got);
    }
    audio = std::move(read);
    return true;
}

bool WriteAudioFile(const std::string& path, const AudioData& audio, std::string& error) {
    if (!CheckWritable(path, audio, error)) return false;
    const size_t channels = audio.channels.size();
    const size_t frameBytes = channels * sizeof(float);
    if (audio.Frames() > (UINT32_MAX - 256) / frameBytes) {
        error = path + ": too long for a WAV file";
        return false;
    }
    File file = Open(path, MMIO_CREATE | MMIO_WRITE);
    if (!file) {
        error = path + ": cannot be written (cannot create the file)";
        return false;
    }
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_IEEE_FLOAT;
    format.nChannels = static_cast<WORD>(channels);
    format.nSamplesPerSec = static_cast<DWORD>(audio.sampleRate);
    format.nBlockAlign = static_cast<WORD>(frameBytes);
    format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
    format.wBitsPerSample = 32;
    const auto frames = static_cast<DWORD>(audio.Frames());

    // Each chunk is created, filled and closed in turn; closing one writes its size.
    const auto chunk = [&](MMCKINFO& info, const void* data, size_t size) {
        return mmioCreateChunk(file.get(), &info, 0) == MMSYSERR_NOERROR &&
               mmioWrite(file.get(), static_cast<const char*>(data), static_cast<LONG>(size)) ==
                   static_cast<LONG>(size) &&
               mmioAscend(file.get(), &info, 0) == MMSYSERR_NOERROR;
    };
    MMCKINFO riff{};
    riff.fccType = mmioFOURCC('W', 'A', 'V', 'E');
    MMCKINFO formatChunk{};
    formatChunk.ckid = mmioFOURCC('f', 'm', 't', ' ');
    MMCKINFO factChunk{};
    factChunk.ckid = mmioFOURCC('f', 'a', 'c', 't');
    MMCKINFO dataChunk{};
    dataChunk.ckid = mmioFOURCC('d', 'a', 't', 'a');
    bool written = mmioCreateChunk(file.get(), &riff, MMIO_CREATERIFF) == MMSYSERR_NOERROR &&
                   chunk(formatChunk, &format, sizeof(format)) &&
                   chunk(factChunk, &frames, sizeof(frames)) &&
                   mmioCreateChunk(file.get(), &dataChunk, 0) == MMSYSERR_NOERROR;
    std::vector<float> interleaved(std::max<size_t>(1, kChunkBytes / frameBytes) * channels);
    const size_t framesAtOnce = interleaved.size() / channels;
    for (size_t first = 0; written && first < audio.Frames(); first += framesAtOnce) {
        const size_t count = std::min(framesAtOnce, audio.Frames() - first);
        for (size_t i = 0; i < count; ++i) {
            for (size_t c = 0; c < channels; ++c) {
                interleaved[i * channels + c] = audio.channels[c][first + i];
            }
        }
        const auto size = static_cast<LONG>(count * frameBytes);
        written =
            mmioWrite(file.get(), reinterpret_cast<const char*>(interleaved.data()), size) == size;
    }
    written = written && mmioAscend(file.get(), &dataChunk, 0) == MMSYSERR_NOERROR &&
              mmioAscend(file.get(), &riff, 0) == MMSYSERR_NOERROR &&
              mmioClose(file.release(), 0) == MMSYSERR_NOERROR;
    if (!written) error = path + ": cannot be written (the system's file functions failed)";
    return written;
}

}  // namespace aaxhost
