// The machine registry as the platform layer reads it on Windows, written in both views through
// the test fixture.
#if defined(_WIN32)

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/platform.h"
#include "tests/support/registry_fixture.h"

using platform::RegistryStatus;

namespace {

constexpr const char* kKey = "Software\\Morvane\\VQ318";

struct View {
    testsupport::RegistryView written;
    platform::RegistryView read;
    platform::RegistryView other;
};

constexpr View kViews[] = {
    {testsupport::RegistryView::k64Bit, platform::RegistryView::k64Bit,
     platform::RegistryView::k32Bit},
    {testsupport::RegistryView::k32Bit, platform::RegistryView::k32Bit,
     platform::RegistryView::k64Bit},
};

RegistryStatus Read(platform::RegistryView view, char* buffer, size_t capacity) {
    return platform::ReadMachineRegistryValue(view, kKey, "installdirectory", buffer, capacity);
}

// Stores `bytes` untyped (REG_BINARY), which the fixture's string values cannot express: data
// without a terminator or with one inside.
void WriteRawInstallDirectory(testsupport::RegistryView view, const std::string& bytes) {
    std::string hex;
    for (const unsigned char byte : bytes) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02x", byte);
        hex += digits;
    }
    testsupport::RunReg(
        "add \"HKLM\\Software\\Morvane\\VQ318\" /f" +
        std::string(view == testsupport::RegistryView::k64Bit ? " /reg:64" : " /reg:32") +
        " /v installdirectory /t REG_BINARY /d " + hex);
}

class WindowsRegistry : public ::testing::Test {
  protected:
    void SetUp() override { testsupport::ClearInstallDirectory(); }
    void TearDown() override { testsupport::ClearInstallDirectory(); }
};

}  // namespace

TEST_F(WindowsRegistry, EachViewReadsItsOwnKey) {
    testsupport::WriteInstallDirectory(testsupport::RegistryView::k64Bit, "C:\\Sixty Four");
    testsupport::WriteInstallDirectory(testsupport::RegistryView::k32Bit, "C:\\Thirty Two");
    char buffer[64];
    ASSERT_EQ(Read(platform::RegistryView::k64Bit, buffer, sizeof buffer), RegistryStatus::kOk);
    EXPECT_STREQ(buffer, "C:\\Sixty Four");
    ASSERT_EQ(Read(platform::RegistryView::k32Bit, buffer, sizeof buffer), RegistryStatus::kOk);
    EXPECT_STREQ(buffer, "C:\\Thirty Two");
}

TEST_F(WindowsRegistry, KeyWrittenInOneViewIsMissingInTheOther) {
    for (const View& view : kViews) {
        testsupport::ClearInstallDirectory();
        testsupport::WriteInstallDirectory(view.written, "C:\\Only Here");
        char buffer[64];
        ASSERT_EQ(Read(view.read, buffer, sizeof buffer), RegistryStatus::kOk);
        EXPECT_STREQ(buffer, "C:\\Only Here");
        EXPECT_EQ(Read(view.other, buffer, sizeof buffer), RegistryStatus::kNoKey);
    }
}

TEST_F(WindowsRegistry, DirectoryReadsBackExactly) {
    const std::string directories[] = {
        "C:\\Program Files\\Morvane",
        "C:\\Program Files\\Morvane\\",
        "\\\\server\\share\\plug-ins\\\\",
        "",
    };
    for (const View& view : kViews) {
        for (const std::string& directory : directories) {
            testsupport::WriteInstallDirectory(view.written, directory);
            char buffer[64];
            ASSERT_EQ(Read(view.read, buffer, sizeof buffer), RegistryStatus::kOk) << directory;
            EXPECT_EQ(std::string(buffer), directory);
        }
    }
}

TEST_F(WindowsRegistry, MissingKeyAndMissingValueAreTold) {
    char buffer[64];
    EXPECT_EQ(Read(platform::RegistryView::k64Bit, buffer, sizeof buffer), RegistryStatus::kNoKey);
    EXPECT_EQ(Read(platform::RegistryView::k32Bit, buffer, sizeof buffer), RegistryStatus::kNoKey);
    for (const View& view : kViews) {
        testsupport::ClearInstallDirectory();
        testsupport::CreateEmptyKey(view.written);
        EXPECT_EQ(Read(view.read, buffer, sizeof buffer), RegistryStatus::kNoValue);
        EXPECT_EQ(Read(view.other, buffer, sizeof buffer), RegistryStatus::kNoKey);
    }
}

TEST_F(WindowsRegistry, ValueThatDoesNotFitIsRefusedWithoutOverrun) {
    testsupport::WriteInstallDirectory(testsupport::RegistryView::k64Bit, std::string(16, 'a'));
    char buffer[20];
    std::fill(std::begin(buffer), std::end(buffer), 'z');
    EXPECT_EQ(Read(platform::RegistryView::k64Bit, buffer, 16), RegistryStatus::kNoValue)
        << "sixteen characters and their terminator do not fit sixteen bytes";
    EXPECT_EQ(std::string(buffer + 16, 4), "zzzz") << "nothing written past the capacity";
    ASSERT_EQ(Read(platform::RegistryView::k64Bit, buffer, 17), RegistryStatus::kOk);
    EXPECT_EQ(std::string(buffer), std::string(16, 'a'));
    EXPECT_EQ(std::string(buffer + 17, 3), "zzz");
}

TEST_F(WindowsRegistry, LongerValueThanTheBufferIsRefused) {
    testsupport::WriteInstallDirectory(testsupport::RegistryView::k32Bit, std::string(2000, 'b'));
    char buffer[1004];
    std::fill(std::begin(buffer), std::end(buffer), 'z');
    EXPECT_EQ(Read(platform::RegistryView::k32Bit, buffer, 1000), RegistryStatus::kNoValue);
    EXPECT_EQ(std::string(buffer + 1000, 4), "zzzz");
}

TEST_F(WindowsRegistry, UntypedDataWithoutTerminatorGetsOneOnlyWhenItFits) {
    WriteRawInstallDirectory(testsupport::RegistryView::k64Bit, "C:\\abc");
    char buffer[10];
    std::fill(std::begin(buffer), std::end(buffer), 'z');
    ASSERT_EQ(Read(platform::RegistryView::k64Bit, buffer, 7), RegistryStatus::kOk);
    EXPECT_STREQ(buffer, "C:\\abc");
    std::fill(std::begin(buffer), std::end(buffer), 'z');
    EXPECT_EQ(Read(platform::RegistryView::k64Bit, buffer, 6), RegistryStatus::kNoValue);
    EXPECT_EQ(std::string(buffer + 6, 4), "zzzz");
}

TEST_F(WindowsRegistry, UntypedDataStopsAtItsFirstTerminator) {
    WriteRawInstallDirectory(testsupport::RegistryView::k32Bit, std::string("C:\\a\0junk", 9));
    char buffer[64];
    ASSERT_EQ(Read(platform::RegistryView::k32Bit, buffer, sizeof buffer), RegistryStatus::kOk);
    EXPECT_STREQ(buffer, "C:\\a");
}

// Characters outside every narrow code page, in UTF-8: "Morvane Ä" and "プラグイン".
const std::string kMorvane = "Morvane \u00c4";
const std::string kPlugins = "\u30d7\u30e9\u30b0\u30a4\u30f3";

TEST_F(WindowsRegistry, TextValuesArriveAsUtf8WithTheirVariablesExpanded) {
    ASSERT_EQ(_putenv("VQ318_TEST_FOLDER=C:\\Expanded"), 0);
    struct Row {
        std::string stored;
        bool expandable;
        std::string read;
    };
    const Row rows[] = {
        {"C:\\Program Files\\" + kMorvane + "\\" + kPlugins, false,
         "C:\\Program Files\\" + kMorvane + "\\" + kPlugins},
        {"%VQ318_TEST_FOLDER%\\" + kPlugins, true, "C:\\Expanded\\" + kPlugins},
        {"%SystemDrive%\\" + kMorvane, true, "C:\\" + kMorvane},
        {"%SystemDrive%\\" + kMorvane, false, "%SystemDrive%\\" + kMorvane},
        {"%VQ318_NO_SUCH_VARIABLE%\\x", true, "%VQ318_NO_SUCH_VARIABLE%\\x"},
    };
    for (const View& view : kViews) {
        for (const Row& row : rows) {
            SCOPED_TRACE(row.stored);
            testsupport::ClearInstallDirectory();
            testsupport::WriteInstallDirectoryText(view.written, row.stored, row.expandable);
            char buffer[256];
            ASSERT_EQ(Read(view.read, buffer, sizeof buffer), RegistryStatus::kOk);
            EXPECT_EQ(std::string(buffer), row.read);
            EXPECT_EQ(Read(view.other, buffer, sizeof buffer), RegistryStatus::kNoKey);
        }
    }
}

// The capacity counts UTF-8 bytes, not characters: "ÄÄ" takes four and its terminator a fifth.
TEST_F(WindowsRegistry, CapacityCountsTheBytesOfTheUtf8Text) {
    testsupport::WriteInstallDirectoryText(testsupport::RegistryView::k64Bit, "\u00c4\u00c4",
                                           false);
    char buffer[8];
    std::fill(std::begin(buffer), std::end(buffer), 'z');
    EXPECT_EQ(Read(platform::RegistryView::k64Bit, buffer, 4), RegistryStatus::kNoValue);
    EXPECT_EQ(std::string(buffer + 2, 6), "zzzzzz") << "nothing written past a refused text";
    ASSERT_EQ(Read(platform::RegistryView::k64Bit, buffer, 5), RegistryStatus::kOk);
    EXPECT_EQ(std::string(buffer), "\u00c4\u00c4");
    EXPECT_EQ(std::string(buffer + 5, 3), "zzz");
}

TEST_F(WindowsRegistry, ValueTooLongOnlyOnceExpandedIsRefused) {
    ASSERT_EQ(_putenv(("VQ318_TEST_LONG=" + std::string(600, 'l')).c_str()), 0);
    testsupport::WriteInstallDirectoryText(testsupport::RegistryView::k64Bit,
                                           "%VQ318_TEST_LONG%%VQ318_TEST_LONG%", true);
    char buffer[1204];
    std::fill(std::begin(buffer), std::end(buffer), 'z');
    EXPECT_EQ(Read(platform::RegistryView::k64Bit, buffer, 1000), RegistryStatus::kNoValue);
    EXPECT_EQ(std::string(buffer + 1000, 4), "zzzz");
    ASSERT_EQ(Read(platform::RegistryView::k64Bit, buffer, 1201), RegistryStatus::kOk);
    EXPECT_EQ(std::string(buffer), std::string(1200, 'l'));
}

#endif
