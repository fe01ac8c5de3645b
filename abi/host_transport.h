// The host's transport as an ACF interface, asked of the host unknown that the module is given at
// initialisation. Its operations, from slot 3, are those of AAX_ITransport in the same order;
// version 2 adds slots 13 to 15. Any thread.
#pragma once

#include <cstdint>

#include "abi/unknown.h"

class HostTransport : public IACFUnknown {
  public:
    virtual Result GetCurrentTempo(double* tempo) = 0;                             // 3
    virtual Result GetCurrentMeter(int32_t* numerator, int32_t* denominator) = 0;  // 4
    virtual Result IsTransportPlaying(bool* isPlaying) = 0;                        // 5
    virtual Result HostTransportSlot6(int64_t*) = 0;                               // 6
    virtual Result HostTransportSlot7(bool*, int64_t*, int64_t*) = 0;              // 7
    virtual Result GetCurrentNativeSampleLocation(int64_t* sampleLocation) = 0;    // 8
    virtual Result HostTransportSlot9(int64_t*, int64_t) = 0;                      // 9
    virtual Result GetBarBeatPosition(int32_t* bars, int32_t* beats, int64_t* displayTicks,
                                      int64_t sampleLocation) = 0;  // 10
    virtual Result HostTransportSlot11(uint32_t*) = 0;              // 11
    virtual Result HostTransportSlot12(uint32_t*) = 0;              // 12
};

class HostTransportV2 : public HostTransport {
  public:
    virtual Result HostTransportSlot13(int64_t*) = 0;            // 13
    virtual Result HostTransportSlot14(int32_t*, int32_t*) = 0;  // 14
    virtual Result HostTransportSlot15(int32_t*, int64_t*) = 0;  // 15
};

inline constexpr InterfaceId IID_HostTransport = MakeUID("5CEE4EF4-6337-4359-B63B-FE58DC36543A");
inline constexpr InterfaceId IID_HostTransportV2 = MakeUID("203CBD9F-982C-4FE6-A827-07480257AEC3");
