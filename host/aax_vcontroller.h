// AAX_IController over the host's controller. Every operation forwards to the host's version 1 or
// version 2 controller with its arguments unchanged, or answers with a fixed result when that
// interface is missing.
#pragma once

#include "abi/acf.h"
#include "abi/host_controller.h"
#include "host/aax_controller.h"

class AAX_VController : public AAX_IController {
  public:
    // Takes one reference on each controller interface that `host` (possibly null) offers.
    explicit AAX_VController(IACFUnknown* host);
    // Gives the references back, version 2 first.
    ~AAX_VController() override;
    AAX_VController(const AAX_VController&) = delete;
    AAX_VController& operator=(const AAX_VController&) = delete;

    AAX_Result GetEffectID(AAX_IString* effectID) const override;
    AAX_Result GetSampleRate(float* sampleRate) const override;
    AAX_Result GetInputStemFormat(int32_t* stemFormat) const override;
    AAX_Result GetOutputStemFormat(int32_t* stemFormat) const override;
    AAX_Result GetSignalLatency(int32_t* samples) const override;
    AAX_Result GetCycleCount(int32_t field, int32_t* cycles) const override;
    AAX_Result GetTODLocation(int64_t* location) const override;
    AAX_Result SetSignalLatency(int32_t samples) override;
    AAX_Result SetCycleCount(int32_t* fields, int32_t* values, int32_t count) override;
    AAX_Result PostPacket(uint32_t fieldIndex, const void* payload, uint32_t payloadSize) override;
    AAX_Result GetCurrentAutomationTimestamp(uint32_t* timestamp) const override;
    AAX_Result GetCurrentMeterValue(uint32_t meterID, float* value) const override;
    AAX_Result GetMeterPeakValue(uint32_t meterID, float* value) const override;
    AAX_Result ClearMeterPeakValue(uint32_t meterID) const override;
    AAX_Result GetMeterCount(uint32_t* count) const override;
    AAX_Result GetMeterClipped(uint32_t meterID, bool* clipped) const override;
    AAX_Result ClearMeterClipped(uint32_t meterID) const override;
    AAX_Result GetNextMIDIPacket(uint32_t* nodeID, void* packet) override;
    AAX_Result GetHostName(AAX_IString* name) const override;
    AAX_Result GetPlugInTargetPlatform(int32_t* platform) const override;
    AAX_Result GetIsAudioSuite(bool* isAudioSuite) const override;

  private:
    AAX_IACFController* mController = nullptr;
    AAX_IACFController_V2* mControllerV2 = nullptr;
};
