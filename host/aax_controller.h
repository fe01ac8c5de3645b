// The module-side interface to the host controller, in slot order. Slots 11 and 19 to 21 reach
// the host's version-2 controller; the others its version-1 controller. Called from the host's
// non-real-time threads.
#pragma once

#include <cstdint>

#include "abi/result.h"

class AAX_IString;

class AAX_IController {
  public:
    virtual ~AAX_IController() = default;                                                   // 0
    virtual AAX_Result GetEffectID(AAX_IString* effectID) const = 0;                        // 1
    virtual AAX_Result GetSampleRate(float* sampleRate) const = 0;                          // 2
    virtual AAX_Result GetInputStemFormat(int32_t* stemFormat) const = 0;                   // 3
    virtual AAX_Result GetOutputStemFormat(int32_t* stemFormat) const = 0;                  // 4
    virtual AAX_Result GetSignalLatency(int32_t* samples) const = 0;                        // 5
    virtual AAX_Result GetCycleCount(int32_t field, int32_t* cycles) const = 0;             // 6
    virtual AAX_Result GetTODLocation(int64_t* location) const = 0;                         // 7
    virtual AAX_Result SetSignalLatency(int32_t samples) = 0;                               // 8
    virtual AAX_Result SetCycleCount(int32_t* fields, int32_t* values, int32_t count) = 0;  // 9
    // Copies `payloadSize` bytes to field `fieldIndex` of the instance's algorithm context.
    virtual AAX_Result PostPacket(uint32_t fieldIndex, const void* payload,
                                  uint32_t payloadSize) = 0;                            // 10
    virtual AAX_Result GetCurrentAutomationTimestamp(uint32_t* timestamp) const = 0;    // 11 (v2)
    virtual AAX_Result GetCurrentMeterValue(uint32_t meterID, float* value) const = 0;  // 12
    virtual AAX_Result GetMeterPeakValue(uint32_t meterID, float* value) const = 0;     // 13
    virtual AAX_Result ClearMeterPeakValue(uint32_t meterID) const = 0;                 // 14
    virtual AAX_Result GetMeterCount(uint32_t* count) const = 0;                        // 15
    virtual AAX_Result GetMeterClipped(uint32_t meterID, bool* clipped) const = 0;      // 16
    virtual AAX_Result ClearMeterClipped(uint32_t meterID) const = 0;                   // 17
    virtual AAX_Result GetNextMIDIPacket(uint32_t* nodeID, void* packet) = 0;           // 18
    virtual AAX_Result GetHostName(AAX_IString* name) const = 0;                        // 19 (v2)
    virtual AAX_Result GetPlugInTargetPlatform(int32_t* platform) const = 0;            // 20 (v2)
    virtual AAX_Result GetIsAudioSuite(bool* isAudioSuite) const = 0;                   // 21 (v2)
};
