// The demo plug-in's editor: its rectangle, and the calls of attaching, drawing, idling and
// detaching in the order the wrapper's editor sends them.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/tools/demo_plugin/demo_host.h"

namespace {

ERect RectOf(const DemoInstance& plugin) {
    ERect* rect = nullptr;
    EXPECT_EQ(plugin.Dispatch(effEditGetRect, 0, 0, &rect), 1);
    return rect != nullptr ? *rect : ERect{-1, -1, -1, -1};
}

bool operator==(const ERect& a, const ERect& b) {
    return a.top == b.top && a.left == b.left && a.bottom == b.bottom && a.right == b.right;
}

TEST(DemoPluginEditor, AttachIdleRedrawAndDetachInTheWrappersOrder) {
    DemoInstance plugin;
    int window = 0;  // any opaque handle will do
    EXPECT_EQ(plugin.Dispatch(effPrivatePrepareEditor, 0, 0, nullptr, 1.0f), 1);
    EXPECT_TRUE(RectOf(plugin) == (ERect{0, 0, 300, 480}));
    EXPECT_EQ(plugin.Dispatch(effEditOpen, 0, 0, &window), 1);
    EXPECT_EQ(plugin.Dispatch(effPrivateRedraw, 0, 0, nullptr), 1);
    EXPECT_EQ(plugin.Dispatch(effEditIdle), 1) << "paints what opening and redraw marked";
    EXPECT_EQ(plugin.Dispatch(effEditIdle), 0) << "nothing left to paint";

    ERect area{10, 20, 61, 120};
    EXPECT_EQ(plugin.Dispatch(effPrivateRedraw, 0, 0, &area), 1);
    EXPECT_EQ(plugin.Dispatch(effEditIdle), 1);
    ERect empty{10, 20, 10, 120};
    EXPECT_EQ(plugin.Dispatch(effPrivateRedraw, 0, 0, &empty), 0);
    EXPECT_EQ(plugin.Dispatch(effEditIdle), 0);

    EXPECT_EQ(plugin.Dispatch(effEditKeyDown, 50, 26), 0) << "keys are left to the host";
    EXPECT_EQ(plugin.Dispatch(effEditClose), 1);
    EXPECT_EQ(plugin.Dispatch(effEditIdle), 0);
    EXPECT_EQ(plugin.Dispatch(effPrivateRedraw, 0, 0, nullptr), 0);
}

TEST(DemoPluginEditor, OpeningNeedsAWindow) {
    DemoInstance plugin;
    EXPECT_EQ(plugin.Dispatch(effEditOpen, 0, 0, nullptr), 0);
    EXPECT_EQ(plugin.Dispatch(effEditIdle), 0);
    EXPECT_EQ(plugin.Dispatch(effEditGetRect, 0, 0, nullptr), 0);
}

TEST(DemoPluginEditor, PreparedScaleSizesTheRectangleUntilItOpens) {
    DemoInstance plugin;
    EXPECT_EQ(plugin.Dispatch(effPrivatePrepareEditor, 0, 0, nullptr, 2.0f), 1);
    EXPECT_TRUE(RectOf(plugin) == (ERect{0, 0, 600, 960}));
    for (float refused : {0.0f, -1.0f, 0.25f, 8.0f, std::nanf("")}) {
        SCOPED_TRACE(refused);
        EXPECT_EQ(plugin.Dispatch(effPrivatePrepareEditor, 0, 0, nullptr, refused), 0);
        EXPECT_TRUE(RectOf(plugin) == (ERect{0, 0, 600, 960}));
    }
    int window = 0;
    plugin.Dispatch(effEditOpen, 0, 0, &window);
    EXPECT_EQ(plugin.Dispatch(effPrivatePrepareEditor, 0, 0, nullptr, 1.0f), 0);
    plugin.Dispatch(effEditClose);
    EXPECT_EQ(plugin.Dispatch(effPrivatePrepareEditor, 0, 0, nullptr, 1.0f), 1);
    EXPECT_TRUE(RectOf(plugin) == (ERect{0, 0, 300, 480}));
}

}  // namespace
