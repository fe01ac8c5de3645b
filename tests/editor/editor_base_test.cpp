// The editor base through the editor interface: initialisation with and without the host's
// objects, the view container's life and the defaults of every other operation.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "module/object_model.h"
#include "tests/editor/editor_fixture.h"

namespace {

// The base alone, its three hooks noted.
class HookEditor : public AAX_CEffectGUI {
  public:
    explicit HookEditor(std::vector<std::string>& events) : mEvents(events) {}

    Result ParameterUpdated(ParameterId id) override {
        mEvents.push_back(std::string("updated ") + id);
        return AAX_SUCCESS;
    }
    void CreateViewContents() override { mEvents.push_back("contents"); }
    void CreateViewContainer() override {
        mEvents.push_back(ViewContainer() != nullptr ? "attach to view" : "attach without view");
    }
    void DeleteViewContainer() override {
        mEvents.push_back(ViewContainer() == nullptr ? "detach" : "detach with view");
    }

  private:
    std::vector<std::string>& mEvents;
};

class EditorBase : public EditorTest {
  protected:
    void CreateBase() {
        auto* editor = new HookEditor(events_);
        void* answer = nullptr;
        ASSERT_EQ(
            static_cast<AAX_IACFEffectGUI*>(editor)->QueryInterface(IID_AAX_IACFEffectGUI, &answer),
            AAX_SUCCESS);
        gui_ = static_cast<AAX_IACFEffectGUI*>(answer);
    }
};

TEST_F(EditorBase, IsOneLiveObjectAnsweringTheEditorInterface) {
    const uint32_t before = ActiveObjectCount.load();
    CreateBase();
    EXPECT_EQ(ActiveObjectCount.load(), before + 1);
    IACFUnknown* unknown = nullptr;
    ASSERT_EQ(gui_->QueryInterface(IID_IACFUnknown, reinterpret_cast<void**>(&unknown)),
              AAX_SUCCESS);
    EXPECT_NE(static_cast<void*>(unknown), static_cast<void*>(gui_));
    void* other = &other;
    EXPECT_EQ(gui_->QueryInterface(IID_AAX_IACFEffectParameters, &other), ACF_E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);
    EXPECT_EQ(unknown->Release(), 1u);
    ReleaseEditor();
    EXPECT_EQ(ActiveObjectCount.load(), before);
}

TEST_F(EditorBase, InitializeWithoutAControllerMakesNoContents) {
    CreateBase();
    EXPECT_EQ(gui_->Initialize(nullptr), AAX_ERROR_NOT_INITIALIZED);
    EXPECT_TRUE(events_.empty());
    EXPECT_EQ(gui_->Uninitialize(), AAX_SUCCESS);
}

TEST_F(EditorBase, AnnouncesEveryParameterAfterAttachingToAView) {
    CreateEffect();
    CreateBase();
    ASSERT_EQ(gui_->Initialize(host_.Unknown()), AAX_SUCCESS);
    Attach();
    EXPECT_EQ(events_,
              (std::vector<std::string>{"contents", "attach to view", "updated MasterBypassID",
                                        "updated drive", "updated level"}));
}

TEST_F(EditorBase, WithoutTheEffectParametersNothingIsAnnounced) {
    CreateEffect(EditorScript(), false);
    CreateBase();
    ASSERT_EQ(gui_->Initialize(host_.Unknown()), AAX_SUCCESS);
    Attach();
    EXPECT_EQ(events_, (std::vector<std::string>{"contents", "attach to view"}));
}

TEST_F(EditorBase, EachViewGetsItsOwnWrapperAndEachDetachItsHook) {
    CreateBase();
    ASSERT_EQ(gui_->Initialize(host_.Unknown()), AAX_SUCCESS);
    // Detaching before any view still reaches the hook.
    EXPECT_EQ(gui_->SetViewContainer(nullptr), AAX_SUCCESS);
    Attach();
    aaxhost::StandInViewContainer second;
    ASSERT_EQ(gui_->SetViewContainer(second.Unknown()), AAX_SUCCESS);
    // The first view's wrapper went before the second was made.
    EXPECT_EQ(view_.OutstandingReferences(), 0);
    EXPECT_EQ(second.OutstandingReferences(), 1);
    EXPECT_EQ(gui_->SetViewContainer(nullptr), AAX_SUCCESS);
    EXPECT_EQ(second.OutstandingReferences(), 0);
    EXPECT_EQ(events_, (std::vector<std::string>{"contents", "detach", "attach to view",
                                                 "attach to view", "detach"}));
}

TEST_F(EditorBase, OtherOperationsAnswerTheirDefaults) {
    CreateBase();
    ASSERT_EQ(gui_->Initialize(host_.Unknown()), AAX_SUCCESS);
    AAX_Point size{12.0f, 34.0f};
    EXPECT_EQ(gui_->GetViewSize(&size), AAX_SUCCESS);
    EXPECT_EQ(size.vert, 12.0f);
    EXPECT_EQ(size.horz, 34.0f);
    AAX_Rect rect{1, 2, 3, 4};
    AAX_CString label("kept");
    const int32_t data = 1;
    EXPECT_EQ(gui_->Draw(&rect), AAX_SUCCESS);
    EXPECT_EQ(gui_->TimerWakeup(), AAX_SUCCESS);
    EXPECT_EQ(gui_->NotificationReceived(FourCharCode("ASPv"), &data, sizeof data), AAX_SUCCESS);
    EXPECT_EQ(gui_->GetCustomLabel(0, &label), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(label.StdString(), "kept");
    EXPECT_EQ(gui_->SetControlHighlightInfo("drive", true, 2), AAX_SUCCESS);
    EXPECT_EQ(gui_->ParameterUpdated("drive"), AAX_SUCCESS);
}

TEST_F(EditorBase, SecondInitializeHoldsOneSetOfReferences) {
    CreateEffect();
    CreateBase();
    ASSERT_EQ(gui_->Initialize(host_.Unknown()), AAX_SUCCESS);
    const int64_t once = host_.controller.OutstandingReferences();
    ASSERT_EQ(gui_->Initialize(host_.Unknown()), AAX_SUCCESS);
    EXPECT_EQ(host_.controller.OutstandingReferences(), once);
}

}  // namespace
