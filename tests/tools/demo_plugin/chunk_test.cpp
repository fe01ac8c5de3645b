// The demo plug-in's bank chunk: saved and restored byte for byte, and refused whole when it
// cannot be read.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "tests/tools/demo_plugin/demo_host.h"

namespace {

using Bytes = std::vector<unsigned char>;

constexpr size_t kHeaderSize = 12;
constexpr size_t kChunkSize = kHeaderSize + 4 * 7;

void PutFloat(Bytes& bytes, size_t at, float value) {
    std::memcpy(bytes.data() + at, &value, sizeof value);  // the test machines are little-endian
}

TEST(DemoPluginChunk, SaveHasTheDocumentedLayout) {
    DemoInstance plugin;
    plugin.SetParameter(5, 0.25f);
    const Bytes chunk = plugin.Chunk();
    ASSERT_EQ(chunk.size(), kChunkSize);
    EXPECT_EQ(std::string(chunk.begin(), chunk.begin() + 4), "VQDB");
    EXPECT_EQ(chunk[4], 1);  // version, little-endian
    EXPECT_EQ(chunk[8], 7);  // number of values
    float gain = 0.0f;
    std::memcpy(&gain, chunk.data() + kHeaderSize + 4 * 5, sizeof gain);
    EXPECT_EQ(gain, 0.25f);
    void* data = nullptr;
    EXPECT_EQ(plugin.Dispatch(effGetChunk, 1, 0, &data), 0) << "no separate program chunk";
    EXPECT_EQ(data, nullptr);
}

TEST(DemoPluginChunk, RestoreIntoAnotherInstanceGivesTheSameBytesAndValues) {
    DemoInstance source;
    const float values[] = {0.1f, 0.2f, 1.0f, 0.75f, 0.4f, 0.3f, 0.9f};
    for (int32_t i = 0; i < 7; ++i) source.SetParameter(i, values[i]);
    Bytes saved = source.Chunk();

    DemoInstance target;
    ASSERT_EQ(target.Dispatch(effSetChunk, 0, static_cast<intptr_t>(saved.size()), saved.data()),
              1);
    EXPECT_EQ(target.Chunk(), saved);
    for (int32_t i = 0; i < 7; ++i) EXPECT_EQ(target.GetParameter(i), values[i]) << i;
}

TEST(DemoPluginChunk, UnreadableBytesAreRefusedAndChangeNothing) {
    struct Case {
        const char* what;
        std::function<void(Bytes&)> spoil;
        int32_t index = 0;
    };
    const Case cases[] = {
        {"empty", [](Bytes& b) { b.clear(); }},
        {"shorter than the header", [](Bytes& b) { b.resize(kHeaderSize - 1); }},
        {"header only", [](Bytes& b) { b.resize(kHeaderSize); }},
        {"another plug-in's magic", [](Bytes& b) { b[0] = 'X'; }},
        {"a later version", [](Bytes& b) { b[4] = 2; }},
        {"version in the wrong byte order",
         [](Bytes& b) {
             b[4] = 0;
             b[7] = 1;
         }},
        {"more values than parameters",
         [](Bytes& b) {
             b[8] = 8;
             b.resize(b.size() + 4);
         }},
        {"fewer values than parameters",
         [](Bytes& b) {
             b[8] = 6;
             b.resize(b.size() - 4);
         }},
        {"a huge count", [](Bytes& b) { b[11] = 0x80; }},
        {"truncated in the last value", [](Bytes& b) { b.pop_back(); }},
        {"trailing bytes", [](Bytes& b) { b.push_back(0); }},
        {"a value above 1", [](Bytes& b) { PutFloat(b, kHeaderSize, 1.5f); }},
        {"a negative value", [](Bytes& b) { PutFloat(b, kHeaderSize + 8, -0.1f); }},
        {"not a number", [](Bytes& b) { PutFloat(b, kHeaderSize + 24, std::nanf("")); }},
        {"the program chunk index", [](Bytes&) {}, 1},
    };
    DemoInstance donor;
    for (int32_t i = 0; i < 7; ++i) donor.SetParameter(i, 0.125f);
    const Bytes good = donor.Chunk();

    DemoInstance plugin;
    plugin.SetParameter(0, 0.9f);
    const Bytes before = plugin.Chunk();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes bytes = good;
        c.spoil(bytes);
        EXPECT_EQ(plugin.Dispatch(effSetChunk, c.index, static_cast<intptr_t>(bytes.size()),
                                  bytes.data()),
                  0);
        EXPECT_EQ(plugin.Chunk(), before);
    }
}

TEST(DemoPluginChunk, SizesThatDoNotMatchTheDataAreRefused) {
    DemoInstance plugin;
    Bytes good = plugin.Chunk();
    plugin.SetParameter(5, 0.0f);
    const Bytes before = plugin.Chunk();
    EXPECT_EQ(plugin.Dispatch(effSetChunk, 0, -1, good.data()), 0);
    EXPECT_EQ(plugin.Dispatch(effSetChunk, 0, static_cast<intptr_t>(good.size()), nullptr), 0);
    EXPECT_EQ(plugin.Dispatch(effSetChunk, 0, 0, nullptr), 0);
    EXPECT_EQ(plugin.Chunk(), before);
}

}  // namespace
