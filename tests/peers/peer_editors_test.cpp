// The real editors of Debian's third-party VST 2.4 plug-ins, each laid out as the wrapped plug-in
// and opened through the shipped module by `aaxhost edit` in a window of the X display: the
// editor's window inside the host's with the size the module reports, and a screenshot that shows
// more than a blank window.
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <string>

#include "tests/support/registry_fixture.h"
#include "tests/tools/aaxhost_window/observed_edit.h"

namespace fs = std::filesystem;

namespace {

struct PeerEditor {
    const char* name;
    const char* library;
};

const PeerEditor kPeerEditors[] = {
    {"DragonflyHall", "/usr/lib/lxvst/DragonflyHallReverb-vst.so"},
    {"ThreeBandEQ", "/usr/lib/vst/3BandEQ-vst.so"},
    {"LspCompDelayStereo", "/usr/lib/vst/lsp-plugins/comp-delay-stereo.so"},
};

class PeerEditors : public testing::TestWithParam<PeerEditor> {
  protected:
    void SetUp() override {
        if (!fs::exists(GetParam().library)) GTEST_SKIP() << GetParam().library << " missing";
        if (!HaveDisplay()) GTEST_SKIP() << "no X display (DISPLAY is not set)";
        testsupport::ClearInstallDirectory();
        const std::string directory =
            testsupport::MakeTempDirectory(std::string("peer-editor-") + GetParam().name);
        fs::create_directories(fs::path(directory) / "VST64");
        fs::create_symlink(GetParam().library, fs::path(directory) / "VST64" / "VQ318.so");
        testsupport::WriteInstallDirectory(testsupport::RegistryView::k64Bit, directory);
    }
    void TearDown() override { testsupport::ClearInstallDirectory(); }
};

TEST_P(PeerEditors, OpensInTheHostWindowWithItsReportedSizeAndDraws) {
    const std::string shot = ScreenshotPath(std::string("peer-") + GetParam().name);
    const ObservedEdit edit = RunObservedEdit(
        {VQ318_PRODUCT_MODULE, "--seconds", "2", "--screenshot", shot}, EditEnd::kBySeconds);
    ASSERT_TRUE(edit.hostSeen) << edit.run.err;
    ASSERT_EQ(edit.run.exitCode, 0) << edit.run.err;
    std::cout << "screenshot of " << GetParam().name << "'s editor: " << shot << '\n';
    const WindowBox printed = PrintedWindow(edit.run.out);
    ASSERT_GT(printed.width, 0) << edit.run.out;
    EXPECT_EQ(edit.host.width, printed.width);
    EXPECT_EQ(edit.host.height, printed.height);
    ASSERT_EQ(edit.inner.size(), 1u);
    EXPECT_EQ(edit.inner[0].width, printed.width);
    EXPECT_EQ(edit.inner[0].height, printed.height);
    WindowBox size;
    // Knobs, text and backgrounds of a drawn editor; far more than a blank window's one colour.
    EXPECT_GE(DistinctColours(shot, size), 16u);
    EXPECT_EQ(size.width, printed.width);
    EXPECT_EQ(size.height, printed.height);
}

INSTANTIATE_TEST_SUITE_P(Debian, PeerEditors, testing::ValuesIn(kPeerEditors),
                         [](const testing::TestParamInfo<PeerEditor>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
