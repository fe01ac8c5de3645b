// Reads the slot of each interface operation from its member pointer, which under the Itanium C++
// ABI on x86-64 (GCC and Clang, mingw-w64 included) holds 1 + the operation's byte offset in the
// virtual table. Classes with a virtual destructor give it two entries there, where the host's
// binary interface counts one.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "abi/aax_istring.h"
#include "abi/component_factory.h"
#include "abi/host_automation_delegate.h"
#include "abi/host_controller.h"
#include "abi/host_services.h"
#include "abi/host_transport.h"
#include "abi/host_view_container.h"
#include "abi/transport.h"

#if defined(__x86_64__) && !defined(_MSC_VER)
#define VQ318_ITANIUM_MEMBER_POINTERS 1
#endif

namespace {

struct SlotRow {
    const char* operation;
    size_t expected;
    size_t actual;
};

template <class Member>
size_t TableIndex(Member member) {
#ifdef VQ318_ITANIUM_MEMBER_POINTERS
    struct Representation {
        uintptr_t pointer;
        ptrdiff_t adjustment;
    };
    static_assert(sizeof(Member) == sizeof(Representation));
    Representation representation;
    std::memcpy(&representation, &member, sizeof(representation));
    EXPECT_EQ(representation.pointer % 2, 1u) << "not a virtual operation";
    return (representation.pointer - 1) / sizeof(void*);
#else
    static_cast<void>(member);
    return 0;
#endif
}

// For interfaces with a virtual destructor: the slot that the host counts.
template <class Member>
size_t SlotAfterDestructor(Member member) {
    return TableIndex(member) - 1;
}

void ExpectSlots(const std::vector<SlotRow>& rows) {
#ifdef VQ318_ITANIUM_MEMBER_POINTERS
    for (const SlotRow& row : rows) {
        EXPECT_EQ(row.actual, row.expected) << row.operation;
    }
#else
    GTEST_SKIP() << "member pointer layout of this ABI is not read";
#endif
}

#define SLOT(Class, Operation, expected) \
    { #Class "::" #Operation, expected, TableIndex(&Class::Operation) }

TEST(InterfaceSlots, UnknownAndFactory) {
    ExpectSlots({
        SLOT(IACFUnknown, QueryInterface, 0),
        SLOT(IACFUnknown, AddRef, 1),
        SLOT(IACFUnknown, Release, 2),
        SLOT(IACFComponentFactory, CreateComponent, 3),
    });
}

TEST(InterfaceSlots, HostController) {
    ExpectSlots({
        SLOT(AAX_IACFController, GetEffectID, 3),
        SLOT(AAX_IACFController, GetSampleRate, 4),
        SLOT(AAX_IACFController, GetInputStemFormat, 5),
        SLOT(AAX_IACFController, GetOutputStemFormat, 6),
        SLOT(AAX_IACFController, GetSignalLatency, 7),
        SLOT(AAX_IACFController, GetCycleCount, 8),
        SLOT(AAX_IACFController, GetTODLocation, 9),
        SLOT(AAX_IACFController, SetSignalLatency, 10),
        SLOT(AAX_IACFController, SetCycleCount, 11),
        SLOT(AAX_IACFController, PostPacket, 12),
        SLOT(AAX_IACFController, GetCurrentMeterValue, 13),
        SLOT(AAX_IACFController, GetMeterPeakValue, 14),
        SLOT(AAX_IACFController, ClearMeterPeakValue, 15),
        SLOT(AAX_IACFController, GetMeterClipped, 16),
        SLOT(AAX_IACFController, ClearMeterClipped, 17),
        SLOT(AAX_IACFController, GetMeterCount, 18),
        SLOT(AAX_IACFController, GetNextMIDIPacket, 19),
        SLOT(AAX_IACFController_V2, GetCurrentAutomationTimestamp, 20),
        SLOT(AAX_IACFController_V2, GetHostName, 21),
        SLOT(AAX_IACFController_V2, GetPlugInTargetPlatform, 22),
        SLOT(AAX_IACFController_V2, GetIsAudioSuite, 23),
    });
}

TEST(InterfaceSlots, HostTransport) {
    ExpectSlots({
        SLOT(AAX_IACFTransport, GetCurrentTempo, 3),
        SLOT(AAX_IACFTransport, GetCurrentMeter, 4),
        SLOT(AAX_IACFTransport, IsTransportPlaying, 5),
        SLOT(AAX_IACFTransport, GetCurrentTickPosition, 6),
        SLOT(AAX_IACFTransport, GetCurrentLoopPosition, 7),
        SLOT(AAX_IACFTransport, GetCurrentNativeSampleLocation, 8),
        SLOT(AAX_IACFTransport, GetCustomTickPosition, 9),
        SLOT(AAX_IACFTransport, GetBarBeatPosition, 10),
        SLOT(AAX_IACFTransport, GetTicksPerQuarter, 11),
        SLOT(AAX_IACFTransport, GetCurrentTicksPerBeat, 12),
        SLOT(AAX_IACFTransport_V2, GetTimelineSelectionStartPosition, 13),
        SLOT(AAX_IACFTransport_V2, GetTimeCodeInfo, 14),
        SLOT(AAX_IACFTransport_V2, GetFeetFramesInfo, 15),
    });
}

TEST(InterfaceSlots, HostAutomationViewAndServices) {
    ExpectSlots({
        SLOT(AAX_IACFAutomationDelegate, RegisterParameter, 3),
        SLOT(AAX_IACFAutomationDelegate, UnregisterParameter, 4),
        SLOT(AAX_IACFAutomationDelegate, PostSetValueRequest, 5),
        SLOT(AAX_IACFAutomationDelegate, PostCurrentValue, 6),
        SLOT(AAX_IACFAutomationDelegate, PostTouchRequest, 7),
        SLOT(AAX_IACFAutomationDelegate, PostReleaseRequest, 8),
        SLOT(AAX_IACFAutomationDelegate, GetTouchState, 9),
        SLOT(AAX_IACFViewContainer, GetType, 3),
        SLOT(AAX_IACFViewContainer, GetPtr, 4),
        SLOT(AAX_IACFViewContainer, GetModifiers, 5),
        SLOT(AAX_IACFViewContainer, SetViewSize, 6),
        SLOT(AAX_IACFViewContainer, HandleParameterMouseDown, 7),
        SLOT(AAX_IACFViewContainer, HandleParameterMouseDrag, 8),
        SLOT(AAX_IACFViewContainer, HandleParameterMouseUp, 9),
        SLOT(AAX_IACFHostServices, HandleAssertFailure, 3),
        SLOT(AAX_IACFHostServices, Trace, 4),
    });
}

TEST(InterfaceSlots, StringAndModuleTransport) {
    using AssignText = AAX_IString& (AAX_IString::*)(const char*);
    using AssignString = AAX_IString& (AAX_IString::*)(const AAX_IString&);
    ExpectSlots({
        {"AAX_IString::Length", 1, SlotAfterDestructor(&AAX_IString::Length)},
        {"AAX_IString::MaxLength", 2, SlotAfterDestructor(&AAX_IString::MaxLength)},
        {"AAX_IString::Get", 3, SlotAfterDestructor(&AAX_IString::Get)},
        {"AAX_IString::Set", 4, SlotAfterDestructor(&AAX_IString::Set)},
        {"AAX_IString::operator=(const char*)", 5,
         SlotAfterDestructor(static_cast<AssignText>(&AAX_IString::operator=))},
        {"AAX_IString::operator=(const AAX_IString&)", 6,
         SlotAfterDestructor(static_cast<AssignString>(&AAX_IString::operator=))},
        {"AAX_ITransport::GetCurrentTempo", 1,
         SlotAfterDestructor(&AAX_ITransport::GetCurrentTempo)},
        {"AAX_ITransport::GetCurrentMeter", 2,
         SlotAfterDestructor(&AAX_ITransport::GetCurrentMeter)},
        {"AAX_ITransport::IsTransportPlaying", 3,
         SlotAfterDestructor(&AAX_ITransport::IsTransportPlaying)},
        {"AAX_ITransport::GetCurrentNativeSampleLocation", 6,
         SlotAfterDestructor(&AAX_ITransport::GetCurrentNativeSampleLocation)},
        {"AAX_ITransport::GetBarBeatPosition", 8,
         SlotAfterDestructor(&AAX_ITransport::GetBarBeatPosition)},
        {"AAX_ITransport::GetFeetFramesInfo", 13,
         SlotAfterDestructor(&AAX_ITransport::GetFeetFramesInfo)},
    });
}

}  // namespace
