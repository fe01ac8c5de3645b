// The host's controller of one effect instance, asked of the host unknown that the module is given
// at initialisation. Version 2 extends version 1 with slots 20 to 23. Non-real-time threads.
#pragma once

#include <cstdint>

#include "abi/acf.h"

class AAX_IString;

class AAX_IACFController : public IACFUnknown {
  public:
    virtual AAX_Result GetEffectID(AAX_IString* effectID) = 0;                              // 3
    virtual AAX_Result GetSampleRate(float* sampleRate) = 0;                                // 4
    virtual AAX_Result GetInputStemFormat(int32_t* stemFormat) = 0;                         // 5
    virtual AAX_Result GetOutputStemFormat(int32_t* stemFormat) = 0;                        // 6
    virtual AAX_Result GetSignalLatency(int32_t* samples) = 0;                              // 7
    virtual AAX_Result GetCycleCount(int32_t field, int32_t* cycles) = 0;                   // 8
    virtual AAX_Result GetTODLocation(int64_t* location) = 0;                               // 9
    virtual AAX_Result SetSignalLatency(int32_t samples) = 0;                               // 10
    virtual AAX_Result SetCycleCount(int32_t* fields, int32_t* values, int32_t count) = 0;  // 11
    // Copies `payloadSize` bytes to field `fieldIndex` of the instance's algorithm context.
    virtual AAX_Result PostPacket(uint32_t fieldIndex, const void* payload,
                                  uint32_t payloadSize) = 0;                      // 12
    virtual AAX_Result GetCurrentMeterValue(uint32_t meterID, float* value) = 0;  // 13
    virtual AAX_Result GetMeterPeakValue(uint32_t meterID, float* value) = 0;     // 14
    virtual AAX_Result ClearMeterPeakValue(uint32_t meterID) = 0;                 // 15
    virtual AAX_Result GetMeterClipped(uint32_t meterID, bool* clipped) = 0;      // 16
    virtual AAX_Result ClearMeterClipped(uint32_t meterID) = 0;                   // 17
    virtual AAX_Result GetMeterCount(uint32_t* count) = 0;                        // 18
    virtual AAX_Result GetNextMIDIPacket(uint32_t* nodeID, void* packet) = 0;     // 19
};

class AAX_IACFController_V2 : public AAX_IACFController {
  public:
    virtual AAX_Result GetCurrentAutomationTimestamp(uint32_t* timestamp) = 0;  // 20
    virtual AAX_Result GetHostName(AAX_IString* name) = 0;                      // 21
    virtual AAX_Result GetPlugInTargetPlatform(int32_t* platform) = 0;          // 22
    virtual AAX_Result GetIsAudioSuite(bool* isAudioSuite) = 0;                 // 23
};

inline constexpr acfIID IID_AAX_IACFController = MakeUID("9D5E3E3D-52DC-5EFB-2018-DE1DE2E63F4E");
inline constexpr acfIID IID_AAX_IACFController_V2 = MakeUID("4C59AA0E-D7C0-4205-8B6C-32468D42D202");
