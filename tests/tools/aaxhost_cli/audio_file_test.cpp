// Audio files through the platform's library: WAV files of every sample format the render command
// takes read as the same floats on every platform, what is written comes back sample for sample,
// and files that cannot be read or written are reported by name.
#include "tools/aaxhost/cli/audio_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "tests/tools/aaxhost_cli/temp_files.h"

namespace {

using aaxhost::AudioData;

void PutLittleEndian(std::string& bytes, uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>(value >> (8 * i) & 0xff));
}

// A WAV file of one fmt chunk (the extensible form when `extensible`) and one data chunk.
std::string WavFile(uint16_t tag, uint16_t bits, uint16_t channels, bool extensible,
                    const std::string& data) {
    std::string format;
    const uint16_t blockAlign = static_cast<uint16_t>(channels * bits / 8);
    PutLittleEndian(format, extensible ? 0xfffe : tag, 2);
    PutLittleEndian(format, channels, 2);
    PutLittleEndian(format, 22050, 4);
    PutLittleEndian(format, 22050u * blockAlign, 4);
    PutLittleEndian(format, blockAlign, 2);
    PutLittleEndian(format, bits, 2);
    if (extensible) {
        PutLittleEndian(format, 22, 2);
        PutLittleEndian(format, bits, 2);
        PutLittleEndian(format, channels == 1 ? 0x4 : 0x3, 4);
        PutLittleEndian(format, tag, 4);
        format += std::string("\x00\x00\x10\x00\x80\x00\x00\xaa\x00\x38\x9b\x71", 12);
    }
    std::string file = "RIFF";
    PutLittleEndian(file, static_cast<uint32_t>(4 + 8 + format.size() + 8 + data.size()), 4);
    file += "WAVEfmt ";
    PutLittleEndian(file, static_cast<uint32_t>(format.size()), 4);
    file += format + "data";
    PutLittleEndian(file, static_cast<uint32_t>(data.size()), 4);
    return file + data;
}

std::string Samples(std::initializer_list<uint32_t> values, int size) {
    std::string bytes;
    for (uint32_t value : values) PutLittleEndian(bytes, value, size);
    return bytes;
}

uint32_t FloatBits(float value) {
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

TEST(AudioFile, EverySampleFormatReadsAsTheSameFloats) {
    TempFiles files;
    const std::vector<float> sixteen = {0.5f, -1.0f, 32767.0f / 32768.0f, -1.0f / 32768.0f};
    const std::vector<float> twentyFour = {0.5f, -1.0f, 1.0f / 8388608.0f, -0.25f};
    const std::vector<float> floats = {1.5f, -0.25f, 0.0f, 1e-7f};
    const std::string sixteenBytes = Samples({0x4000, 0x8000, 0x7fff, 0xffff}, 2);
    const std::string twentyFourBytes = Samples({0x400000, 0x800000, 0x000001, 0xe00000}, 3);
    const std::string floatBytes =
        Samples({FloatBits(1.5f), FloatBits(-0.25f), FloatBits(0.0f), FloatBits(1e-7f)}, 4);
    const struct {
        const char* what;
        std::string file;
        std::vector<std::vector<float>> channels;
    } cases[] = {
        {"16-bit PCM, stereo",
         WavFile(1, 16, 2, false, sixteenBytes),
         {{sixteen[0], sixteen[2]}, {sixteen[1], sixteen[3]}}},
        {"16-bit PCM, extensible", WavFile(1, 16, 1, true, sixteenBytes), {sixteen}},
        {"24-bit PCM, mono", WavFile(1, 24, 1, false, twentyFourBytes), {twentyFour}},
        {"24-bit PCM, extensible stereo",
         WavFile(1, 24, 2, true, twentyFourBytes),
         {{twentyFour[0], twentyFour[2]}, {twentyFour[1], twentyFour[3]}}},
        {"8-bit PCM, offset by 128",
         WavFile(1, 8, 1, false, Samples({0xc0, 0x00, 0x80, 0xff}, 1)),
         {{0.5f, -1.0f, 0.0f, 127.0f / 128.0f}}},
        {"32-bit PCM",
         WavFile(1, 32, 1, false, Samples({0x40000000, 0x80000000, 0, 0x100}, 4)),
         {{0.5f, -1.0f, 0.0f, 256.0f / 2147483648.0f}}},
        {"32-bit float, mono", WavFile(3, 32, 1, false, floatBytes), {floats}},
        {"32-bit float, extensible", WavFile(3, 32, 1, true, floatBytes), {floats}},
        {"a part frame at the end is left out",
         WavFile(1, 16, 2, false, sixteenBytes + "\x01\x02"),
         {{sixteen[0], sixteen[2]}, {sixteen[1], sixteen[3]}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = files.Write("in.wav", c.file);
        AudioData read;
        std::string error;
        ASSERT_TRUE(aaxhost::ReadAudioFile(path, read, error)) << error;
        EXPECT_EQ(read.sampleRate, 22050.0);
        EXPECT_EQ(read.channels, c.channels);
    }
}

TEST(AudioFile, WrittenFileReadsBackExactly) {
    TempFiles files;
    AudioData written;
    written.sampleRate = 48000.0;
    written.channels = {std::vector<float>(10000), std::vector<float>(10000)};
    for (size_t i = 0; i < 10000; ++i) {
        written.channels[0][i] = static_cast<float>(i) / 10000.0f - 0.5f;
        written.channels[1][i] = i % 2 == 0 ? 1.5f : -2.0f;  // float WAV keeps overs
    }
    std::string error;
    ASSERT_TRUE(aaxhost::WriteAudioFile(files.Path("out.wav"), written, error)) << error;
    AudioData read;
    ASSERT_TRUE(aaxhost::ReadAudioFile(files.Path("out.wav"), read, error)) << error;
    EXPECT_EQ(read.sampleRate, 48000.0);
    EXPECT_EQ(read.channels, written.channels);
}

TEST(AudioFile, MonoFileHasOneChannel) {
    TempFiles files;
    const AudioData mono{44100.0, {{0.25f, -0.25f, 0.0f}}};
    std::string error;
    ASSERT_TRUE(aaxhost::WriteAudioFile(files.Path("mono.wav"), mono, error)) << error;
    AudioData read;
    ASSERT_TRUE(aaxhost::ReadAudioFile(files.Path("mono.wav"), read, error)) << error;
    EXPECT_EQ(read.channels, mono.channels);
    EXPECT_EQ(read.Frames(), 3u);
}

TEST(AudioFile, UnreadableFilesAreReportedByName) {
    TempFiles files;
    const std::string missing = files.Path("missing.wav");
    const std::string text = files.Write("notes.wav", "this is not audio");
    AudioData read{1.0, {{1.0f}}};
    for (const std::string& path : {missing, text}) {
        SCOPED_TRACE(path);
        std::string error;
        EXPECT_FALSE(aaxhost::ReadAudioFile(path, read, error));
        EXPECT_EQ(error.rfind(path + ": cannot be read as audio", 0), 0u) << error;
        EXPECT_EQ(read.channels, (std::vector<std::vector<float>>{{1.0f}})) << "left as it was";
    }
}

TEST(AudioFile, WhatCannotBeWrittenIsRefusedWithTheReason) {
    TempFiles files;
    const std::string path = files.Path("out.wav");
    const struct {
        const char* what;
        AudioData audio;
        std::string file;
        const char* says;
    } cases[] = {
        {"no channel", {44100.0, {}}, path, "no channel to write"},
        {"unequal channels", {44100.0, {{0.0f}, {0.0f, 0.0f}}}, path, "channels of unequal length"},
        {"fractional rate", {44100.5, {{0.0f}}}, path, "not a positive whole number"},
        {"zero rate", {0.0, {{0.0f}}}, path, "not a positive whole number"},
        {"missing folder", {44100.0, {{0.0f}}}, files.Path("none/out.wav"), "cannot be written"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::string error;
        EXPECT_FALSE(aaxhost::WriteAudioFile(c.file, c.audio, error));
        EXPECT_NE(error.find(c.says), std::string::npos) << error;
    }
}

}  // namespace
