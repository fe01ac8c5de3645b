// The POSIX registry stand-in: a directory tree under $VQ318_REGISTRY_ROOT.
#if !defined(_WIN32)

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/platform.h"

namespace fs = std::filesystem;
using platform::RegistryStatus;
using platform::RegistryView;

namespace {

constexpr const char* kKey = "Software\\Morvane\\VQ318";

class PosixRegistry : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ =
            fs::temp_directory_path() /
            ("vq318-registry-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_);
        setenv("VQ318_REGISTRY_ROOT", root_.c_str(), 1);
    }
    void TearDown() override {
        unsetenv("VQ318_REGISTRY_ROOT");
        fs::remove_all(root_);
    }
    void WriteValue(const std::string& keyPath, const std::string& bytes) {
        const fs::path dir = root_ / "HKEY_LOCAL_MACHINE" / keyPath;
        fs::create_directories(dir);
        std::ofstream(dir / "installdirectory", std::ios::binary) << bytes;
    }
    RegistryStatus Read(RegistryView view, char* buffer, size_t capacity) {
        return platform::ReadMachineRegistryValue(view, kKey, "installdirectory", buffer, capacity);
    }
    fs::path root_;
};

}  // namespace

TEST_F(PosixRegistry, EachViewReadsItsOwnTree) {
    WriteValue("Software/Morvane/VQ318", "/opt/sixty-four");
    WriteValue("Software/WOW6432Node/Morvane/VQ318", "/opt/thirty-two");
    char buffer[64];
    ASSERT_EQ(Read(RegistryView::k64Bit, buffer, sizeof buffer), RegistryStatus::kOk);
    EXPECT_STREQ(buffer, "/opt/sixty-four");
    ASSERT_EQ(Read(RegistryView::k32Bit, buffer, sizeof buffer), RegistryStatus::kOk);
    EXPECT_STREQ(buffer, "/opt/thirty-two");
}

TEST_F(PosixRegistry, MissingKeyAndMissingValueAreTold) {
    char buffer[64];
    EXPECT_EQ(Read(RegistryView::k64Bit, buffer, sizeof buffer), RegistryStatus::kNoKey);
    fs::create_directories(root_ / "HKEY_LOCAL_MACHINE/Software/Morvane/VQ318");
    EXPECT_EQ(Read(RegistryView::k64Bit, buffer, sizeof buffer), RegistryStatus::kNoValue);
    EXPECT_EQ(Read(RegistryView::k32Bit, buffer, sizeof buffer), RegistryStatus::kNoKey);
}

TEST_F(PosixRegistry, UnsetRootMeansNoKey) {
    WriteValue("Software/Morvane/VQ318", "/opt/x");
    unsetenv("VQ318_REGISTRY_ROOT");
    char buffer[64];
    EXPECT_EQ(Read(RegistryView::k64Bit, buffer, sizeof buffer), RegistryStatus::kNoKey);
}

TEST_F(PosixRegistry, ValueWithEmbeddedTerminatorStopsThere) {
    WriteValue("Software/Morvane/VQ318", std::string("/opt/a\0junk", 11));
    char buffer[64];
    ASSERT_EQ(Read(RegistryView::k64Bit, buffer, sizeof buffer), RegistryStatus::kOk);
    EXPECT_STREQ(buffer, "/opt/a");
}

TEST_F(PosixRegistry, ValueThatDoesNotFitIsRefusedWithoutOverrun) {
    WriteValue("Software/Morvane/VQ318", std::string(16, 'a'));
    char buffer[20];
    std::fill(std::begin(buffer), std::end(buffer), 'z');
    EXPECT_EQ(Read(RegistryView::k64Bit, buffer, 16), RegistryStatus::kNoValue)
        << "sixteen bytes without terminator do not fit sixteen";
    EXPECT_EQ(buffer[16], 'z') << "nothing written past the capacity";
    EXPECT_EQ(Read(RegistryView::k64Bit, buffer, 17), RegistryStatus::kOk);
    EXPECT_EQ(std::string(buffer), std::string(16, 'a'));
}

TEST_F(PosixRegistry, LongerValueThanBufferIsRefused) {
    WriteValue("Software/Morvane/VQ318", std::string(2000, 'b'));
    char buffer[1000];
    EXPECT_EQ(Read(RegistryView::k64Bit, buffer, sizeof buffer), RegistryStatus::kNoValue);
}

#endif
