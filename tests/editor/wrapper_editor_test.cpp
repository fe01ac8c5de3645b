// The wrapper's editor through the editor interface: what the plug-in receives as the host
// attaches, sizes, draws, idles and detaches, and what the host gets back.
#include <gtest/gtest.h>

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

using WrapperEditor = EditorTest;

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
