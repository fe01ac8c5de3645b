// The stand-in host's controller of one effect instance. It offers the version 1 and version 2
// controller interfaces as two distinct pointers on one object, so that a test can tell through
// which one a reference came and went. Every call is recorded by host slot.
#pragma once

#include <cstdint>

#include "abi/host_controller.h"
#include "tools/aaxhost/call_log.h"
#include "tools/aaxhost/stand_in_object.h"

namespace aaxhost {

class StandInController : public StandInObject {
  public:
    StandInController();

    CallLog& Log() { return mLog; }
    // What GetSampleRate and the two stem format queries report; 44100 and stereo until set.
    void SetSampleRate(float sampleRate) { mSampleRate = sampleRate; }
    void SetStemFormats(int32_t input, int32_t output);

  private:
    class Facet final : public StandInFacet<AAX_IACFController_V2> {
      public:
        Facet(StandInController& owner, const acfIID& iid);

        AAX_Result GetEffectID(AAX_IString* effectID) override;
        AAX_Result GetSampleRate(float* sampleRate) override;
        AAX_Result GetInputStemFormat(int32_t* stemFormat) override;
        AAX_Result GetOutputStemFormat(int32_t* stemFormat) override;
        AAX_Result GetSignalLatency(int32_t* samples) override;
        AAX_Result GetCycleCount(int32_t field, int32_t* cycles) override;
        AAX_Result GetTODLocation(int64_t* location) override;
        AAX_Result SetSignalLatency(int32_t samples) override;
        AAX_Result SetCycleCount(int32_t* fields, int32_t* values, int32_t count) override;
        AAX_Result PostPacket(uint32_t fieldIndex, const void* payload,
                              uint32_t payloadSize) override;
        AAX_Result GetCurrentMeterValue(uint32_t meterID, float* value) override;
        AAX_Result GetMeterPeakValue(uint32_t meterID, float* value) override;
        AAX_Result ClearMeterPeakValue(uint32_t meterID) override;
        AAX_Result GetMeterClipped(uint32_t meterID, bool* clipped) override;
        AAX_Result ClearMeterClipped(uint32_t meterID) override;
        AAX_Result GetMeterCount(uint32_t* count) override;
        AAX_Result GetNextMIDIPacket(uint32_t* nodeID, void* packet) override;
        AAX_Result GetCurrentAutomationTimestamp(uint32_t* timestamp) override;
        AAX_Result GetHostName(AAX_IString* name) override;
        AAX_Result GetPlugInTargetPlatform(int32_t* platform) override;
        AAX_Result GetIsAudioSuite(bool* isAudioSuite) override;

      private:
        StandInController& mController;
    };

    CallLog mLog;
    float mSampleRate = 44100.0f;
    int32_t mInputStemFormat = 0x00010002;
    int32_t mOutputStemFormat = 0x00010002;
    Facet mVersion1;
    Facet mVersion2;
};

}  // namespace aaxhost
