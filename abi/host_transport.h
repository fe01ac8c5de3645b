// The host's transport as an ACF interface, asked of the host unknown that the module is given at
// initialisation. Its operations, from slot 3, are those of AAX_ITransport in the same order;
// version 2 adds slots 13 to 15. Any thread.
#pragma once

#include <cstdint>

#include "abi/acf.h"

class AAX_IACFTransport : public IACFUnknown {
  public:
    virtual AAX_Result GetCurrentTempo(double* tempo) = 0;                             // 3
    virtual AAX_Result GetCurrentMeter(int32_t* numerator, int32_t* denominator) = 0;  // 4
    virtual AAX_Result IsTransportPlaying(bool* isPlaying) = 0;                        // 5
    virtual AAX_Result GetCurrentTickPosition(int64_t* ticks) = 0;                     // 6
    virtual AAX_Result GetCurrentLoopPosition(bool* looping, int64_t* loopStartTick,
                                              int64_t* loopEndTick) = 0;                   // 7
    virtual AAX_Result GetCurrentNativeSampleLocation(int64_t* sampleLocation) = 0;        // 8
    virtual AAX_Result GetCustomTickPosition(int64_t* ticks, int64_t sampleLocation) = 0;  // 9
    virtual AAX_Result GetBarBeatPosition(int32_t* bars, int32_t* beats, int64_t* displayTicks,
                                          int64_t sampleLocation) = 0;  // 10
    virtual AAX_Result GetTicksPerQuarter(uint32_t* ticks) = 0;         // 11
    virtual AAX_Result GetCurrentTicksPerBeat(uint32_t* ticks) = 0;     // 12
};

class AAX_IACFTransport_V2 : public AAX_IACFTransport {
  public:
    virtual AAX_Result GetTimelineSelectionStartPosition(int64_t* sampleLocation) = 0;  // 13
    virtual AAX_Result GetTimeCodeInfo(int32_t* frameRate, int32_t* offset) = 0;        // 14
    virtual AAX_Result GetFeetFramesInfo(int32_t* frameRate, int64_t* offset) = 0;      // 15
};

inline constexpr acfIID IID_AAX_IACFTransport = MakeUID("5CEE4EF4-6337-4359-B63B-FE58DC36543A");
inline constexpr acfIID IID_AAX_IACFTransport_V2 = MakeUID("203CBD9F-982C-4FE6-A827-07480257AEC3");
