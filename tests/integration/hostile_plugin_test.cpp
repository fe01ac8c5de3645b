// Plug-ins that misbehave, each hosted whole through the module that ships: the module neither
// crashes nor leaks, gives back every object and reference, and reports what it cannot do.
#include <gtest/gtest.h>

#include <atomic>
#include <climits>
#include <cstring>
#include <thread>

#include "platform/platform.h"
#include "tests/integration/session_fixture.h"

using testplugin::Call;
using testplugin::CallKind;

namespace {

class HostilePlugin : public SessionTest {
  protected:
    // Set, touch and release requests the host's automation delegate received.
    static size_t Requests(aaxhost::EffectInstance& instance) {
        size_t requests = 0;
        for (const aaxhost::Call& call : instance.Automation().Log().Calls()) {
            if (call.slot == 5 || call.slot == 7 || call.slot == 8) ++requests;
        }
        return requests;
    }
};

struct Misbehaviour {
    const char* name;
    void (*apply)(testplugin::Script&);
};

const Misbehaviour kMisbehaviours[] = {
    {"ChunkDataNull", [](testplugin::Script& s) { s.chunkDataNull = 1, s.chunkSize = 64; }},
    {"ChunkGrowth", [](testplugin::Script& s) { s.chunkGrowth = 16, s.chunkSize = 8; }},
    {"FillsTextBuffers", [](testplugin::Script& s) { s.fillsTextBuffers = 1; }},
    {"EditorRectNull", [](testplugin::Script& s) { s.editorRectNull = 1; }},
    {"ReentrantHostCalls", [](testplugin::Script& s) { s.reentrantHostCalls = 1; }},
    {"TenThousandParameters", [](testplugin::Script& s) { s.numParams = 10000; }},
    {"OpenFails", [](testplugin::Script& s) { s.openFails = 1; }},
    {"ProcessReplacingNull", [](testplugin::Script& s) { s.processReplacingNull = 1; }},
    {"MainReturnsNull", [](testplugin::Script& s) { s.mainReturnsNull = 1; }},
};

class MisbehavingPlugin : public HostilePlugin, public testing::WithParamInterface<Misbehaviour> {};

// Whatever the plug-in does, a whole life ends with every object and reference given back (the
// fixture's tear-down) and no sanitizer report.
TEST_P(MisbehavingPlugin, LivesAWholeLifeThroughTheModule) {
    testplugin::Script script = QuietScript();
    script.asksTimeInProcess = 0;
    GetParam().apply(script);
    Control().SetScript(script);
    OpenSession();
    {
        aaxhost::EffectInstance instance(*session, aaxhost::InstanceOptions{});
        if (instance.Ready()) {
            EXPECT_EQ(session->LiveObjects(), 1);
            LiveThrough(instance, 24);
        }
    }
    EXPECT_EQ(session->LiveObjects(), 0);
}

INSTANTIATE_TEST_SUITE_P(Modes, MisbehavingPlugin, testing::ValuesIn(kMisbehaviours),
                         [](const testing::TestParamInfo<Misbehaviour>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(HostilePlugin, AutomationOfUnknownIndicesChangesNothing) {
    AEffect* effect = nullptr;
    auto instance = NewRecordedInstance(effect);
    ASSERT_NE(effect, nullptr);
    const size_t requestsBefore = Requests(*instance);
    for (const int32_t index : {-1, 2, 10000, INT32_MAX, INT32_MIN}) {
        for (const int32_t opcode :
             {audioMasterBeginEdit, audioMasterAutomate, audioMasterEndEdit}) {
            EXPECT_EQ(Control().CallHost(effect, opcode, index, 0, nullptr, 0.9f), 0);
        }
    }
    instance->Service();
    for (const char* identifier : {"param0", "param1"}) {
        double value = -1.0;
        EXPECT_EQ(instance->Effect().GetParameterNormalizedValue(identifier, &value), AAX_SUCCESS);
        EXPECT_EQ(value, 0.5) << identifier;
    }
    EXPECT_EQ(Requests(*instance), requestsBefore)
        << "no request reached the host for a parameter that does not exist";
}

// Another thread asks the time, automates and asks for display updates while the render thread
// runs blocks: its time answers are its own, and it never sends the plug-in events.
TEST_F(HostilePlugin, HostCallsFromAnotherThreadDuringBlocks) {
    AEffect* effect = nullptr;
    auto instance = NewRecordedInstance(effect);
    ASSERT_NE(effect, nullptr);
    StereoBuffers buffers(32);
    instance->Transport().state.playing = true;
    instance->Render(buffers.inputs, buffers.outputs, buffers.frames);
    Control().ResetLog();

    std::atomic<bool> rendering{true};
    std::atomic<int32_t> emptyAnswers{0};
    // Bounded, so that the plug-in's call log holds every call however slowly the blocks run.
    std::thread editorThread([&] {
        for (int32_t round = 0; round < 100 && rendering.load(); ++round) {
            if (Control().CallHost(effect, audioMasterGetTime, 0, kVstPpqPosValid) == 0) {
                ++emptyAnswers;
            }
            Control().CallHost(effect, audioMasterAutomate, 1, 0, nullptr, 0.25f);
            Control().CallHost(effect, audioMasterUpdateDisplay);
            std::this_thread::yield();
        }
    });
    for (int32_t block = 0; block < 400; ++block) {
        instance->Transport().state.playing = block % 20 < 15;
        instance->Render(buffers.inputs, buffers.outputs, buffers.frames);
    }
    rendering = false;
    editorThread.join();
    instance->Service();

    EXPECT_EQ(emptyAnswers.load(), 0);
    const uint32_t renderThread = platform::CurrentThreadId();
    for (const Call& call : Control().CallsTo(effect)) {
        if (call.kind == CallKind::kDispatcher && call.opcode == effProcessEvents) {
            EXPECT_EQ(call.thread, renderThread) << "events only from the render thread";
        }
    }
}

}  // namespace
