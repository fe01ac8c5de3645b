// The transport interface, in slot order. The host hands one through the transport MIDI node of
// each algorithm context; the module's own transport wrapper implements the same interface.
// Every operation may be called on any thread, the real-time thread included, and returns 0
// on success.
#pragma once

#include <cstdint>

#include "abi/boundary.h"
#include "abi/result.h"

class AAX_ITransport {
    VQ318_BOUNDARY_DESTRUCTOR(AAX_ITransport)                                            // 0
    virtual Result GetCurrentTempo(double* tempo) const = 0;                             // 1
    virtual Result GetCurrentMeter(int32_t* numerator, int32_t* denominator) const = 0;  // 2
    virtual Result IsTransportPlaying(bool* isPlaying) const = 0;                        // 3
    virtual Result TransportSlot4(int64_t*) const = 0;                                   // 4
    virtual Result TransportSlot5(bool*, int64_t*, int64_t*) const = 0;                  // 5
    virtual Result GetCurrentNativeSampleLocation(int64_t* sampleLocation) const = 0;    // 6
    virtual Result TransportSlot7(int64_t*, int64_t) const = 0;                          // 7
    virtual Result GetBarBeatPosition(int32_t* bars, int32_t* beats, int64_t* displayTicks,
                                      int64_t sampleLocation) const = 0;  // 8
    virtual Result TransportSlot9(uint32_t*) const = 0;                   // 9
    virtual Result TransportSlot10(uint32_t*) const = 0;                  // 10
    // Reached only through the host's version-2 transport interface.
    virtual Result TransportSlot11(int64_t*) const = 0;            // 11
    virtual Result TransportSlot12(int32_t*, int32_t*) const = 0;  // 12
    virtual Result TransportSlot13(int32_t*, int64_t*) const = 0;  // 13
};

// Transport ticks in one quarter note.
constexpr double kTransportTicksPerQuarter = 960000.0;
