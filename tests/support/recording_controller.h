// A host controller for tests: it records the packets posted to the algorithm context and, when
// given one, answers a sample rate; every other operation reports itself unimplemented.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "host/aax_controller.h"

struct PostedPacket {
    uint32_t fieldIndex;
    std::vector<uint8_t> payload;

    bool operator==(const PostedPacket&) const = default;
};

class RecordingController : public AAX_IController {
  public:
    RecordingController() = default;
    explicit RecordingController(float hostSampleRate) : sampleRate(hostSampleRate) {}

    AAX_Result PostPacket(uint32_t fieldIndex, const void* payload, uint32_t payloadSize) override {
        const auto* bytes = static_cast<const uint8_t*>(payload);
        posts.push_back({fieldIndex, std::vector<uint8_t>(bytes, bytes + payloadSize)});
        if (onPost) onPost();
        return postResult;
    }

    AAX_Result GetEffectID(AAX_IString*) const override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result GetSampleRate(float* rate) const override {
        if (!sampleRate) return AAX_ERROR_UNIMPLEMENTED;
        *rate = *sampleRate;
        return AAX_SUCCESS;
    }
    AAX_Result GetInputStemFormat(int32_t*) const override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result GetOutputStemFormat(int32_t*) const override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result GetSignalLatency(int32_t*) const override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result GetCycleCount(int32_t, int32_t*) const override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result GetTODLocation(int64_t*) const override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result SetSignalLatency(int32_t) override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result SetCycleCount(int32_t*, int32_t*, int32_t) override {
        return AAX_ERROR_UNIMPLEMENTED;
    }
    AAX_Result GetCurrentAutomationTimestamp(uint32_t*) const override {
        return AAX_ERROR_UNIMPLEMENTED;
    }
    AAX_Result GetCurrentMeterValue(uint32_t, float*) const override {
        return AAX_ERROR_UNIMPLEMENTED;
    }
    AAX_Result GetMeterPeakValue(uint32_t, float*) const override {
        return AAX_ERROR_UNIMPLEMENTED;
    }
    AAX_Result ClearMeterPeakValue(uint32_t) const override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result GetMeterCount(uint32_t*) const override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result GetMeterClipped(uint32_t, bool*) const override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result ClearMeterClipped(uint32_t) const override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result GetNextMIDIPacket(uint32_t*, void*) override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result GetHostName(AAX_IString*) const override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result GetPlugInTargetPlatform(int32_t*) const override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result GetIsAudioSuite(bool*) const override { return AAX_ERROR_UNIMPLEMENTED; }

    std::optional<float> sampleRate;
    std::vector<PostedPacket> posts;
    AAX_Result postResult = AAX_SUCCESS;
    // Runs inside each post, while the dispatcher holds its lock.
    std::function<void()> onPost;
};
