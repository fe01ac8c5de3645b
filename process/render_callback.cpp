#include "process/render_callback.h"

#include <atomic>

#include "abi/midi.h"
#include "abi/vst2.h"
#include "bridge/vst_callback.h"
#include "bridge/vst_interface.h"

namespace {

// The flag is posted after the bridge pointer; seeing it set makes the pointer safe to read.
bool IsLoaded(const AlgorithmContext& context) {
    return std::atomic_ref<int32_t>(*context.pluginLoaded).load(std::memory_order_acquire) == 1;
}

// Each packet goes to the plug-in alone, in the bridge's first event record.
void ForwardMidi(MidiNode& node, VstInterface& bridge) {
    const MidiStream* stream = node.GetNodeBuffer();
    if (stream == nullptr || stream->mBufferSize == 0) return;
    VstMidiEvent& event = bridge.eventBuffer[0];
    VstEvents events{};
    events.numEvents = 1;
    events.events[0] = reinterpret_cast<VstEvent*>(&event);
    for (uint32_t i = 0; i < stream->mBufferSize; ++i) {
        const MidiPacket& packet = stream->mBuffer[i];
        event.deltaFrames = static_cast<int32_t>(packet.mTimestamp);
        event.midiData[0] = static_cast<char>(packet.mData[0]);
        event.midiData[1] = static_cast<char>(packet.mData[1]);
        event.midiData[2] = static_cast<char>(packet.mData[2]);
        if (bridge.IsUsable()) {
            bridge.effect->dispatcher(bridge.effect, effProcessEvents, 0, 0, &events, 0.0f);
        }
    }
}

void RenderInstance(const AlgorithmContext& context) {
    const int32_t inputCount = *context.inputChannelCount;
    const int32_t outputCount = *context.outputChannelCount;
    const int32_t frames = *context.bufferLength;

    auto* bridge = static_cast<VstInterface*>(*context.vstInterface);
    VstCallBack* callBack = bridge != nullptr ? bridge->callBack : nullptr;
    if (callBack != nullptr) {
        callBack->BeginBlock(context.transportNode);
    }

    if (context.midiInputNode != nullptr && bridge != nullptr) {
        ForwardMidi(*context.midiInputNode, *bridge);
    }
    if (bridge != nullptr && bridge->IsUsable()) {
        ChannelLayout& layout = bridge->channels;
        if (layout.Arrange(context.audioInputs, inputCount, context.audioOutputs, outputCount,
                           frames)) {
            bridge->effect->processReplacing(bridge->effect, layout.Inputs(), layout.Outputs(),
                                             frames);
            layout.CompleteOutputs(context.audioOutputs, outputCount, frames);
        } else {
            ChannelLayout::Silence(context.audioOutputs, outputCount, frames);
        }
    }
    if (callBack != nullptr) callBack->EndBlock();
}

}  // namespace

void RenderCallback(AlgorithmContext* const instancesBegin[], const void* instancesEnd) {
    const auto* end = static_cast<AlgorithmContext* const*>(instancesEnd);
    for (AlgorithmContext* const* entry = instancesBegin; entry < end; ++entry) {
        if (*entry != nullptr && IsLoaded(**entry)) RenderInstance(**entry);
    }
}
