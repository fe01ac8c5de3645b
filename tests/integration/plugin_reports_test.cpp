// The plug-in's edit reports made on the render thread during a block reach the host from the
// host's next non-real-time call on the instance, in the order the plug-in made them; a full
// queue drops the newest. Reports from outside a block go to the host at once.
#include <gtest/gtest.h>

#include <functional>
#include <thread>
#include <vector>

#include "bridge/plugin_report_queue.h"
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

TEST_F(PlugInReports, FromBlocksReachTheHostInOrderAtItsNextCall) {
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
        for (int32_t report = 1; report <= 6; ++report) {
            ExpectEdit(expected, "param0", report * testplugin::kReportStep);
        }
        EXPECT_EQ(Requests(*instance, before), expected);
        instance->CloseEditor();
        instance.reset();
        session.reset();
    }
}

TEST_F(PlugInReports, AFullQueueDropsTheNewest) {
    constexpr int32_t kMade = static_cast<int32_t>(PlugInReportQueue::kCapacity) + 10;
    auto instance = InstanceReporting(kMade, true);
    ASSERT_TRUE(instance->Ready());
    const size_t before = instance->Automation().Log().Calls().size();
    RenderOnItsOwnThread(*instance, 1);
    instance->Service();

    std::vector<double> requested;
    for (const aaxhost::Call& call : Requests(*instance, before)) {
        if (call.slot == 5) requested.push_back(std::get<double>(call.arguments[1]));
    }
    constexpr uint32_t kTaken = PlugInReportQueue::kCapacity - PlugInReportQueue::kEndEditReserve;
    std::vector<double> oldest;
    for (uint32_t report = 1; report <= kTaken; ++report) {
        oldest.push_back(report * testplugin::kReportStep);
    }
    EXPECT_EQ(requested, oldest);

    // The queue takes reports again once the host has had them.
    RenderOnItsOwnThread(*instance, 1);
    const size_t afterFirst = instance->Automation().Log().Calls().size();
    instance->Service();
    EXPECT_EQ(Requests(*instance, afterFirst).size(), kTaken * 3);
}

// Edits that overflow the queue: every parameter the host was told is touched is released again.
TEST_F(PlugInReports, AFullQueueStillEndsEveryEditTheHostSawBegin) {
    auto instance = InstanceReporting(static_cast<int32_t>(PlugInReportQueue::kCapacity), false);
    ASSERT_TRUE(instance->Ready());
    const size_t before = instance->Automation().Log().Calls().size();
    RenderOnItsOwnThread(*instance, 1);
    instance->Service();

    int32_t touched = 0;
    int32_t touches = 0;
    for (const aaxhost::Call& call : Requests(*instance, before)) {
        if (call.slot == 7) {
            ++touched;
            ++touches;
        } else if (call.slot == 8 && touched > 0) {
            --touched;
        }
    }
    EXPECT_GT(touches, 0);
    EXPECT_EQ(touched, 0) << "a parameter left touched";
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
