// The state file: written and read back, and every malformed file refused with a reason.
#include "tools/aaxhost/program/state_file.h"

#include <gtest/gtest.h>

namespace {

std::vector<unsigned char> Bytes(const std::string& text) {
    return std::vector<unsigned char>(text.begin(), text.end());
}

TEST(StateFile, KeepsIdentifierAndBytes) {
    const aaxhost::SavedState state{0x56513331, Bytes("chunk bytes")};
    const std::vector<unsigned char> file = aaxhost::EncodeStateFile(state);
    ASSERT_EQ(file.size(), 16u + 11u);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 8), std::string("VQ318ST\0", 8));
    EXPECT_EQ(file[8], 0x31) << "little-endian identifier";
    EXPECT_EQ(file[12], 11) << "little-endian size";
    aaxhost::SavedState read;
    std::string error;
    ASSERT_TRUE(aaxhost::DecodeStateFile(file, read, error)) << error;
    EXPECT_EQ(read.chunkID, state.chunkID);
    EXPECT_EQ(read.data, state.data);
}

TEST(StateFile, RefusesMalformedFiles) {
    const std::vector<unsigned char> good = aaxhost::EncodeStateFile({7, Bytes("abcd")});
    std::vector<unsigned char> badMagic = good;
    badMagic[0] = 'X';
    std::vector<unsigned char> longer = good;
    longer.push_back(0);
    std::vector<unsigned char> hugeSize = good;
    hugeSize[15] = 0xFF;
    const struct {
        std::vector<unsigned char> bytes;
        const char* reason;
    } cases[] = {
        {{}, "too short"},
        {std::vector<unsigned char>(good.begin(), good.begin() + 15), "too short"},
        {badMagic, "not a state file"},
        {std::vector<unsigned char>(good.begin(), good.end() - 1), "announces 4 bytes"},
        {longer, "announces 4 bytes"},
        {hugeSize, "announces"},
    };
    for (const auto& c : cases) {
        aaxhost::SavedState state{99, Bytes("kept")};
        std::string error;
        EXPECT_FALSE(aaxhost::DecodeStateFile(c.bytes, state, error)) << c.reason;
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
        EXPECT_EQ(state.chunkID, 99u) << "untouched";
        EXPECT_EQ(state.data, Bytes("kept"));
    }
}

}  // namespace
