// An instance as the host builds it for its editor: the wrapper's effect-parameters object over
// the test plug-in, initialised, and lent by the stand-in controller; the wrapper's editor,
// reached through its interface, with its hooks and parameter announcements recorded in order.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "abi/effect_gui.h"
#include "editor/aaxwrapper_effect_gui.h"
#include "parameters/aaxwrapper_parameters.h"
#include "tests/support/effect_host.h"
#include "tests/support/hosted_effect.h"
#include "tests/support/plugin_test_fixture.h"
#include "tools/aaxhost/objects/view_container.h"

// The wrapper's editor with what it does noted in `events`, which outlives it.
class RecordingEditor : public AAXWrapper_CEffectGUI {
  public:
    explicit RecordingEditor(std::vector<std::string>& events) : mEvents(events) {}
    ~RecordingEditor() override { mEvents.push_back("destroyed"); }

    Result ParameterUpdated(ParameterId id) override {
        mEvents.push_back(std::string("updated ") + id);
        return AAX_CEffectGUI::ParameterUpdated(id);
    }
    void CreateViewContents() override {
        mEvents.push_back("contents");
        AAXWrapper_CEffectGUI::CreateViewContents();
    }
    void CreateViewContainer() override {
        mEvents.push_back("attach");
        AAXWrapper_CEffectGUI::CreateViewContainer();
    }
    void DeleteViewContainer() override {
        mEvents.push_back("detach");
        AAXWrapper_CEffectGUI::DeleteViewContainer();
    }

  private:
    std::vector<std::string>& mEvents;
};

// Plug-in parameters "drive", "hidden" (not automatable) and "level".
inline testplugin::Script EditorScript() {
    testplugin::Script script = testplugin::DefaultScript();
    script.numParams = 3;
    const char* identifiers[] = {"drive", "hidden", "level"};
    for (int32_t i = 0; i < script.numParams; ++i) {
        std::strcpy(script.parameters[i].identifier, identifiers[i]);
        script.parameters[i].automatable = i == 1 ? 0 : 1;
    }
    return script;
}

class EditorTest : public PluginTest {
  protected:
    void TearDown() override {
        ReleaseEditor();
        if (effect_) {
            (*effect_)->Uninitialize();
            EXPECT_EQ(effect_->Release(), 0u);
        }
        EXPECT_TRUE(host_.ReferencesReturned());
        EXPECT_EQ(view_.OutstandingReferences(), 0);
        PluginTest::TearDown();
    }

    // The effect-parameters object, initialised and lent by the controller unless told not to.
    void CreateEffect(const testplugin::Script& script = EditorScript(), bool lend = true) {
        Control().SetScript(script);
        auto* object = new AAXWrapper_Parameters;
        bridge_ = object->GetVstInterface();
        effect_ = std::make_unique<HostedEffect>(
            static_cast<IACFUnknown*>(static_cast<AAX_IACFEffectParameters_V2*>(object)));
        ASSERT_EQ((*effect_)->Initialize(host_.Unknown()), AAX_SUCCESS);
        if (lend) host_.controller.Lend(IID_AAX_IACFEffectParameters, effect_->get());
        Control().ResetLog();
    }
    // The editor as the creation procedure makes it, with the host's first reference.
    void CreateEditor() {
        auto* editor = new RecordingEditor(events_);
        void* answer = nullptr;
        ASSERT_EQ(
            static_cast<AAX_IACFEffectGUI*>(editor)->QueryInterface(IID_AAX_IACFEffectGUI, &answer),
            AAX_SUCCESS);
        gui_ = static_cast<AAX_IACFEffectGUI*>(answer);
    }
    void CreateAll(const testplugin::Script& script = EditorScript()) {
        CreateEffect(script);
        CreateEditor();
        ASSERT_EQ(gui_->Initialize(host_.Unknown()), AAX_SUCCESS);
        events_.clear();
    }
    void ReleaseEditor() {
        if (gui_ == nullptr) return;
        gui_->Uninitialize();
        EXPECT_EQ(gui_->Release(), 0u);
        gui_ = nullptr;
    }
    // The host shows a view of `type` around `window`.
    void Attach(int32_t type = kViewTypeWindowHandle) {
        view_.SetNativeView(type, &window_);
        ASSERT_EQ(gui_->SetViewContainer(view_.Unknown()), AAX_SUCCESS);
    }

    AAX_Point ViewSize() const {
        AAX_Point size{};
        EXPECT_EQ(gui_->GetViewSize(&size), AAX_SUCCESS);
        return size;
    }

    AEffect* Effect() const { return bridge_->effect; }
    std::vector<testplugin::Call> PluginCalls() const { return Control().CallsTo(Effect()); }

    EffectHost host_;
    aaxhost::StandInViewContainer view_;
    int window_ = 0;  // stands for the native window
    std::vector<std::string> events_;
    VstInterface* bridge_ = nullptr;
    std::unique_ptr<HostedEffect> effect_;
    AAX_IACFEffectGUI* gui_ = nullptr;
};
