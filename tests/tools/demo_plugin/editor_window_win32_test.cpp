// The demo plug-in's editor in the Win32 window system: its child window in a host's window, what
// it paints, and the edits that mouse messages on a bar report. Skipped where no window can be
// made (no display behind Wine).
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/tools/demo_plugin/demo_host.h"
#include "tools/demo-plugin/editor_canvas.h"
#include "tools/demo-plugin/editor_layout.h"

namespace {

using vq318demo::BarOf;
using vq318demo::ControlBox;

constexpr wchar_t kHostClass[] = L"DemoEditorTestHost";

class DemoEditorWin32Window : public ::testing::Test {
  protected:
    void SetUp() override {
        WNDCLASSW type{};
        type.lpfnWndProc = &DefWindowProcW;
        type.hInstance = GetModuleHandleW(nullptr);
        type.lpszClassName = kHostClass;
        RegisterClassW(&type);
        host_ = CreateWindowExW(0, kHostClass, L"host", WS_POPUP | WS_VISIBLE, 0, 0, 1000, 700,
                                nullptr, nullptr, type.hInstance, nullptr);
        if (host_ == nullptr) GTEST_SKIP() << "no window system to make windows in";
    }

    void TearDown() override {
        if (host_ != nullptr) DestroyWindow(host_);
        UnregisterClassW(kHostClass, GetModuleHandleW(nullptr));
    }

    // Prepares, opens in the host's window and paints once; the editor's child window.
    HWND Open(float scale = 1.0f) {
        EXPECT_EQ(plugin_.Dispatch(effPrivatePrepareEditor, 0, 0, nullptr, scale), 1);
        ERect* rect = nullptr;
        plugin_.Dispatch(effEditGetRect, 0, 0, &rect);
        width_ = rect->right - rect->left;
        height_ = rect->bottom - rect->top;
        EXPECT_EQ(plugin_.Dispatch(effEditOpen, 0, 0, host_), 1);
        plugin_.Dispatch(effEditIdle);
        return GetWindow(host_, GW_CHILD);
    }

    ControlBox Bar(int32_t index) const { return BarOf(index, width_, height_); }

    static void Send(HWND window, UINT message, int32_t x, int32_t y) {
        SendMessageW(window, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
    }

    HWND host_ = nullptr;
    DemoInstance plugin_;
    int32_t width_ = 0;
    int32_t height_ = 0;
};

TEST_F(DemoEditorWin32Window, IsAChildOfTheHostsWindowWithTheRectanglesSize) {
    struct Case {
        float scale;
        LONG width;
        LONG height;
    };
    for (const Case& row : {Case{1.0f, 480, 300}, Case{2.0f, 960, 600}}) {
        SCOPED_TRACE(row.scale);
        const HWND editor = Open(row.scale);
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(GetParent(editor), host_);
        RECT client{};
        GetClientRect(editor, &client);
        EXPECT_EQ(client.right - client.left, row.width);
        EXPECT_EQ(client.bottom - client.top, row.height);
        EXPECT_EQ(plugin_.Dispatch(effEditClose), 1);
        EXPECT_EQ(GetWindow(host_, GW_CHILD), nullptr);
    }
}

TEST_F(DemoEditorWin32Window, PaintsEachBarFilledToItsValue) {
    plugin_.SetParameter(vq318demo::kDepth, 1.0f);
    plugin_.SetParameter(vq318demo::kGain, 0.0f);
    const HWND editor = Open();
    ASSERT_NE(editor, nullptr);
    HDC dc = GetDC(editor);
    const auto middle = [&](int32_t index) {
        const ControlBox bar = Bar(index);
        return GetPixel(dc, vq318demo::XOfValue(bar, 0.5f), (bar.top + bar.bottom) / 2);
    };
    const auto reference = [](vq318demo::Ink ink) {
        const vq318demo::Rgb rgb = vq318demo::ColourOf(ink);
        return RGB(rgb.red, rgb.green, rgb.blue);
    };
    EXPECT_EQ(middle(vq318demo::kDepth), reference(vq318demo::kFill));
    EXPECT_EQ(middle(vq318demo::kGain), reference(vq318demo::kTrack));
    plugin_.SetParameter(vq318demo::kGain, 1.0f);
    plugin_.Dispatch(effEditIdle);
    EXPECT_EQ(middle(vq318demo::kGain), reference(vq318demo::kFill)) << "redrawn at the idle";
    ReleaseDC(editor, dc);
}

TEST_F(DemoEditorWin32Window, MouseDragOnABarReportsOneEditOfItsParameter) {
    struct Case {
        float scale;
        int32_t index;
        float to;
    };
    for (const Case& row : {Case{1.0f, vq318demo::kDepth, 0.9f}, Case{2.0f, vq318demo::kRate, 0.1f},
                            Case{1.0f, vq318demo::kStereoPhase, 1.0f}}) {
        SCOPED_TRACE(row.index);
        const HWND editor = Open(row.scale);
        ASSERT_NE(editor, nullptr);
        const ControlBox bar = Bar(row.index);
        const int32_t y = (bar.top + bar.bottom) / 2;
        const int32_t press = vq318demo::XOfValue(bar, plugin_.GetParameter(row.index));
        const int32_t end = vq318demo::XOfValue(bar, row.to);
        const size_t before = plugin_.Calls().size();
        Send(editor, WM_LBUTTONDOWN, press, y);
        Send(editor, WM_MOUSEMOVE, end, y);
        Send(editor, WM_LBUTTONUP, end, y);

        const std::vector<HostCall> all = plugin_.Calls();
        ASSERT_EQ(all.size(), before + 4);
        const float pressed = vq318demo::ValueAtX(bar, press);
        const float released = vq318demo::ValueAtX(bar, end);
        const HostCall expected[] = {{audioMasterBeginEdit, row.index, 0.0f},
                                     {audioMasterAutomate, row.index, pressed},
                                     {audioMasterAutomate, row.index, released},
                                     {audioMasterEndEdit, row.index, 0.0f}};
        for (size_t i = 0; i < 4; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(all[before + i].opcode, expected[i].opcode);
            EXPECT_EQ(all[before + i].index, expected[i].index);
            EXPECT_EQ(all[before + i].opt, expected[i].opt);
        }
        EXPECT_EQ(plugin_.GetParameter(row.index), released);
        EXPECT_EQ(GetCapture(), nullptr) << "the mouse is let go";
        EXPECT_EQ(plugin_.Dispatch(effEditClose), 1);
    }
}

TEST_F(DemoEditorWin32Window, TenOpenAndCloseCyclesLeaveNoWindow) {
    for (int cycle = 0; cycle < 10; ++cycle) {
        SCOPED_TRACE(cycle);
        ASSERT_NE(Open(), nullptr);
        EXPECT_EQ(plugin_.Dispatch(effEditClose), 1);
        EXPECT_EQ(GetWindow(host_, GW_CHILD), nullptr);
    }
}

}  // namespace
