// The demo plug-in's editor in a real X11 window system: its child window in the host's window,
// what it draws, the edits a mouse drag on it reports, and what it leaves behind when it closes.
// Skipped where there is no display to open.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <set>
#include <thread>

#include "tests/tools/demo_plugin/demo_host.h"
#include "tests/tools/demo_plugin/x11_host_window.h"
#include "tools/demo-plugin/editor_canvas.h"
#include "tools/demo-plugin/editor_layout.h"

namespace {

using vq318demo::BarOf;
using vq318demo::ControlBox;

class DemoEditorWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!host_.Usable()) GTEST_SKIP() << "no X display to open windows on";
    }

    // Prepares, opens in the host's window and paints once; the editor's child window.
    Window Open(float scale = 1.0f) {
        EXPECT_EQ(plugin_.Dispatch(effPrivatePrepareEditor, 0, 0, nullptr, scale), 1);
        ERect* rect = nullptr;
        plugin_.Dispatch(effEditGetRect, 0, 0, &rect);
        width_ = rect->right - rect->left;
        height_ = rect->bottom - rect->top;
        EXPECT_EQ(plugin_.Dispatch(effEditOpen, 0, 0, host_.Handle()), 1);
        plugin_.Dispatch(effEditIdle);
        const std::vector<Window> children = host_.Children();
        return children.size() == 1 ? children[0] : 0;
    }

    ControlBox Bar(int32_t index) const { return BarOf(index, width_, height_); }

    unsigned long PixelOf(vq318demo::Ink ink) const {
        const vq318demo::Rgb rgb = vq318demo::ColourOf(ink);
        return host_.PixelOf(rgb.red, rgb.green, rgb.blue);
    }

    // The ink in the middle of parameter `index`'s bar.
    unsigned long BarMiddle(Window editor, int32_t index) const {
        const ControlBox bar = Bar(index);
        return host_.Capture(editor).At(vq318demo::XOfValue(bar, 0.5f), (bar.top + bar.bottom) / 2);
    }

    // Idles the editor, as a host's timer does, until the plug-in has called the host `count`
    // times or two seconds have passed: input reaches the editor's own connection in its time.
    void IdleUntilCalls(size_t count) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (plugin_.Calls().size() < count && std::chrono::steady_clock::now() < deadline) {
            plugin_.Dispatch(effEditIdle);
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        plugin_.Dispatch(effEditIdle);
    }

    X11HostWindow host_;
    DemoInstance plugin_;
    int32_t width_ = 0;
    int32_t height_ = 0;
};

size_t OpenFiles() {
    const std::filesystem::directory_iterator files("/proc/self/fd");
    return static_cast<size_t>(std::distance(begin(files), end(files)));
}

TEST_F(DemoEditorWindow, IsAChildOfTheHostsWindowWithTheRectanglesSize) {
    struct Case {
        float scale;
        int width;
        int height;
    };
    for (const Case& row : {Case{1.0f, 480, 300}, Case{2.0f, 960, 600}, Case{0.5f, 240, 150}}) {
        SCOPED_TRACE(row.scale);
        const Window editor = Open(row.scale);
        ASSERT_NE(editor, 0u) << "one child window in the host's window";
        const X11HostWindow::Geometry geometry = host_.GeometryOf(editor);
        EXPECT_EQ(geometry.parent, host_.Id());
        EXPECT_EQ(geometry.width, row.width);
        EXPECT_EQ(geometry.height, row.height);
        EXPECT_TRUE(geometry.viewable);
        EXPECT_EQ(plugin_.Dispatch(effEditClose), 1);
        EXPECT_TRUE(host_.Children().empty());
    }
}

TEST_F(DemoEditorWindow, DrawsEachBarFilledToItsValue) {
    plugin_.SetParameter(vq318demo::kDepth, 1.0f);
    plugin_.SetParameter(vq318demo::kGain, 0.0f);
    const Window editor = Open();
    ASSERT_NE(editor, 0u);
    const X11HostWindow::Picture picture = host_.Capture(editor);
    const std::set<unsigned long> inks(picture.pixels.begin(), picture.pixels.end());
    EXPECT_GE(inks.size(), 4u) << "background, text, track and fill";
    EXPECT_EQ(BarMiddle(editor, vq318demo::kDepth), PixelOf(vq318demo::kFill));
    EXPECT_EQ(BarMiddle(editor, vq318demo::kGain), PixelOf(vq318demo::kTrack));
    const ControlBox depth = Bar(vq318demo::kDepth);
    EXPECT_EQ(picture.At(depth.right - 1, depth.top), PixelOf(vq318demo::kFill));
    EXPECT_EQ(picture.At(depth.right, depth.top), PixelOf(vq318demo::kBackground));
}

TEST_F(DemoEditorWindow, RedrawsWhenAValueChangesFromAnySide) {
    struct Case {
        const char* side;
        int32_t index;
        float before;
        std::function<void(DemoInstance&)> change;
    };
    const Case cases[] = {
        {"host's setParameter", vq318demo::kGain, 0.0f,
         [](DemoInstance& plugin) { plugin.SetParameter(vq318demo::kGain, 1.0f); }},
        {"host's setParameter to nothing", vq318demo::kDepth, 1.0f,
         [](DemoInstance& plugin) { plugin.SetParameter(vq318demo::kDepth, 0.0f); }},
        {"chunk restore", vq318demo::kRate, 0.0f,
         [](DemoInstance& plugin) {
             DemoInstance saved;
             saved.SetParameter(vq318demo::kRate, 1.0f);
             std::vector<unsigned char> chunk = saved.Chunk();
             plugin.Dispatch(effSetChunk, 0, static_cast<intptr_t>(chunk.size()), chunk.data());
         }},
        {"modulation wheel", vq318demo::kDepth, 0.0f,
         [](DemoInstance& plugin) { plugin.SendMidi(0, 0xB0, 1, 127); }},
    };
    const Window editor = Open();
    ASSERT_NE(editor, 0u);
    for (const Case& row : cases) {
        SCOPED_TRACE(row.side);
        plugin_.SetParameter(row.index, row.before);
        EXPECT_EQ(plugin_.Dispatch(effEditIdle), 0) << "a change is drawn, not marked";
        const vq318demo::Ink was = row.before > 0.5f ? vq318demo::kFill : vq318demo::kTrack;
        ASSERT_EQ(BarMiddle(editor, row.index), PixelOf(was));
        row.change(plugin_);
        plugin_.Dispatch(effEditIdle);
        const vq318demo::Ink now = was == vq318demo::kFill ? vq318demo::kTrack : vq318demo::kFill;
        EXPECT_EQ(BarMiddle(editor, row.index), PixelOf(now));
    }
}

// A column of `bar` at `position` of its span; past 0 or 1 it leaves the bar.
int32_t ColumnAt(const ControlBox& bar, float position) {
    return bar.left + static_cast<int32_t>(position * static_cast<float>(bar.right - 1 - bar.left));
}

TEST_F(DemoEditorWindow, DragOnABarReportsOneEditOfItsParameter) {
    struct Case {
        const char* name;
        float scale;
        int32_t index;
        float from;
        std::vector<float> path;  // positions along the bar the pointer moves through
        bool rendering = false;   // an audio thread runs blocks through the plug-in meanwhile
    };
    const Case cases[] = {
        {"depth up", 1.0f, vq318demo::kDepth, 0.5f, {0.7f, 0.9f}},
        {"rate down at scale 2", 2.0f, vq318demo::kRate, 0.7f, {0.4f, 0.1f}},
        {"division past the left end", 1.0f, vq318demo::kDivision, 0.5f, {0.2f, -0.3f}},
        {"last parameter past the right end", 1.0f, vq318demo::kStereoPhase, 0.0f, {0.5f, 1.2f}},
        {"gain while blocks render", 1.0f, vq318demo::kGain, 0.5f, {0.6f, 0.3f, 0.8f}, true},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        plugin_.SetParameter(row.index, row.from);
        const Window editor = Open(row.scale);
        ASSERT_NE(editor, 0u);
        const ControlBox bar = Bar(row.index);
        const int32_t y = (bar.top + bar.bottom) / 2;
        const size_t before = plugin_.Calls().size();
        std::jthread audio;
        if (row.rendering) {
            plugin_.Start();
            audio = std::jthread([this](std::stop_token stop) {
                const std::vector<Channel> input = {Sine(440.0, 256), Sine(440.0, 256)};
                while (!stop.stop_requested()) plugin_.Render(input, 64);
            });
        }

        const int32_t press = vq318demo::XOfValue(bar, plugin_.GetParameter(row.index));
        std::set<float> reachable = {vq318demo::ValueAtX(bar, press)};
        host_.PointerTo(editor, press, y);
        host_.PrimaryButton(true);
        int32_t last = press;
        for (float position : row.path) {
            last = ColumnAt(bar, position);
            reachable.insert(vq318demo::ValueAtX(bar, last));
            host_.PointerTo(editor, last, y);
        }
        host_.PrimaryButton(false);
        IdleUntilCalls(before + 2 + row.path.size() + 1);
        audio = std::jthread();

        const std::vector<HostCall> all = plugin_.Calls();
        const std::vector<HostCall> calls(all.begin() + static_cast<std::ptrdiff_t>(before),
                                          all.end());
        ASSERT_GE(calls.size(), 3u);
        EXPECT_EQ(calls.front().opcode, audioMasterBeginEdit);
        EXPECT_EQ(calls.back().opcode, audioMasterEndEdit);
        EXPECT_EQ(calls[1].opt, vq318demo::ValueAtX(bar, press)) << "the press sets its value";
        for (const HostCall& call : calls) {
            EXPECT_EQ(call.index, row.index);
            if (&call == &calls.front() || &call == &calls.back()) continue;
            EXPECT_EQ(call.opcode, audioMasterAutomate);
            EXPECT_EQ(reachable.count(call.opt), 1u) << call.opt << " is no column's value";
        }
        const float released = vq318demo::ValueAtX(bar, last);
        EXPECT_EQ(calls[calls.size() - 2].opt, released);
        EXPECT_EQ(plugin_.GetParameter(row.index), released);
        EXPECT_EQ(plugin_.Dispatch(effEditClose), 1);
    }
}

TEST_F(DemoEditorWindow, PressOutsideTheBarsEditsNothing) {
    const Window editor = Open();
    ASSERT_NE(editor, 0u);
    const ControlBox bar = Bar(vq318demo::kDepth);
    const int32_t y = (bar.top + bar.bottom) / 2;
    const size_t before = plugin_.Calls().size();
    host_.PointerTo(editor, bar.left - 1, y);
    host_.PrimaryButton(true);
    host_.PointerTo(editor, bar.right - 2, y);
    host_.PrimaryButton(false);
    // A click on the bar afterwards shows when the input before it has been handled.
    host_.PrimaryButton(true);
    host_.PrimaryButton(false);
    IdleUntilCalls(before + 3);
    const std::vector<HostCall> calls = plugin_.Calls();
    ASSERT_EQ(calls.size(), before + 3) << "only the click's begin, automate and end";
    EXPECT_EQ(calls[before].opcode, audioMasterBeginEdit);
    EXPECT_EQ(calls[before + 1].opt, vq318demo::ValueAtX(bar, bar.right - 2));
}

TEST_F(DemoEditorWindow, TenOpenAndCloseCyclesLeaveNoWindowAndNoConnection) {
    const size_t files = OpenFiles();
    for (int cycle = 0; cycle < 10; ++cycle) {
        SCOPED_TRACE(cycle);
        ASSERT_NE(Open(), 0u);
        EXPECT_EQ(plugin_.Dispatch(effEditClose), 1);
        EXPECT_TRUE(host_.Children().empty());
    }
    EXPECT_EQ(OpenFiles(), files);
}

TEST_F(DemoEditorWindow, ClosingAfterTheHostsWindowWentAwayIsQuiet) {
    const size_t files = OpenFiles();
    ASSERT_NE(Open(), 0u);
    host_.Destroy();
    EXPECT_EQ(plugin_.Dispatch(effEditIdle), 0);
    EXPECT_EQ(plugin_.Dispatch(effEditClose), 1);
    EXPECT_EQ(OpenFiles(), files);
}

TEST_F(DemoEditorWindow, StandInHandlesKeepTheBookkeepingOnly) {
    int local = 0;
    struct Case {
        const char* name;
        void* handle;
    };
    const Case cases[] = {
        {"an address", &local},
        {"an identifier no one uses", reinterpret_cast<void*>(uintptr_t{0x1FFFFFF0})},
        {"a destroyed window", reinterpret_cast<void*>(static_cast<uintptr_t>(host_.GoneWindow()))},
    };
    const size_t files = OpenFiles();
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(plugin_.Dispatch(effEditOpen, 0, 0, row.handle), 1);
        EXPECT_EQ(plugin_.Dispatch(effEditIdle), 1);
        EXPECT_EQ(plugin_.Dispatch(effEditIdle), 0);
        EXPECT_EQ(plugin_.Dispatch(effPrivateRedraw, 0, 0, nullptr), 1);
        EXPECT_EQ(plugin_.Dispatch(effEditIdle), 1);
        EXPECT_EQ(plugin_.Dispatch(effEditClose), 1);
        EXPECT_EQ(OpenFiles(), files) << "no connection kept";
    }
    EXPECT_TRUE(host_.Children().empty());
}

}  // namespace
