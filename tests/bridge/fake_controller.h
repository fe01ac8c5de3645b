// A host controller that knows only its sample rate; every other operation is unimplemented.
#pragma once

#include "host/aax_controller.h"

class FakeController : public AAX_IController {
  public:
    explicit FakeController(float sampleRate) : sampleRate_(sampleRate) {}

    AAX_Result GetEffectID(AAX_IString*) const override { return kNo; }
    AAX_Result GetSampleRate(float* sampleRate) const override {
        *sampleRate = sampleRate_;
        return AAX_SUCCESS;
    }
    AAX_Result GetInputStemFormat(int32_t*) const override { return kNo; }
    AAX_Result GetOutputStemFormat(int32_t*) const override { return kNo; }
    AAX_Result GetSignalLatency(int32_t*) const override { return kNo; }
    AAX_Result GetCycleCount(int32_t, int32_t*) const override { return kNo; }
    AAX_Result GetTODLocation(int64_t*) const override { return kNo; }
    AAX_Result SetSignalLatency(int32_t) override { return kNo; }
    AAX_Result SetCycleCount(int32_t*, int32_t*, int32_t) override { return kNo; }
    AAX_Result PostPacket(uint32_t, const void*, uint32_t) override { return kNo; }
    AAX_Result GetCurrentAutomationTimestamp(uint32_t*) const override { return kNo; }
    AAX_Result GetCurrentMeterValue(uint32_t, float*) const override { return kNo; }
    AAX_Result GetMeterPeakValue(uint32_t, float*) const override { return kNo; }
    AAX_Result ClearMeterPeakValue(uint32_t) const override { return kNo; }
    AAX_Result GetMeterCount(uint32_t*) const override { return kNo; }
    AAX_Result GetMeterClipped(uint32_t, bool*) const override { return kNo; }
    AAX_Result ClearMeterClipped(uint32_t) const override { return kNo; }
    AAX_Result GetNextMIDIPacket(uint32_t*, void*) override { return kNo; }
    AAX_Result GetHostName(AAX_IString*) const override { return kNo; }
    AAX_Result GetPlugInTargetPlatform(int32_t*) const override { return kNo; }
    AAX_Result GetIsAudioSuite(bool*) const override { return kNo; }

  private:
    static constexpr AAX_Result kNo = AAX_ERROR_UNIMPLEMENTED;
    float sampleRate_;
};
