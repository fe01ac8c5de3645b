#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/support/bridge_instance.h"
#include "tests/support/plugin_test_fixture.h"
#include "tests/support/recording_controller.h"

using testplugin::Call;
using testplugin::CallKind;

namespace {

class HostRequests : public PluginTest {
  protected:
    void SetUp() override {
        PluginTest::SetUp();
        testplugin::Script script = testplugin::DefaultScript();
        script.numParams = 3;
        const char* identifiers[] = {"drive", "tone", "level"};
        for (int32_t i = 0; i < script.numParams; ++i) {
            script.parameters[i].automatable = 1;
            std::strcpy(script.parameters[i].identifier, identifiers[i]);
        }
        Control().SetScript(script);
        instance_ = std::make_unique<BridgeInstance>();
        ASSERT_NE(Effect(), nullptr);
    }

    AEffect* Effect() const { return instance_->bridge.effect; }
    VstCallBack& CallBack() const { return instance_->callBack; }
    std::vector<Call> Calls() const { return Control().CallsTo(Effect()); }

    void ExpectIdentifierRequest(const Call& call, int32_t index) const {
        EXPECT_EQ(call.kind, CallKind::kDispatcher);
        EXPECT_EQ(call.opcode, effGetParamIdentifier);
        EXPECT_EQ(call.index, index);
        EXPECT_EQ(call.value, 0);
        EXPECT_NE(call.ptr, nullptr);
    }

    std::unique_ptr<BridgeInstance> instance_;
};

}  // namespace

// Records what reaches the effect's parameters.
class RecordingTarget : public VstAutomationTarget {
  public:
    void PlugInAutomated(const char* identifier, double value) override {
        received.push_back("automate " + std::string(identifier) + " " + std::to_string(value));
    }
    void PlugInBeganEdit(const char* identifier) override {
        received.push_back("begin " + std::string(identifier));
    }
    void PlugInEndedEdit(const char* identifier) override {
        received.push_back("end " + std::string(identifier));
    }

    std::vector<std::string> received;
};

// Before the effect links itself (no target) there is no parameter to pass the request to.
TEST_F(HostRequests, AutomationRequestsReachTheParameterThePlugInIdentifies) {
    RecordingTarget target;
    for (VstAutomationTarget* linked :
         {static_cast<VstAutomationTarget*>(nullptr), static_cast<VstAutomationTarget*>(&target)}) {
        CallBack().automationTarget = linked;
        for (int32_t opcode : {audioMasterBeginEdit, audioMasterAutomate, audioMasterEndEdit}) {
            SCOPED_TRACE(opcode);
            Control().ResetLog();
            EXPECT_EQ(Control().CallHost(Effect(), opcode, 1, 0, nullptr, 0.25f), 0);
            const std::vector<Call> calls = Calls();
            ASSERT_EQ(calls.size(), 1u);
            ExpectIdentifierRequest(calls[0], 1);
        }
    }
    EXPECT_EQ(target.received,
              (std::vector<std::string>{"begin tone", "automate tone 0.250000", "end tone"}));
    CallBack().automationTarget = nullptr;
}

class RecordingLink : public VstEditorLink {
  public:
    void PlugInParameterChanged(const char* identifier) override { changed.push_back(identifier); }

    std::vector<std::string> changed;
};

TEST_F(HostRequests, UpdateDisplayIdentifiesEveryParameterInOrderForTheEditor) {
    RecordingLink editor;
    for (VstEditorLink* link :
         {static_cast<VstEditorLink*>(nullptr), static_cast<VstEditorLink*>(&editor)}) {
        CallBack().editor = link;
        Control().ResetLog();
        EXPECT_EQ(Control().CallHost(Effect(), audioMasterUpdateDisplay), 0);
        const std::vector<Call> calls = Calls();
        ASSERT_EQ(calls.size(), 3u);
        for (int32_t index = 0; index < 3; ++index) ExpectIdentifierRequest(calls[index], index);
    }
    EXPECT_EQ(editor.changed, (std::vector<std::string>{"drive", "tone", "level"}));
    CallBack().editor = nullptr;
}

// The plug-in makes a request while another one is still using its identifier (one of its
// threads naming a parameter while another updates the display, or a report made during
// setParameter): each keeps the identifier it was given.
class NestingObserver : public VstAutomationTarget, public VstEditorLink {
  public:
    NestingObserver(const TestPluginControl& plugin, AEffect* effect, int32_t nestedOpcode,
                    int32_t nestedIndex)
        : plugin_(plugin),
          effect_(effect),
          nestedOpcode_(nestedOpcode),
          nestedIndex_(nestedIndex) {}

    void PlugInAutomated(const char* identifier, double) override { Observe(identifier); }
    void PlugInBeganEdit(const char* identifier) override { Observe(identifier); }
    void PlugInEndedEdit(const char* identifier) override { Observe(identifier); }
    void PlugInParameterChanged(const char* identifier) override { Observe(identifier); }

    // The identifier of the first request, read after the nested request was answered.
    std::string firstAfterNested;

  private:
    void Observe(const char* identifier) {
        if (nesting_) return;
        nesting_ = true;
        plugin_.CallHost(effect_, nestedOpcode_, nestedIndex_, 0, nullptr, 0.5f);
        nesting_ = false;
        if (firstAfterNested.empty()) firstAfterNested = identifier;
    }

    const TestPluginControl& plugin_;
    AEffect* effect_;
    int32_t nestedOpcode_;
    int32_t nestedIndex_;
    bool nesting_ = false;
};

TEST_F(HostRequests, EachRequestKeepsItsOwnIdentifierWhileAnotherIsMade) {
    const struct {
        const char* name;
        int32_t opcode;
        int32_t index;
        int32_t nestedOpcode;
        int32_t nestedIndex;
        const char* identifier;
    } cases[] = {
        {"automate, then a display update", audioMasterAutomate, 1, audioMasterUpdateDisplay, 0,
         "tone"},
        {"begin edit, then an automate", audioMasterBeginEdit, 0, audioMasterAutomate, 2, "drive"},
        {"end edit, then an end edit", audioMasterEndEdit, 1, audioMasterEndEdit, 0, "tone"},
        {"display update, then an automate", audioMasterUpdateDisplay, 0, audioMasterAutomate, 2,
         "drive"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        NestingObserver observer(Control(), Effect(), c.nestedOpcode, c.nestedIndex);
        CallBack().automationTarget = &observer;
        CallBack().editor = &observer;
        EXPECT_EQ(Control().CallHost(Effect(), c.opcode, c.index, 0, nullptr, 0.25f), 0);
        EXPECT_EQ(observer.firstAfterNested, c.identifier);
        CallBack().automationTarget = nullptr;
        CallBack().editor = nullptr;
    }
}

TEST_F(HostRequests, SampleRateRequestSendsTheHostRateAndReturnsZero) {
    struct Case {
        float hostRate;  // 0: no controller linked
        float sent;
    };
    for (const Case& c :
         {Case{0.0f, 44100.0f}, Case{48000.0f, 48000.0f}, Case{88200.5f, 88200.5f}}) {
        SCOPED_TRACE(c.hostRate);
        RecordingController controller(c.hostRate);
        CallBack().controller = c.hostRate > 0.0f ? &controller : nullptr;
        Control().ResetLog();
        EXPECT_EQ(Control().CallHost(Effect(), audioMasterGetSampleRate), 0);
        const std::vector<Call> calls = Calls();
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].opcode, effSetSampleRate);
        EXPECT_EQ(calls[0].opt, c.sent);
        EXPECT_EQ(calls[0].ptr, nullptr);
    }
    CallBack().controller = nullptr;
}

TEST_F(HostRequests, SizeWindowChangesNothing) {
    instance_->bridge.OpenEditor(nullptr);
    const ERect* rect = instance_->bridge.editorRect;
    ASSERT_NE(rect, nullptr);
    const ERect before = *rect;
    Control().ResetLog();

    EXPECT_EQ(Control().CallHost(Effect(), audioMasterSizeWindow, 800, 600), 0);
    EXPECT_TRUE(Calls().empty());
    EXPECT_EQ(instance_->bridge.editorRect, rect);
    EXPECT_EQ(std::memcmp(rect, &before, sizeof before), 0);
}
