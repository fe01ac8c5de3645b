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

    Result PostPacket(uint32_t fieldIndex, const void* payload, uint32_t payloadSize) override {
        const auto* bytes = static_cast<const uint8_t*>(payload);
        posts.push_back({fieldIndex, std::vector<uint8_t>(bytes, bytes + payloadSize)});
        if (onPost) onPost();
        return postResult;
    }

    Result ControllerSlot1(void*) const override { return AAX_ERROR_UNIMPLEMENTED; }
    Result GetSampleRate(float* rate) const override {
        if (!sampleRate) return AAX_ERROR_UNIMPLEMENTED;
        *rate = *sampleRate;
        return AAX_SUCCESS;
    }
    Result GetInputStemFormat(int32_t*) const override { return AAX_ERROR_UNIMPLEMENTED; }
    Result GetOutputStemFormat(int32_t*) const override { return AAX_ERROR_UNIMPLEMENTED; }
    Result ControllerSlot5(int32_t*) const override { return AAX_ERROR_UNIMPLEMENTED; }
    Result ControllerSlot6(int32_t, int32_t*) const override { return AAX_ERROR_UNIMPLEMENTED; }
    Result ControllerSlot7(int64_t*) const override { return AAX_ERROR_UNIMPLEMENTED; }
    Result ControllerSlot8(int32_t) override { return AAX_ERROR_UNIMPLEMENTED; }
    Result ControllerSlot9(int32_t*, int32_t*, int32_t) override { return AAX_ERROR_UNIMPLEMENTED; }
    Result ControllerSlot11(uint32_t*) const override { return AAX_ERROR_UNIMPLEMENTED; }
    Result ControllerSlot12(uint32_t, float*) const override { return AAX_ERROR_UNIMPLEMENTED; }
    Result ControllerSlot13(uint32_t, float*) const override { return AAX_ERROR_UNIMPLEMENTED; }
    Result ControllerSlot14(uint32_t) const override { return AAX_ERROR_UNIMPLEMENTED; }
    Result ControllerSlot15(uint32_t*) const override { return AAX_ERROR_UNIMPLEMENTED; }
    Result ControllerSlot16(uint32_t, bool*) const override { return AAX_ERROR_UNIMPLEMENTED; }
    Result ControllerSlot17(uint32_t) const override { return AAX_ERROR_UNIMPLEMENTED; }
    Result ControllerSlot18(uint32_t*, void*) override { return AAX_ERROR_UNIMPLEMENTED; }
    Result ControllerSlot19(void*) const override { return AAX_ERROR_UNIMPLEMENTED; }
    Result ControllerSlot20(int32_t*) const override { return AAX_ERROR_UNIMPLEMENTED; }
    Result ControllerSlot21(bool*) const override { return AAX_ERROR_UNIMPLEMENTED; }

    std::optional<float> sampleRate;
    std::vector<PostedPacket> posts;
    Result postResult = AAX_SUCCESS;
    // Runs inside each post, while the dispatcher holds its lock.
    std::function<void()> onPost;
};
