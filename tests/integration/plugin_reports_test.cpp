// The plug-in's edit reports made on the render thread during a block reach the host from the
// host's next non-real-time call on the instance, one edit and one set request per parameter with
// the plug-in's latest value. Reports from outside a block go to the host at once.
#include <gtest/gtest.h>

#include <functional>
#include <thread>
#include <vector>

#include "tests/integration/session_fixture.h"

namespace {

using aaxhost::Arg;
using aaxhost::Text;

// The automation requests the host received since call `from` of its log: set requests, touches
// and releases.
std::vector<aaxhost::Call> Requests(aaxhost::EffectInstance& instance, size_t from) {
    const std::vector<aaxhost::Call> calls = instance.Automation().Log().Calls();
    std::vector<aaxhost::Call> requests;
    for (size_t i = from; i < calls.size(); ++i) {
        if (calls[i].slot == 5 || calls[i].slot == 7 || calls[i].slot == 8) {
            requests.push_back(calls[i]);
        }
    }
    return requests;
}

// What the host sees of one edit the plug-in reports from its block: its begin, the set
// request with the request's own touch and release, its end.
void ExpectEdit(std::vector<aaxhost::Call>& expected, const char* identifier, double value) {
    const std::vector<aaxhost::Call> edit = {{7, {Text(identifier)}},
                                             {7, {Text(identifier)}},
                                             {5, {Text(identifier), Arg(value)}},
                                             {8, {Text(identifier)}},
                                             {8, {Text(identifier)}}};
    expected.insert(expected.end(), edit.begin(), edit.end());
}

// Blocks rendered on a thread of their own, as a workstation's real-time thread does.
void RenderOnItsOwnThread(aaxhost::EffectInstance& instance, int32_t blocks) {
    std::thread render([&] {
        StereoBuffers buffers(32);
        for (int32_t block = 0; block < blocks; ++block) {
            instance.Render(buffers.inputs, buffers.outputs, buffers.frames);
        }
    });
    render.join();
}

class PlugInReports : public SessionTest {
  protected:
    std::unique_ptr<aaxhost::EffectInstance> InstanceReporting(int32_t perBlock, bool bare) {
        testplugin::Script script = QuietScript();
        script.reportsInProcess = perBlock;
        script.bareReports = bare ? 1 : 0;
        Control().SetScript(script);
        OpenSession();
        return NewInstance();
    }
};

struct HostCall {
    const char* name;
    std::function<void(aaxhost::EffectInstance&)> call;
};

// Each row's instance has its editor open while it renders.
const HostCall kHostCalls[] = {
    {"Service", [](aaxhost::EffectInstance& i) { i.Service(); }},
    {"TimerWakeup", [](aaxhost::EffectInstance& i) { i.Effect().TimerWakeup(); }},
    {"SaveState",
     [](aaxhost::EffectInstance& i) {
         aaxhost::SavedState state;
         i.SaveState(state);
     }},
    {"EditorIdle", [](aaxhost::EffectInstance& i) { i.IdleEditor(); }},
    {"ParameterUpdate",
     [](aaxhost::EffectInstance& i) {
         i.Effect().UpdateParameterNormalizedValue("param1", 0.5, 0);
     }},
};

TEST_F(PlugInReports, FromBlocksReachTheHostAtItsNextCall) {
    for (const HostCall& hostCall : kHostCalls) {
        SCOPED_TRACE(hostCall.name);
        auto instance = InstanceReporting(2, false);
        ASSERT_TRUE(instance->Ready());
        int window = 0;
        ASSERT_EQ(instance->OpenEditor(kViewTypeWindowHandle, &window), AAX_SUCCESS);
        const size_t before = instance->Automation().Log().Calls().size();

        RenderOnItsOwnThread(*instance, 3);
        EXPECT_TRUE(Requests(*instance, before).empty()) << "nothing reached the host in a block";

        hostCall.call(*instance);
        std::vector<aaxhost::Call> expected;
        ExpectEdit(expected, "param0", 6 * testplugin::kReportStep);
        EXPECT_EQ(Requests(*instance, before), expected);
        instance->CloseEditor();
        instance.reset();
        session.reset();
    }
}

// The plug-in's edits of parameter 0 over a run of blocks, the host answering queued or at once
// and called between blocks: each call hands the host one set request carrying the plug-in's
// latest value, the edits stay paired, and the host's answers give the plug-in no value it has
// left behind.
TEST_F(PlugInReports, BurstsEndWithTheHostOnThePlugInsLatestValue) {
    using aaxhost::SetRequestAnswer;
    const struct {
        const char* name;
        int32_t perBlock;
        int32_t blocks;
        bool bare;
        SetRequestAnswer answer;
    } cases[] = {
        {"5,000 automates in a block, answered queued", 5000, 1, true, SetRequestAnswer::kQueued},
        {"5,000 edits in a block, answered at once", 5000, 1, false, SetRequestAnswer::kAtOnce},
        {"5,000 edits in a block, answered queued", 5000, 1, false, SetRequestAnswer::kQueued},
        {"edits over 200 blocks, answered queued", 20, 200, false, SetRequestAnswer::kQueued},
        {"automates over 200 blocks, answered at once", 20, 200, true, SetRequestAnswer::kAtOnce},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testplugin::Script script = QuietScript();
        script.recording = 1;
        script.asksTimeInProcess = 0;
        script.reportsInProcess = c.perBlock;
        script.bareReports = c.bare ? 1 : 0;
        Control().SetScript(script);
        Control().ResetLog();
        OpenSession();
        auto instance = NewInstance(c.answer);
        AEffect* effect = WrappedEffect();
        ASSERT_NE(effect, nullptr);
        const size_t before = instance->Automation().Log().Calls().size();
        StereoBuffers buffers(32);
        for (int32_t block = 0; block < c.blocks; ++block) {
            instance->Render(buffers.inputs, buffers.outputs, buffers.frames);
            instance->Service();
        }
        instance->Service();

        const double last = c.perBlock * c.blocks * testplugin::kReportStep;
        std::vector<double> requested;
        int32_t touched = 0;
        bool unpaired = false;
        for (const aaxhost::Call& call : Requests(*instance, before)) {
            if (call.slot == 5) requested.push_back(std::get<double>(call.arguments[1]));
            if (call.slot == 7) ++touched;
            if (call.slot == 8) unpaired = unpaired || --touched < 0;
        }
        EXPECT_EQ(requested.size(), static_cast<size_t>(c.blocks)) << "one request a call";
        ASSERT_FALSE(requested.empty());
        EXPECT_EQ(requested.back(), last);
        EXPECT_FALSE(unpaired);
        EXPECT_EQ(touched, 0) << "every touch released";

        // The plug-in's latest value when each host value reached it.
        int32_t blocksSeen = 0;
        std::vector<std::pair<float, float>> stale;
        for (const testplugin::Call& call : Control().CallsTo(effect)) {
            if (call.kind == testplugin::CallKind::kProcessReplacing) ++blocksSeen;
            const auto latest =
                static_cast<float>(blocksSeen * c.perBlock * testplugin::kReportStep);
            if (call.kind == testplugin::CallKind::kSetParameter && call.index == 0 &&
                call.opt != latest) {
                stale.emplace_back(call.opt, latest);
            }
        }
        if (!stale.empty()) {
            ADD_FAILURE() << stale.size() << " values the plug-in had left, the first "
                          << stale.front().first << " after " << stale.front().second;
        }
        instance.reset();
        session.reset();
    }
}

// A plug-in that echoes each value the host hands it from its next block: the echo reaches the
// host no more, whichever way the host answers, and host and plug-in keep the host's value.
TEST_F(PlugInReports, EchoesFromBlocksOfTheHostsValueEnd) {
    for (const aaxhost::SetRequestAnswer answer :
         {aaxhost::SetRequestAnswer::kQueued, aaxhost::SetRequestAnswer::kAtOnce}) {
        SCOPED_TRACE(static_cast<int>(answer));
        testplugin::Script script = QuietScript();
        script.echoesSetParameter = 2;
        Control().SetScript(script);
        OpenSession();
        auto instance = NewInstance(answer);
        ASSERT_TRUE(instance->Ready());
        ASSERT_EQ(instance->Effect().SetParameterNormalizedValue("param1", 0.25), AAX_SUCCESS);
        instance->Service();
        const size_t before = instance->Automation().Log().Calls().size();

        StereoBuffers buffers(32);
        for (int32_t block = 0; block < 20; ++block) {
            instance->Render(buffers.inputs, buffers.outputs, buffers.frames);
            instance->Service();
        }
        int32_t requests = 0;
        for (const aaxhost::Call& call : Requests(*instance, before)) requests += call.slot == 5;
        EXPECT_EQ(requests, 0) << "echoes requested again";
        double value = -1.0;
        EXPECT_EQ(instance->Effect().GetParameterNormalizedValue("param1", &value), AAX_SUCCESS);
        EXPECT_EQ(value, 0.25);
        instance.reset();
        session.reset();
    }
}

// A host that renders and calls the instance on one thread: the block ends with the host's next
// call, and from then on the plug-in's reports from that thread go to the host at once.
TEST_F(PlugInReports, OutsideABlockGoToTheHostAtOnce) {
    testplugin::Script script = QuietScript();
    script.recording = 1;
    script.reportsInProcess = 1;
    Control().SetScript(script);
    OpenSession();
    auto instance = NewInstance();
    AEffect* effect = WrappedEffect();
    ASSERT_NE(effect, nullptr);
    const size_t before = instance->Automation().Log().Calls().size();

    StereoBuffers buffers(32);
    instance->Render(buffers.inputs, buffers.outputs, buffers.frames);
    EXPECT_TRUE(Requests(*instance, before).empty());
    instance->Effect().TimerWakeup();
    Control().CallHost(effect, audioMasterAutomate, 1, 0, nullptr, 0.75f);

    std::vector<aaxhost::Call> expected;
    ExpectEdit(expected, "param0", testplugin::kReportStep);
    expected.push_back({7, {Text("param1")}});
    expected.push_back({5, {Text("param1"), Arg(0.75)}});
    expected.push_back({8, {Text("param1")}});
    EXPECT_EQ(Requests(*instance, before), expected);
}

}  // namespace
