// `aaxhost edit` on the module that ships with the demo plug-in, under a real X display: the
// editor's window inside the host's, its screenshot, a mouse drag on one of its bars reaching the
// host's automation while blocks render, and the window opened and closed again and again.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "tests/support/installed_plugin.h"
#include "tests/support/registry_fixture.h"
#include "tests/tools/aaxhost_window/observed_edit.h"
#include "tools/demo-plugin/editor_layout.h"

namespace {

const std::string kModule = VQ318_PRODUCT_MODULE;
constexpr const char* kNoEditorWindow =
    "the demo plug-in's editor made no child window in the host's window";

class EditWindow : public testing::Test {
  protected:
    void SetUp() override {
        if (!HaveDisplay()) GTEST_SKIP() << "no X display (DISPLAY is not set)";
        static InstalledPlugin demo(VQ318_DEMO_PLUGIN, "aaxhost-edit-demo");
        testsupport::ClearInstallDirectory();
        demo.Register(testsupport::RegistryView::k64Bit);
        directory = testsupport::MakeTempDirectory("aaxhost-edit");
    }
    void TearDown() override { testsupport::ClearInstallDirectory(); }

    std::string directory;
};

constexpr const char* kClosedCleanly =
    "closed: view detached, editor released, instance uninitialised; 0 host references "
    "outstanding";

TEST_F(EditWindow, OpensTheEditorAsAChildOfTheHostWindowWithItsReportedSize) {
    struct Case {
        const char* name;
        EditEnd end;
        std::vector<std::string> arguments;
    };
    const Case cases[] = {
        {"closed by its seconds", EditEnd::kBySeconds, {kModule, "--seconds", "1"}},
        {"closed by the window manager", EditEnd::kByCloseRequest, {kModule}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ObservedEdit edit = RunObservedEdit(c.arguments, c.end);
        ASSERT_TRUE(edit.hostSeen) << edit.run.err;
        ASSERT_EQ(edit.run.exitCode, 0) << edit.run.err;
        ASSERT_FALSE(edit.inner.empty()) << kNoEditorWindow;
        const WindowBox printed = PrintedWindow(edit.run.out);
        ASSERT_GT(printed.width, 0) << edit.run.out;
        EXPECT_EQ(edit.host.width, printed.width);
        EXPECT_EQ(edit.host.height, printed.height);
        ASSERT_EQ(edit.inner.size(), 1u);
        EXPECT_EQ(edit.inner[0].width, printed.width);
        EXPECT_EQ(edit.inner[0].height, printed.height);
        EXPECT_NE(edit.run.out.find(kClosedCleanly), std::string::npos) << edit.run.out;
    }
}

TEST_F(EditWindow, ScreenshotShowsTheDrawnControls) {
    const std::string shot = ScreenshotPath("demo-editor");
    const ObservedEdit edit =
        RunObservedEdit({kModule, "--seconds", "1.5", "--screenshot", shot}, EditEnd::kBySeconds);
    ASSERT_TRUE(edit.hostSeen) << edit.run.err;
    ASSERT_EQ(edit.run.exitCode, 0) << edit.run.err;
    ASSERT_FALSE(edit.inner.empty()) << kNoEditorWindow;
    std::cout << "screenshot of the demo editor: " << shot << '\n';
    WindowBox size;
    // Background, bars, their filled parts and the text: a blank window has one colour.
    EXPECT_GE(DistinctColours(shot, size), 4u);
    EXPECT_EQ(size.width, PrintedWindow(edit.run.out).width);
    EXPECT_EQ(size.height, PrintedWindow(edit.run.out).height);
}

TEST_F(EditWindow, SaysWhatItCannotDoAndEndsWithFailure) {
    struct Case {
        const char* name;
        std::vector<std::string> arguments;
        const char* message;
    };
    const Case cases[] = {
        {"drag of a parameter the effect lacks",
         {kModule, "--seconds", "0.2", "--drag", "no_such_parameter", "0.5"},
         "the effect has no parameter 'no_such_parameter'"},
        {"drag of a parameter the editor shows no control for",
         {kModule, "--seconds", "0.2", "--drag", "MasterBypassID", "1"},
         "the editor's layout has no control for 'MasterBypassID'"},
        {"screenshot into a missing folder",
         {kModule, "--seconds", "0.2", "--screenshot", directory + "/missing/shot.png"},
         "screenshot: "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ObservedEdit edit = RunObservedEdit(c.arguments, EditEnd::kBySeconds);
        EXPECT_EQ(edit.run.exitCode, 1);
        EXPECT_NE(edit.run.err.find(c.message), std::string::npos) << edit.run.err;
        // The window closed as cleanly as after a good run.
        EXPECT_NE(edit.run.out.find(kClosedCleanly), std::string::npos) << edit.run.out;
    }
}

struct AutomationSeen {
    std::vector<std::string> order;  // "touch", "set", "release", as they came
    std::vector<double> sets;
    double value = -1.0;
    uint64_t blocksDuringDrag = 0;
};

AutomationSeen ReadAutomation(const std::string& out, const std::string& identifier) {
    AutomationSeen seen;
    std::istringstream lines(out);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string head;
        std::string kind;
        std::string id;
        words >> head;
        if (head == "drag:" && line.find("blocks rendered during the drag") != std::string::npos) {
            std::istringstream(line.substr(6)) >> seen.blocksDuringDrag;
        } else if (head == "automation:") {
            words >> kind >> id;
            if (id != identifier) continue;
            seen.order.push_back(kind);
            double value = 0.0;
            if (kind == "set" && words >> value) seen.sets.push_back(value);
        } else if (head == "value:") {
            words >> id >> seen.value;
        }
    }
    return seen;
}

// The value of parameter `index` in the demo plug-in's bank, in a file of `aaxhost state save`:
// the file's 16-byte header, then "VQDB", version and count, then the values as floats.
float BankValue(const std::string& path, int32_t index) {
    std::ifstream file(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    const size_t at = 16 + 12 + static_cast<size_t>(index) * 4;
    if (bytes.size() < at + 4 || bytes.compare(16, 4, "VQDB") != 0) return -1.0f;
    float value = 0.0f;
    std::memcpy(&value, bytes.data() + at, sizeof value);
    return value;
}

TEST_F(EditWindow, DragReachesTheHostAsTouchSetAndReleaseWhileBlocksRender) {
    struct Case {
        int32_t index;
        float target;
    };
    // From the defaults to the ends of the bars and to a point inside one.
    const Case cases[] = {
        {vq318demo::kDepth, 1.0f}, {vq318demo::kTone, 0.0f}, {vq318demo::kGain, 0.2f}};
    for (const Case& c : cases) {
        const std::string identifier = vq318demo::InfoOf(c.index).identifier;
        SCOPED_TRACE(identifier);
        const std::string state = directory + "/" + identifier + ".state";
        const ObservedEdit edit =
            RunObservedEdit({kModule, "--seconds", "0.5", "--drag", identifier,
                             std::to_string(c.target), "--save-state", state},
                            EditEnd::kBySeconds);
        ASSERT_TRUE(edit.hostSeen) << edit.run.err;
        ASSERT_EQ(edit.run.exitCode, 0) << edit.run.err;
        ASSERT_FALSE(edit.inner.empty()) << kNoEditorWindow;
        const AutomationSeen seen = ReadAutomation(edit.run.out, identifier);
        ASSERT_GE(seen.order.size(), 3u) << edit.run.out;
        EXPECT_EQ(seen.order.front(), "touch") << edit.run.out;
        EXPECT_EQ(seen.order.back(), "release") << edit.run.out;
        ASSERT_FALSE(seen.sets.empty()) << edit.run.out;
        EXPECT_GT(seen.blocksDuringDrag, 0u) << edit.run.out;
        // The drag ends on the column that shows the target, which stands for it to a column.
        const WindowBox printed = PrintedWindow(edit.run.out);
        const vq318demo::ControlBox bar = vq318demo::BarOf(c.index, printed.width, printed.height);
        const double column = 1.0 / (bar.right - 1 - bar.left);
        EXPECT_NEAR(seen.sets.back(), c.target, column) << edit.run.out;
        // The host answered the last request, and the plug-in's own value followed.
        EXPECT_NEAR(seen.value, seen.sets.back(), 1e-6) << edit.run.out;
        EXPECT_NEAR(BankValue(state, c.index), seen.sets.back(), 1e-6);
    }
}

TEST_F(EditWindow, ClosesAndReopensTenTimesWithoutLeavingWindows) {
    const int32_t before = TopLevelWindowCount();
    for (int round = 0; round < 10; ++round) {
        SCOPED_TRACE(round);
        const ObservedEdit edit =
            RunObservedEdit({kModule, "--seconds", "0.5"}, EditEnd::kBySeconds);
        ASSERT_TRUE(edit.hostSeen) << edit.run.err;
        ASSERT_EQ(edit.run.exitCode, 0) << edit.run.err;
        ASSERT_FALSE(edit.inner.empty()) << kNoEditorWindow;
        EXPECT_EQ(edit.inner.size(), 1u);
        EXPECT_NE(edit.run.out.find(kClosedCleanly), std::string::npos) << edit.run.out;
    }
    EXPECT_EQ(TopLevelWindowCount(), before);
}

}  // namespace
