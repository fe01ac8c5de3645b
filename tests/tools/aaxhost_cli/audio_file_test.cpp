// Audio files through libsndfile: what is written comes back sample for sample, and files that
// cannot be read or written are reported by name.
#include "tools/aaxhost/cli/audio_file.h"

#include <gtest/gtest.h>

#include "tests/tools/aaxhost_cli/temp_files.h"

namespace {

using aaxhost::AudioData;

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
