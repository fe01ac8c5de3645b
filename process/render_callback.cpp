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

// The block's MIDI stream, or null when the node gives none.
const MidiStream* BlockMidi(const AlgorithmContext& context) {
    if (context.midiInputNode == nullptr) return nullptr;
    const MidiStream* stream = context.midiInputNode->GetNodeBuffer();
    return stream != nullptr && stream->mBufferSize != 0 ? stream : nullptr;
}

// Each packet timed from `first` up to `end` goes to the plug-in alone, in the bridge's first
// event record, timed from the slice's start; the last slice also takes those timed past the
// block, as one call of the whole block would.
void ForwardMidi(const MidiStream& stream, VstInterface& bridge, uint32_t first, uint32_t end,
                 bool lastSlice) {
    VstMidiEvent& event = bridge.eventBuffer[0];
    VstEvents events{};
    events.numEvents = 1;
    events.events[0] = reinterpret_cast<VstEvent*>(&event);
    for (uint32_t i = 0; i < stream.mBufferSize; ++i) {
        const MidiPacket& packet = stream.mBuffer[i];
        if (packet.mTimestamp < first || (packet.mTimestamp >= end && !lastSlice)) continue;
        event.deltaFrames = static_cast<int32_t>(packet.mTimestamp - first);
        event.midiData[0] = static_cast<char>(packet.mData[0]);
        event.midiData[1] = static_cast<char>(packet.mData[1]);
        event.midiData[2] = static_cast<char>(packet.mData[2]);
        if (bridge.IsUsable()) {
            bridge.effect->dispatcher(bridge.effect, effProcessEvents, 0, 0, &events, 0.0f);
        }
    }
}

// processReplacing over the block, in as few slices as the channel layout allows. Each slice
// gets its own MIDI just before it, and its time requests see the transport moved on to it.
void RenderAudio(const AlgorithmContext& context, VstInterface& bridge, const MidiStream* midi) {
    const int32_t inputCount = *context.inputChannelCount;
    const int32_t outputCount = *context.outputChannelCount;
    const int32_t frames = *context.bufferLength;
    ChannelLayout& layout = bridge.channels;
    const int32_t limit = layout.SliceLimit(inputCount, outputCount);
    int32_t offset = 0;
    do {
        const int32_t length = frames - offset < limit ? frames - offset : limit;
        const bool lastSlice = offset + length >= frames;
        if (!layout.Arrange(context.audioInputs, inputCount, context.audioOutputs, outputCount,
                            offset, length)) {
            if (midi != nullptr) ForwardMidi(*midi, bridge, 0, 0, true);
            ChannelLayout::Silence(context.audioOutputs, outputCount, frames);
            return;
        }
        if (midi != nullptr) {
            ForwardMidi(*midi, bridge, static_cast<uint32_t>(offset),
                        static_cast<uint32_t>(offset + length), lastSlice);
        }
        if (bridge.callBack != nullptr) bridge.callBack->SetSliceOffset(offset);
        bridge.effect->processReplacing(bridge.effect, layout.Inputs(), layout.Outputs(), length);
        offset += length;
    } while (offset < frames);
    layout.CompleteOutputs(context.audioOutputs, outputCount, frames);
}

void RenderInstance(const AlgorithmContext& context) {
    auto* bridge = static_cast<VstInterface*>(*context.vstInterface);
    if (bridge == nullptr) return;
    VstCallBack* callBack = bridge->callBack;
    if (callBack != nullptr) {
        callBack->BeginBlock(context.transportNode);
        if (bridge->IsUsable()) callBack->DeliverFoundStop(bridge->effect);
    }

    if (bridge->IsUsable()) RenderAudio(context, *bridge, BlockMidi(context));
    if (callBack != nullptr) callBack->EndBlock();
}

}  // namespace

void RenderCallback(AlgorithmContext* const instancesBegin[], const void* instancesEnd) {
    const auto* end = static_cast<AlgorithmContext* const*>(instancesEnd);
    for (AlgorithmContext* const* entry = instancesBegin; entry < end; ++entry) {
        if (*entry != nullptr && IsLoaded(**entry)) RenderInstance(**entry);
    }
}
