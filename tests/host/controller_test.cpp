#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "host/aax_string.h"
#include "host/aax_vcontroller.h"
#include "tests/host/stand_in_fixture.h"

namespace {

using aaxhost::Arg;
using aaxhost::ReferenceEvent;
using Kind = ReferenceEvent::Kind;

// The arguments that the calls below pass, with values that a call must not change when no host
// interface answers it.
struct Arguments {
    AAX_CString text{"untouched"};
    float real = -1.5f;
    int32_t integer = -7;
    int64_t wide = -9;
    uint32_t count = 77;
    bool flag = true;
    int32_t fields[2] = {1, 6};
    int32_t values[2] = {100, 200};
    unsigned char packet[16] = {0xA5, 0x5A};

    bool operator==(const Arguments& other) const = default;
};
Arguments args;

AAX_IString* TextArgument() {
    return &args.text;
}

using Row = ForwardingRow<AAX_IController>;

const std::vector<Row>& Rows() {
    static const std::vector<Row> rows = {
        {"ControllerSlot1",
         3,
         false,
         [](AAX_IController& c) { return c.ControllerSlot1(TextArgument()); },
         {Arg(TextArgument())},
         AAX_ERROR_NULL_OBJECT},
        {"GetSampleRate",
         4,
         false,
         [](AAX_IController& c) { return c.GetSampleRate(&args.real); },
         {Arg(&args.real)},
         AAX_ERROR_NULL_OBJECT},
        {"GetInputStemFormat",
         5,
         false,
         [](AAX_IController& c) { return c.GetInputStemFormat(&args.integer); },
         {Arg(&args.integer)},
         AAX_ERROR_NULL_OBJECT},
        {"GetOutputStemFormat",
         6,
         false,
         [](AAX_IController& c) { return c.GetOutputStemFormat(&args.integer); },
         {Arg(&args.integer)},
         AAX_ERROR_NULL_OBJECT},
        {"ControllerSlot5",
         7,
         false,
         [](AAX_IController& c) { return c.ControllerSlot5(&args.integer); },
         {Arg(&args.integer)},
         AAX_ERROR_NULL_OBJECT},
        {"ControllerSlot6",
         8,
         false,
         [](AAX_IController& c) { return c.ControllerSlot6(4, &args.integer); },
         {Arg(4), Arg(&args.integer)},
         AAX_ERROR_NULL_OBJECT},
        {"ControllerSlot7",
         9,
         false,
         [](AAX_IController& c) { return c.ControllerSlot7(&args.wide); },
         {Arg(&args.wide)},
         AAX_ERROR_NULL_OBJECT},
        {"ControllerSlot8",
         10,
         false,
         [](AAX_IController& c) { return c.ControllerSlot8(-64); },
         {Arg(-64)},
         AAX_ERROR_NULL_OBJECT},
        {"ControllerSlot9",
         11,
         false,
         [](AAX_IController& c) { return c.ControllerSlot9(args.fields, args.values, 2); },
         {Arg(args.fields), Arg(args.values), Arg(2)},
         AAX_ERROR_NULL_OBJECT},
        {"PostPacket",
         12,
         false,
         [](AAX_IController& c) { return c.PostPacket(7u, args.packet, 8u); },
         {Arg(7u), Arg(static_cast<const void*>(args.packet)), Arg(8u)},
         AAX_ERROR_NULL_OBJECT},
        {"ControllerSlot11",
         20,
         true,
         [](AAX_IController& c) { return c.ControllerSlot11(&args.count); },
         {Arg(&args.count)},
         AAX_ERROR_UNIMPLEMENTED},
        {"ControllerSlot12",
         13,
         false,
         [](AAX_IController& c) { return c.ControllerSlot12(3u, &args.real); },
         {Arg(3u), Arg(&args.real)},
         AAX_ERROR_NULL_OBJECT},
        {"ControllerSlot13",
         14,
         false,
         [](AAX_IController& c) { return c.ControllerSlot13(0xFFFFFFFFu, &args.real); },
         {Arg(0xFFFFFFFFu), Arg(&args.real)},
         AAX_ERROR_NULL_OBJECT},
        {"ControllerSlot14",
         15,
         false,
         [](AAX_IController& c) { return c.ControllerSlot14(5u); },
         {Arg(5u)},
         AAX_ERROR_NULL_OBJECT},
        {"ControllerSlot15",
         18,
         false,
         [](AAX_IController& c) { return c.ControllerSlot15(&args.count); },
         {Arg(&args.count)},
         AAX_ERROR_NULL_OBJECT},
        {"ControllerSlot16",
         16,
         false,
         [](AAX_IController& c) { return c.ControllerSlot16(6u, &args.flag); },
         {Arg(6u), Arg(&args.flag)},
         AAX_ERROR_NULL_OBJECT},
        {"ControllerSlot17",
         17,
         false,
         [](AAX_IController& c) { return c.ControllerSlot17(8u); },
         {Arg(8u)},
         AAX_ERROR_NULL_OBJECT},
        {"ControllerSlot18",
         19,
         false,
         [](AAX_IController& c) { return c.ControllerSlot18(&args.count, args.packet); },
         {Arg(&args.count), Arg(args.packet)},
         AAX_ERROR_NULL_OBJECT},
        {"ControllerSlot19",
         21,
         true,
         [](AAX_IController& c) { return c.ControllerSlot19(TextArgument()); },
         {Arg(TextArgument())},
         AAX_ERROR_UNIMPLEMENTED},
        {"ControllerSlot20",
         22,
         true,
         [](AAX_IController& c) { return c.ControllerSlot20(&args.integer); },
         {Arg(&args.integer)},
         AAX_ERROR_UNIMPLEMENTED},
        {"ControllerSlot21",
         23,
         true,
         [](AAX_IController& c) { return c.ControllerSlot21(&args.flag); },
         {Arg(&args.flag)},
         AAX_ERROR_UNIMPLEMENTED},
    };
    return rows;
}

std::vector<Row> RowsOfVersion(bool version2) {
    return RowsOfVersion<AAX_IController>(Rows(), version2);
}

void ExpectAnsweredWithoutHost(AAX_IController& wrapper, const std::vector<Row>& rows,
                               const aaxhost::CallLog& log) {
    ExpectAnsweredWithoutHost<AAX_IController>(wrapper, rows, log, args);
}

class ControllerWrapper : public StandInHostTest {
  protected:
    void SetUp() override { SetDistinctResults(controller.Log(), 3, 23); }
};

TEST_F(ControllerWrapper, TableCoversEverySlotOfTheModuleInterfaceOnce) {
    std::vector<int32_t> hostSlots;
    for (const Row& row : Rows()) hostSlots.push_back(row.hostSlot);
    std::sort(hostSlots.begin(), hostSlots.end());
    std::vector<int32_t> expected;
    for (int32_t slot = 3; slot <= 23; ++slot) expected.push_back(slot);
    EXPECT_EQ(hostSlots, expected);
}

TEST_F(ControllerWrapper, EverySlotReachesItsHostSlotWithItsArgumentsAndResult) {
    AAX_VController wrapper(controller.Unknown());
    ExpectEveryRowForwarded<AAX_IController>(wrapper, controller.Log(), Rows());
}

TEST_F(ControllerWrapper, MeterSlotsCrossBetweenModuleAndHostOrder) {
    AAX_VController wrapper(controller.Unknown());
    AAX_IController& module = wrapper;
    uint32_t count = 0;
    bool clipped = false;
    EXPECT_EQ(module.ControllerSlot15(&count), DistinctResult(18));
    EXPECT_EQ(module.ControllerSlot16(2u, &clipped), DistinctResult(16));
    EXPECT_EQ(module.ControllerSlot17(2u), DistinctResult(17));
    const std::vector<aaxhost::Call> calls = controller.Log().Calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].slot, 18);
    EXPECT_EQ(calls[1].slot, 16);
    EXPECT_EQ(calls[2].slot, 17);
}

TEST_F(ControllerWrapper, ReportsWhatTheHostWritesToItsOutputs) {
    controller.SetSampleRate(96000.0f);
    controller.SetStemFormats(0x00000001, 0x00010002);
    controller.Log().SetResult(4, AAX_SUCCESS);
    controller.Log().SetResult(5, AAX_SUCCESS);
    AAX_VController wrapper(controller.Unknown());
    float sampleRate = 0.0f;
    int32_t input = 0;
    EXPECT_EQ(wrapper.GetSampleRate(&sampleRate), AAX_SUCCESS);
    EXPECT_EQ(wrapper.GetInputStemFormat(&input), AAX_SUCCESS);
    EXPECT_EQ(sampleRate, 96000.0f);
    EXPECT_EQ(input, 0x00000001);
}

TEST_F(ControllerWrapper, HostWithoutVersion2AnswersUnimplementedThereAndForwardsTheRest) {
    controller.Refuse(IID_HostControllerV2);
    AAX_VController wrapper(controller.Unknown());
    ExpectAnsweredWithoutHost(wrapper, RowsOfVersion(true), controller.Log());
    ExpectEveryRowForwarded<AAX_IController>(wrapper, controller.Log(), RowsOfVersion(false));
}

TEST_F(ControllerWrapper, HostWithOnlyVersion2AnswersNullObjectForVersion1Slots) {
    controller.Refuse(IID_HostController);
    AAX_VController wrapper(controller.Unknown());
    ExpectAnsweredWithoutHost(wrapper, RowsOfVersion(false), controller.Log());
    ExpectEveryRowForwarded<AAX_IController>(wrapper, controller.Log(), RowsOfVersion(true));
}

TEST_F(ControllerWrapper, OverNullAnswersEverySlotWithoutTouchingItsArguments) {
    AAX_VController wrapper(nullptr);
    ExpectAnsweredWithoutHost(wrapper, Rows(), controller.Log());
}

TEST_F(ControllerWrapper, HoldsOneReferenceOnEachVersionAndGivesThemBackVersion2First) {
    const std::vector<ReferenceEvent> construction = {
        {Kind::kQuery, IID_HostController},
        {Kind::kAddRef, IID_HostController},
        {Kind::kQuery, IID_HostControllerV2},
        {Kind::kAddRef, IID_HostControllerV2},
    };
    auto* wrapper = new AAX_VController(controller.Unknown());
    EXPECT_EQ(controller.ReferenceEvents(), construction);
    EXPECT_EQ(controller.OutstandingReferences(), 2);

    delete wrapper;
    std::vector<ReferenceEvent> expected = construction;
    expected.push_back({Kind::kRelease, IID_HostControllerV2});
    expected.push_back({Kind::kRelease, IID_HostController});
    EXPECT_EQ(controller.ReferenceEvents(), expected);
}

TEST_F(ControllerWrapper, RefusedVersion2LeavesOnlyTheVersion1ReferenceToGiveBack) {
    controller.Refuse(IID_HostControllerV2);
    {
        AAX_VController wrapper(controller.Unknown());
        EXPECT_EQ(controller.OutstandingReferences(), 1);
    }
    const std::vector<ReferenceEvent> events = controller.ReferenceEvents();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back(), (ReferenceEvent{Kind::kRelease, IID_HostController}));
}

}  // namespace
