// One instance's algorithm context as a host fills it: audio buffers per channel,
// the posted channel counts, block length, bridge pointer and loaded flag, and the transport and
// MIDI input nodes. The nodes are either C++ objects of this build or the C kit's, laid out as a
// host built by another compiler lays them out; tests drive both through the same fields.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "abi/algorithm_context.h"
#include "c_kit.h"
#include "process/render_callback.h"
#include "tests/process/fake_host.h"

class VstInterface;

enum class HostObjects { kCxx, kC };

class RenderHarness {
  public:
    static constexpr int32_t kMaxFrames = 1024;
    static constexpr float kUntouched = -7.0f;
    // Each channel holds kMaxFrames, or one more than a longer block.
    static size_t BufferFrames(int32_t blockFrames) {
        return static_cast<size_t>(blockFrames < kMaxFrames ? kMaxFrames : blockFrames + 1);
    }

    RenderHarness(int32_t inputChannels, int32_t outputChannels, int32_t blockFrames = 64,
                  HostObjects objects = HostObjects::kCxx)
        : input(static_cast<size_t>(inputChannels), std::vector<float>(BufferFrames(blockFrames))),
          output(static_cast<size_t>(outputChannels),
                 std::vector<float>(BufferFrames(blockFrames), kUntouched)),
          inputCount(inputChannels),
          outputCount(outputChannels),
          frames(blockFrames),
          objects_(objects),
          transport(objects == HostObjects::kC ? cTransport_.state : cxxTransport_) {
        for (size_t channel = 0; channel < input.size(); ++channel) {
            for (size_t i = 0; i < input[channel].size(); ++i) {
                input[channel][i] = 0.001f * static_cast<float>(i) + static_cast<float>(channel);
            }
            inputs.push_back(input[channel].data());
        }
        for (std::vector<float>& channel : output) outputs.push_back(channel.data());
        ck_transport_init(&cTransport_);
        ck_midi_node_init(&cTransportNode_, &cTransport_);
        ck_midi_node_init(&cMidiNode_, nullptr);
        ck_midi_node_init(&cNodeWithoutTransport_, nullptr);
        context.audioInputs = inputs.data();
        context.inputChannelCount = &inputCount;
        context.audioOutputs = outputs.data();
        context.outputChannelCount = &outputCount;
        context.bufferLength = &frames;
        context.masterBypass = &bypass;
        context.vstInterface = &bridgePointer;
        context.pluginLoaded = &loaded;
        context.transportNode = Node(&cxxTransportNode_, &cTransportNode_);
        context.midiInputNode = Node(&cxxMidiNode_, &cMidiNode_);
    }
    explicit RenderHarness(int32_t channels, HostObjects objects = HostObjects::kCxx)
        : RenderHarness(channels, channels, 64, objects) {}
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

    // The block's MIDI input; the nodes hold their packets without allocating while rendering.
    void SetMidiPackets(const std::vector<MidiPacket>& packets) {
        cxxMidiNode_.SetPackets(packets);
        static_assert(sizeof(ck_midi_packet) == sizeof(MidiPacket));
        ck_midi_node_set_packets(
            &cMidiNode_, reinterpret_cast<const ck_midi_packet*>(packets.data()), packets.size());
    }
    // A node that answers no packet stream.
    void DropMidiStream() {
        cxxMidiNode_.hasStream = false;
        cMidiNode_.hasStream = false;
    }
    // A transport node of the same kind that has no transport.
    MidiNode* NodeWithoutTransport() {
        return Node(&cxxNodeWithoutTransport_, &cNodeWithoutTransport_);
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

  private:
    MidiNode* Node(FakeMidiNode* cxx, ck_midi_node* c) const {
        return objects_ == HostObjects::kC ? reinterpret_cast<MidiNode*>(c) : cxx;
    }

    HostObjects objects_;
    FakeTransport cxxTransport_;
    FakeMidiNode cxxTransportNode_{&cxxTransport_};
    FakeMidiNode cxxMidiNode_;
    FakeMidiNode cxxNodeWithoutTransport_;
    ck_transport cTransport_;
    ck_midi_node cTransportNode_;
    ck_midi_node cMidiNode_;
    ck_midi_node cNodeWithoutTransport_;

  public:
    // The answers of whichever transport the context holds.
    ck_transport_state& transport;
    AlgorithmContext context{};
};
