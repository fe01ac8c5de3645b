// The wrapper's editor through the editor interface: what the plug-in receives as the host
// attaches, sizes, draws, idles and detaches, and what the host gets back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "tests/editor/editor_fixture.h"

namespace {

using testplugin::Call;

// A dispatcher call as the tests compare it.
struct Sent {
    int32_t opcode;
    int32_t index;
    intptr_t value;
    const void* ptr;
    float opt;

    bool operator==(const Sent&) const = default;
};

std::ostream& operator<<(std::ostream& stream, const Sent& sent) {
    return stream << "op " << sent.opcode << " [" << sent.index << "] value " << sent.value
                  << " ptr " << sent.ptr << " opt " << sent.opt;
}

std::vector<Sent> SentCalls(const std::vector<Call>& calls) {
    std::vector<Sent> sent;
    for (const Call& call : calls)
        sent.push_back({call.opcode, call.index, call.value, call.ptr, call.opt});
    return sent;
}

// The plug-in's editor as the calls it received leave it.
struct EditorWindow {
    bool open = false;
    const void* window = nullptr;
    bool openedTwice = false;  // effEditOpen while open
    bool closedTwice = false;  // effEditClose while closed
};

EditorWindow FollowEditorWindow(const std::vector<Call>& calls) {
    EditorWindow editor;
    for (const Call& call : calls) {
        if (call.kind != testplugin::CallKind::kDispatcher) continue;
        if (call.opcode == effEditOpen) {
            editor.openedTwice = editor.openedTwice || editor.open;
            editor.open = true;
            editor.window = call.ptr;
        } else if (call.opcode == effEditClose) {
            editor.closedTwice = editor.closedTwice || !editor.open;
            editor.open = false;
        }
    }
    return editor;
}

class WrapperEditor : public EditorTest {
  protected:
    int64_t OpcodeCount(int32_t opcode) const {
        const std::vector<Call> calls = PluginCalls();
        return std::count_if(calls.begin(), calls.end(), [&](const Call& call) {
            return call.kind == testplugin::CallKind::kDispatcher && call.opcode == opcode;
        });
    }
};

TEST_F(WrapperEditor, AttachingAWindowOpensThePlugInsEditorInIt) {
    CreateAll();
    Attach();
    const std::vector<Sent> expected = {
        {effPrivatePrepareEditor, 0, 0, nullptr, 1.0f},
        {effEditGetRect, 0, 0, &bridge_->editorRect, 0.0f},
        {effEditOpen, 0, 0, &window_, 0.0f},
        {effPrivateRedraw, 0, 0, nullptr, 0.0f},
    };
    EXPECT_EQ(SentCalls(PluginCalls()), expected);
    // Every parameter is announced in index order once the editor is attached.
    EXPECT_EQ(events_, (std::vector<std::string>{"attach", "updated MasterBypassID",
                                                 "updated drive", "updated level"}));
}

TEST_F(WrapperEditor, DetachingClosesThePlugInsEditor) {
    CreateAll();
    Attach();
    Control().ResetLog();
    events_.clear();
    ASSERT_EQ(gui_->SetViewContainer(nullptr), AAX_SUCCESS);
    EXPECT_EQ(SentCalls(PluginCalls()), (std::vector<Sent>{{effEditKeyDown, 50, 26, nullptr, 0.0f},
                                                           {effEditClose, 0, 0, nullptr, 0.0f}}));
    EXPECT_EQ(events_, (std::vector<std::string>{"detach"}));
    EXPECT_EQ(view_.OutstandingReferences(), 0);
}

TEST_F(WrapperEditor, ViewsOfOtherTypesSendNothing) {
    CreateAll();
    for (int32_t type : {1, 2}) {
        SCOPED_TRACE(type);
        Attach(type);
        EXPECT_TRUE(PluginCalls().empty());
    }
}

TEST_F(WrapperEditor, AttachDetachAndAttachAgain) {
    CreateAll();
    Attach();
    ASSERT_EQ(gui_->SetViewContainer(nullptr), AAX_SUCCESS);
    Control().ResetLog();
    Attach();
    ASSERT_EQ(PluginCalls().size(), 4u);
    EXPECT_EQ(PluginCalls()[2].opcode, effEditOpen);
    EXPECT_EQ(view_.OutstandingReferences(), 1);
    ASSERT_EQ(gui_->SetViewContainer(nullptr), AAX_SUCCESS);
    EXPECT_EQ(std::count(events_.begin(), events_.end(), "detach"), 2);
}

// A new view while one is shown: the plug-in's editor open in the old view is closed as a
// detach closes it before anything opens in the new one; nothing is closed that was not open.
TEST_F(WrapperEditor, ANewViewClosesThePlugInsEditorInTheOldOneFirst) {
    struct Case {
        int32_t oldType;
        int32_t newType;
        bool closes;
        bool opens;
    };
    int newWindow = 0;
    for (const Case& c : {Case{kViewTypeWindowHandle, kViewTypeWindowHandle, true, true},
                          Case{kViewTypeWindowHandle, 1, true, false},
                          Case{2, kViewTypeWindowHandle, false, true}, Case{1, 2, false, false}}) {
        SCOPED_TRACE(testing::Message() << c.oldType << " -> " << c.newType);
        CreateAll();
        Attach(c.oldType);
        Control().ResetLog();
        view_.SetNativeView(c.newType, &newWindow);
        ASSERT_EQ(gui_->SetViewContainer(view_.Unknown()), AAX_SUCCESS);
        std::vector<Sent> expected;
        if (c.closes) {
            expected.push_back({effEditKeyDown, 50, 26, nullptr, 0.0f});
            expected.push_back({effEditClose, 0, 0, nullptr, 0.0f});
        }
        if (c.opens) {
            expected.push_back({effPrivatePrepareEditor, 0, 0, nullptr, 1.0f});
            expected.push_back({effEditGetRect, 0, 0, &bridge_->editorRect, 0.0f});
            expected.push_back({effEditOpen, 0, 0, &newWindow, 0.0f});
            expected.push_back({effPrivateRedraw, 0, 0, nullptr, 0.0f});
        }
        EXPECT_EQ(SentCalls(PluginCalls()), expected);
        // Taking the new view away closes only what it opened.
        Control().ResetLog();
        ASSERT_EQ(gui_->SetViewContainer(nullptr), AAX_SUCCESS);
        EXPECT_EQ(OpcodeCount(effEditClose), c.opens ? 1 : 0);
        ReleaseEditor();
        (*effect_)->Uninitialize();
        EXPECT_EQ(effect_->Release(), 0u);
        effect_.reset();
    }
}

// The host initialises the instance again while its view stays attached: afterwards the
// plug-in's editor is open in that view, never opened twice nor closed twice, and detaching,
// uninitialising and releasing the editor then close it exactly once.
TEST_F(WrapperEditor, AnInstanceInitialisedAgainShowsThePlugInsEditorInTheSameView) {
    struct Case {
        const char* name;
        bool editorDown;  // Uninitialize on the editor first
        bool effectAgain;
        bool editorUp;  // Initialize on the editor last
    };
    for (const Case& c :
         {Case{"nothing", false, false, false}, Case{"the effect parameters", false, true, false},
          Case{"the editor", true, false, true},
          Case{"the editor, without uninitialising it", false, false, true},
          Case{"both", true, true, true}}) {
        SCOPED_TRACE(c.name);
        CreateAll();
        Control().ResetLog();
        Attach();
        if (c.editorDown) {
            ASSERT_EQ(gui_->Uninitialize(), AAX_SUCCESS);
        }
        if (c.effectAgain) {
            ASSERT_EQ((*effect_)->Uninitialize(), AAX_SUCCESS);
            ASSERT_EQ((*effect_)->Initialize(host_.Unknown()), AAX_SUCCESS);
        }
        if (c.editorUp) {
            ASSERT_EQ(gui_->Initialize(host_.Unknown()), AAX_SUCCESS);
        }
        const EditorWindow shown = FollowEditorWindow(PluginCalls());
        EXPECT_TRUE(shown.open);
        EXPECT_EQ(shown.window, &window_);
        EXPECT_FALSE(shown.openedTwice);
        EXPECT_FALSE(shown.closedTwice);

        Control().ResetLog();
        ASSERT_EQ(gui_->SetViewContainer(nullptr), AAX_SUCCESS);
        ReleaseEditor();
        EXPECT_EQ(OpcodeCount(effEditClose), 1);
        (*effect_)->Uninitialize();
        EXPECT_EQ(effect_->Release(), 0u);
        effect_.reset();
    }
}

TEST_F(WrapperEditor, DrawSendsTheHostsRectangleInWholePixels) {
    CreateAll();
    struct Case {
        AAX_Rect rect;
        ERect sent;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (const Case& c : {Case{{10.7f, 20.2f, 100.5f, 50.9f}, {10, 20, 61, 120}},
                          Case{{-3.5f, 0.0f, 1.0f, 2.0f}, {-3, 0, -1, 1}},
                          Case{{70000.0f, nan, 1e30f, 0.0f}, {4464, 0, 4464, 0}}}) {
        Control().ResetLog();
        AAX_Rect rect = c.rect;
        EXPECT_EQ(gui_->Draw(&rect), AAX_SUCCESS);
        const std::vector<Call> calls = PluginCalls();
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].opcode, effPrivateRedraw);
        EXPECT_NE(calls[0].ptr, nullptr);
        EXPECT_EQ(calls[0].rect.top, c.sent.top);
        EXPECT_EQ(calls[0].rect.left, c.sent.left);
        EXPECT_EQ(calls[0].rect.bottom, c.sent.bottom);
        EXPECT_EQ(calls[0].rect.right, c.sent.right);
    }
    Control().ResetLog();
    EXPECT_EQ(gui_->Draw(nullptr), AAX_SUCCESS);
    EXPECT_TRUE(PluginCalls().empty());
}

TEST_F(WrapperEditor, ViewSizeIsThePlugInsRectangleAskedAfresh) {
    struct Case {
        ERect rect;
        float vert;
        float horz;
    };
    for (const Case& c :
         {Case{{0, 0, 300, 400}, 300.0f, 400.0f}, Case{{10, 20, 110, 220}, 100.0f, 200.0f}}) {
        testplugin::Script script = EditorScript();
        script.editorRect = c.rect;
        CreateAll(script);
        for (int round = 0; round < 2; ++round) {
            const AAX_Point size = ViewSize();
            EXPECT_EQ(size.vert, c.vert);
            EXPECT_EQ(size.horz, c.horz);
        }
        EXPECT_EQ(PluginCalls().size(), 2u) << "asked on every call";
        ReleaseEditor();
        (*effect_)->Uninitialize();
        effect_.reset();
    }
}

TEST_F(WrapperEditor, ViewSizeWithoutARectangleIsOneHundredSquare) {
    testplugin::Script script = EditorScript();
    script.editorRectNull = 1;
    CreateAll(script);
    const AAX_Point size = ViewSize();
    EXPECT_EQ(size.vert, 100.0f);
    EXPECT_EQ(size.horz, 100.0f);
    EXPECT_EQ(gui_->GetViewSize(nullptr), AAX_ERROR_NULL_OBJECT);
}

TEST_F(WrapperEditor, WithoutThePlugInTheViewIsEmptyAndNothingIsSent) {
    testsupport::ClearInstallDirectory();
    CreateAll();
    ASSERT_EQ(Effect(), nullptr);
    const AAX_Point size = ViewSize();
    EXPECT_EQ(size.vert, 100.0f);
    EXPECT_EQ(size.horz, 100.0f);
    Attach();
    AAX_Rect rect{0, 0, 10, 10};
    EXPECT_EQ(gui_->Draw(&rect), AAX_SUCCESS);
    EXPECT_EQ(gui_->TimerWakeup(), AAX_SUCCESS);
    EXPECT_EQ(gui_->SetViewContainer(nullptr), AAX_SUCCESS);
    EXPECT_TRUE(Control().Calls().empty());
}

TEST_F(WrapperEditor, TimerIdlesThePlugInEvenBeforeAView) {
    CreateAll();
    EXPECT_EQ(gui_->TimerWakeup(), AAX_SUCCESS);
    EXPECT_EQ(SentCalls(PluginCalls()), (std::vector<Sent>{{effEditIdle, 0, 0, nullptr, 0.0f}}));
}

TEST_F(WrapperEditor, DisplayUpdatesReachTheEditorOnlyWhileItLives) {
    CreateAll();
    Attach();
    events_.clear();
    EXPECT_EQ(Control().CallHost(Effect(), audioMasterUpdateDisplay), 0);
    // Every plug-in parameter, the one without an AAX parameter included.
    EXPECT_EQ(events_,
              (std::vector<std::string>{"updated drive", "updated hidden", "updated level"}));
    ASSERT_EQ(gui_->SetViewContainer(nullptr), AAX_SUCCESS);
    ReleaseEditor();
    events_.clear();
    EXPECT_EQ(Control().CallHost(Effect(), audioMasterUpdateDisplay), 0);
    EXPECT_TRUE(events_.empty());
    EXPECT_EQ(bridge_->callBack->editor, nullptr);
}

TEST_F(WrapperEditor, DisplayUpdatesAfterUninitializeReachNothing) {
    CreateAll();
    ASSERT_EQ(gui_->Uninitialize(), AAX_SUCCESS);
    events_.clear();
    EXPECT_EQ(Control().CallHost(Effect(), audioMasterUpdateDisplay), 0);
    EXPECT_TRUE(events_.empty());
}

TEST_F(WrapperEditor, AnEditorLeftOpenIsClosedWhenTheEditorGoes) {
    CreateAll();
    Attach();
    Control().ResetLog();
    // The host releases the editor without taking the view away first.
    EXPECT_EQ(gui_->Release(), 0u);
    gui_ = nullptr;
    EXPECT_EQ(SentCalls(PluginCalls()), (std::vector<Sent>{{effEditClose, 0, 0, nullptr, 0.0f}}));
    EXPECT_EQ(events_.back(), "destroyed");

    // The same when it uninitialises first; a detached editor closes nothing more.
    CreateEditor();
    ASSERT_EQ(gui_->Initialize(host_.Unknown()), AAX_SUCCESS);
    Attach();
    Control().ResetLog();
    ASSERT_EQ(gui_->Uninitialize(), AAX_SUCCESS);
    EXPECT_EQ(SentCalls(PluginCalls()), (std::vector<Sent>{{effEditClose, 0, 0, nullptr, 0.0f}}));
    Control().ResetLog();
    ASSERT_EQ(gui_->SetViewContainer(nullptr), AAX_SUCCESS);
    EXPECT_EQ(gui_->Release(), 0u);
    gui_ = nullptr;
    EXPECT_TRUE(PluginCalls().empty());
}

TEST_F(WrapperEditor, EveryHostReferenceComesBackAfterUninitializeAndRelease) {
    CreateAll();
    Attach();
    EXPECT_GT(host_.controller.OutstandingReferences(), 0);
    EXPECT_EQ(view_.OutstandingReferences(), 1);
    ASSERT_EQ(gui_->SetViewContainer(nullptr), AAX_SUCCESS);
    ASSERT_EQ(gui_->Uninitialize(), AAX_SUCCESS);
    EXPECT_EQ(gui_->Release(), 0u);
    gui_ = nullptr;
    // Only the effect's own initialisation still holds references on the host.
    ASSERT_EQ((*effect_)->Uninitialize(), AAX_SUCCESS);
    EXPECT_TRUE(host_.ReferencesReturned());
    // The editor gave back its reference on the effect-parameters object.
    EXPECT_EQ((*effect_)->AddRef(), 2u);
    EXPECT_EQ((*effect_)->Release(), 1u);
}

}  // namespace
