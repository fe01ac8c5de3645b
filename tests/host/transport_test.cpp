#include <gtest/gtest.h>

#include <vector>

#include "host/aax_vtransport.h"
#include "tests/host/stand_in_fixture.h"

namespace {

using aaxhost::Arg;
using aaxhost::ReferenceEvent;
using Kind = ReferenceEvent::Kind;

struct Arguments {
    double tempo = -1.0;
    int32_t first = -2;
    int32_t second = -3;
    int64_t wide = -4;
    int64_t start = -5;
    int64_t end = -6;
    uint32_t ticks = 7;
    bool flag = true;

    bool operator==(const Arguments& other) const = default;
};
Arguments args;

using Row = ForwardingRow<AAX_ITransport>;

const std::vector<Row>& Rows() {
    static const std::vector<Row> rows = {
        {"GetCurrentTempo",
         3,
         false,
         [](AAX_ITransport& t) { return t.GetCurrentTempo(&args.tempo); },
         {Arg(&args.tempo)},
         AAX_ERROR_NULL_OBJECT},
        {"GetCurrentMeter",
         4,
         false,
         [](AAX_ITransport& t) { return t.GetCurrentMeter(&args.first, &args.second); },
         {Arg(&args.first), Arg(&args.second)},
         AAX_ERROR_NULL_OBJECT},
        {"IsTransportPlaying",
         5,
         false,
         [](AAX_ITransport& t) { return t.IsTransportPlaying(&args.flag); },
         {Arg(&args.flag)},
         AAX_ERROR_NULL_OBJECT},
        {"TransportSlot4",
         6,
         false,
         [](AAX_ITransport& t) { return t.TransportSlot4(&args.wide); },
         {Arg(&args.wide)},
         AAX_ERROR_NULL_OBJECT},
        {"TransportSlot5",
         7,
         false,
         [](AAX_ITransport& t) { return t.TransportSlot5(&args.flag, &args.start, &args.end); },
         {Arg(&args.flag), Arg(&args.start), Arg(&args.end)},
         AAX_ERROR_NULL_OBJECT},
        {"GetCurrentNativeSampleLocation",
         8,
         false,
         [](AAX_ITransport& t) { return t.GetCurrentNativeSampleLocation(&args.wide); },
         {Arg(&args.wide)},
         AAX_ERROR_NULL_OBJECT},
        {"TransportSlot7",
         9,
         false,
         [](AAX_ITransport& t) { return t.TransportSlot7(&args.wide, int64_t{-48000}); },
         {Arg(&args.wide), Arg(int64_t{-48000})},
         AAX_ERROR_NULL_OBJECT},
        {"GetBarBeatPosition",
         10,
         false,
         [](AAX_ITransport& t) {
             return t.GetBarBeatPosition(&args.first, &args.second, &args.wide,
                                         int64_t{0x100000000});
         },
         {Arg(&args.first), Arg(&args.second), Arg(&args.wide), Arg(int64_t{0x100000000})},
         AAX_ERROR_NULL_OBJECT},
        {"TransportSlot9",
         11,
         false,
         [](AAX_ITransport& t) { return t.TransportSlot9(&args.ticks); },
         {Arg(&args.ticks)},
         AAX_ERROR_NULL_OBJECT},
        {"TransportSlot10",
         12,
         false,
         [](AAX_ITransport& t) { return t.TransportSlot10(&args.ticks); },
         {Arg(&args.ticks)},
         AAX_ERROR_NULL_OBJECT},
        {"TransportSlot11",
         13,
         true,
         [](AAX_ITransport& t) { return t.TransportSlot11(&args.wide); },
         {Arg(&args.wide)},
         AAX_ERROR_NULL_OBJECT},
        {"TransportSlot12",
         14,
         true,
         [](AAX_ITransport& t) { return t.TransportSlot12(&args.first, &args.second); },
         {Arg(&args.first), Arg(&args.second)},
         AAX_ERROR_NULL_OBJECT},
        {"TransportSlot13",
         15,
         true,
         [](AAX_ITransport& t) { return t.TransportSlot13(&args.first, &args.wide); },
         {Arg(&args.first), Arg(&args.wide)},
         AAX_ERROR_NULL_OBJECT},
    };
    return rows;
}

std::vector<Row> RowsOfVersion(bool version2) {
    return RowsOfVersion<AAX_ITransport>(Rows(), version2);
}

void ExpectAnsweredWithoutHost(AAX_ITransport& wrapper, const std::vector<Row>& rows,
                               const aaxhost::CallLog& log) {
    ExpectAnsweredWithoutHost<AAX_ITransport>(wrapper, rows, log, args);
}

class TransportWrapper : public StandInHostTest {
  protected:
    void SetUp() override { SetDistinctResults(transport.Log(), 3, 15); }
};

TEST_F(TransportWrapper, EverySlotReachesTheHostSlotTwoFurtherOn) {
    AAX_VTransport wrapper(transport.Unknown());
    ExpectEveryRowForwarded<AAX_ITransport>(wrapper, transport.Log(), Rows());
}

TEST_F(TransportWrapper, HostWithoutVersion2AnswersNullObjectThereAndForwardsTheRest) {
    transport.Refuse(IID_HostTransportV2);
    AAX_VTransport wrapper(transport.Unknown());
    ExpectAnsweredWithoutHost(wrapper, RowsOfVersion(true), transport.Log());
    ExpectEveryRowForwarded<AAX_ITransport>(wrapper, transport.Log(), RowsOfVersion(false));
}

TEST_F(TransportWrapper, OverNullAnswersEverySlotWithoutTouchingItsArguments) {
    AAX_VTransport wrapper(nullptr);
    ExpectAnsweredWithoutHost(wrapper, Rows(), transport.Log());
}

TEST_F(TransportWrapper, GivesBackBothReferencesVersion2First) {
    delete new AAX_VTransport(transport.Unknown());
    const std::vector<ReferenceEvent> expected = {
        {Kind::kQuery, IID_HostTransport},     {Kind::kAddRef, IID_HostTransport},
        {Kind::kQuery, IID_HostTransportV2},   {Kind::kAddRef, IID_HostTransportV2},
        {Kind::kRelease, IID_HostTransportV2}, {Kind::kRelease, IID_HostTransport},
    };
    EXPECT_EQ(transport.ReferenceEvents(), expected);
}

}  // namespace
