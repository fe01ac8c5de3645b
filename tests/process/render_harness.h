// One instance's algorithm context as a host fills it: audio buffers per channel,
// the posted channel counts, block length, bridge pointer and loaded flag, and the transport and
// MIDI input nodes.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "abi/algorithm_context.h"
#include "process/render_callback.h"
#include "tests/process/fake_host.h"

class VstInterface;

class RenderHarness {
  public:
    static constexpr int32_t kMaxFrames = 1024;
    static constexpr float kUntouched = -7.0f;

    RenderHarness(int32_t inputChannels, int32_t outputChannels, int32_t blockFrames = 64)
        : input(static_cast<size_t>(inputChannels), std::vector<float>(kMaxFrames)),
          output(static_cast<size_t>(outputChannels), std::vector<float>(kMaxFrames, kUntouched)),
          inputCount(inputChannels),
          outputCount(outputChannels),
          frames(blockFrames) {
        for (size_t channel = 0; channel < input.size(); ++channel) {
            for (int32_t i = 0; i < kMaxFrames; ++i) {
                input[channel][i] = 0.001f * static_cast<float>(i) + static_cast<float>(channel);
            }
            inputs.push_back(input[channel].data());
        }
        for (std::vector<float>& channel : output) outputs.push_back(channel.data());
        context.audioInputs = inputs.data();
        context.inputChannelCount = &inputCount;
        context.audioOutputs = outputs.data();
        context.outputChannelCount = &outputCount;
        context.bufferLength = &frames;
        context.masterBypass = &bypass;
        context.vstInterface = &bridgePointer;
        context.pluginLoaded = &loaded;
        context.transportNode = &transportNode;
        context.midiInputNode = &midiNode;
    }
    explicit RenderHarness(int32_t channels) : RenderHarness(channels, channels) {}
    RenderHarness(const RenderHarness&) = delete;
    RenderHarness& operator=(const RenderHarness&) = delete;

    // As the effect posts them: the bridge pointer first, the flag after it.
    void Post(VstInterface* bridge, int32_t flag) {
        bridgePointer = bridge;
        std::atomic_ref<int32_t>(loaded).store(flag, std::memory_order_release);
    }

    void Render() {
        AlgorithmContext* const instances[] = {&context};
        RenderCallback(instances, instances + 1);
    }

    bool OutputsUntouched() const {
        for (const std::vector<float>& channel : output) {
            for (float sample : channel) {
                if (sample != kUntouched) return false;
            }
        }
        return true;
    }

    std::vector<std::vector<float>> input;
    std::vector<std::vector<float>> output;
    std::vector<float*> inputs;
    std::vector<float*> outputs;
    int32_t inputCount;
    int32_t outputCount;
    int32_t frames;
    int32_t bypass = 0;
    void* bridgePointer = nullptr;
    int32_t loaded = 0;
    FakeTransport transport;
    FakeMidiNode transportNode{&transport};
    FakeMidiNode midiNode;
    AlgorithmContext context{};
};
