// The transport interface, in slot order. The host hands one through the transport MIDI node of
// each algorithm context; the module's own transport wrapper implements the same interface.
// Every operation may be called on any thread, the real-time thread included, and returns 0
// on success.
#pragma once

#include <cstdint>

#include "abi/boundary.h"
#include "abi/result.h"

class AAX_ITransport {
    VQ318_BOUNDARY_DESTRUCTOR(AAX_ITransport)                                                // 0
    virtual AAX_Result GetCurrentTempo(double* tempo) const = 0;                             // 1
    virtual AAX_Result GetCurrentMeter(int32_t* numerator, int32_t* denominator) const = 0;  // 2
    virtual AAX_Result IsTransportPlaying(bool* isPlaying) const = 0;                        // 3
    virtual AAX_Result GetCurrentTickPosition(int64_t* ticks) const = 0;                     // 4
    virtual AAX_Result GetCurrentLoopPosition(bool* looping, int64_t* loopStartTick,
                                              int64_t* loopEndTick) const = 0;             // 5
    virtual AAX_Result GetCurrentNativeSampleLocation(int64_t* sampleLocation) const = 0;  // 6
    virtual AAX_Result GetCustomTickPosition(int64_t* ticks,
                                             int64_t sampleLocation) const = 0;  // 7
    virtual AAX_Result GetBarBeatPosition(int32_t* bars, int32_t* beats, int64_t* displayTicks,
                                          int64_t sampleLocation) const = 0;  // 8
    virtual AAX_Result GetTicksPerQuarter(uint32_t* ticks) const = 0;         // 9
    virtual AAX_Result GetCurrentTicksPerBeat(uint32_t* ticks) const = 0;     // 10
    // Reached only through the host's version-2 transport interface.
    virtual AAX_Result GetTimelineSelectionStartPosition(int64_t* sampleLocation) const = 0;  // 11
    virtual AAX_Result GetTimeCodeInfo(int32_t* frameRate, int32_t* offset) const = 0;        // 12
    virtual AAX_Result GetFeetFramesInfo(int32_t* frameRate, int64_t* offset) const = 0;      // 13
};

// Transport ticks in one quarter note.
constexpr double kTransportTicksPerQuarter = 960000.0;
