#include "bridge/library_path.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/platform.h"

namespace {

const std::string kSeparator(1, platform::kPathSeparator);
const std::string kTail = "VST64" + kSeparator + "VQ318" + std::string(platform::kLibraryExtension);

std::string Appended(const std::string& directory, size_t capacity = 1000) {
    std::string buffer = directory;
    buffer.resize(capacity, '\0');
    if (!AppendLibraryPath(buffer.data(), capacity)) return "<rejected>";
    return buffer.c_str();
}

}  // namespace

TEST(LibraryPath, TrailingSeparatorGivesTheSamePath) {
    const std::string directory = "install" + kSeparator + "dir";
    EXPECT_EQ(Appended(directory), directory + kSeparator + kTail);
    EXPECT_EQ(Appended(directory + kSeparator), directory + kSeparator + kTail);
}

TEST(LibraryPath, EmptyDirectoryStartsWithASeparator) {
    EXPECT_EQ(Appended(""), kSeparator + kTail);
}

// 1000 bytes hold the directory, the separator, the tail and the terminator, no more.
TEST(LibraryPath, DirectoryTooLongForTheBufferIsRejected) {
    const size_t longest = 1000 - 1 - kTail.size() - 1;
    EXPECT_EQ(Appended(std::string(longest, 'd')), std::string(longest, 'd') + kSeparator + kTail);
    EXPECT_EQ(Appended(std::string(longest + 1, 'd')), "<rejected>");
    EXPECT_EQ(Appended(std::string(longest, 'd') + kSeparator),
              std::string(longest, 'd') + kSeparator + kTail);
}

TEST(LibraryPath, UnterminatedDirectoryIsRejected) {
    std::string buffer(16, 'd');
    EXPECT_FALSE(AppendLibraryPath(buffer.data(), buffer.size()));
    EXPECT_EQ(buffer, std::string(16, 'd'));
}
