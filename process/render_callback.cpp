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

// The usual block: one processReplacing of the whole length, its MIDI before it.
void RenderWhole(const AlgorithmContext& context, VstInterface& bridge, const MidiStream* midi) {
    const int32_t inputCount = *context.inputChannelCount;
    const int32_t outputCount = *context.outputChannelCount;
    const int32_t frames = *context.bufferLength;
    if (midi != nullptr) ForwardMidi(*midi, bridge, 0, 0, true);
    ChannelLayout& layout = bridge.channels;
    if (layout.Arrange(context.audioInputs, inputCount, context.audioOutputs, outputCount, 0,
                       frames)) {
        bridge.effect->processReplacing(bridge.effect, layout.Inputs(), layout.Outputs(), frames);
        layout.CompleteOutputs(context.audioOutputs, outputCount, frames);
    } else {
        ChannelLayout::Silence(context.audioOutputs, outputCount, frames);
    }
}

// A block longer than the buffers that stand in for channels the host lacks: processReplacing in
// slices of at most their length. Each slice gets its own MIDI just before it, and its time
// requests see the transport moved on to it.
void RenderInSlices(const AlgorithmContext& context, VstInterface& bridge, const MidiStream* midi,
                    int32_t limit) {
    const int32_t inputCount = *context.inputChannelCount;
    const int32_t outputCount = *context.outputChannelCount;
    const int32_t frames = *context.bufferLength;
    ChannelLayout& layout = bridge.channels;
    for (int32_t offset = 0; offset < frames;) {
        const int32_t length = frames - offset < limit ? frames - offset : limit;
        const bool lastSlice = offset + length >= frames;
        if (!layout.Arrange(context.audioInputs, inputCount, context.audioOutputs, outputCount,
                            offset, length)) {
            ChannelLayout::Silence(context.audioOutputs, outputCount, frames);
            break;
        }
        if (midi != nullptr) {
            ForwardMidi(*midi, bridge, static_cast<uint32_t>(offset),
                        static_cast<uint32_t>(offset + length), lastSlice);
        }
        if (bridge.callBack != nullptr) bridge.callBack->SetSliceOffset(offset);
        bridge.effect->processReplacing(bridge.effect, layout.Inputs(), layout.Outputs(), length);
        offset += length;
        if (lastSlice) layout.CompleteOutputs(context.audioOutputs, outputCount, frames);
    }
    if (bridge.callBack != nullptr) bridge.callBack->SetSliceOffset(0);
}

void RenderInstance(const AlgorithmContext& context) {
    auto* bridge = static_cast<VstInterface*>(*context.vstInterface);
    if (bridge == nullptr) return;
    VstCallBack* callBack = bridge->callBack;
    if (callBack != nullptr) callBack->BeginBlock(context.transportNode);

    if (bridge->IsUsable()) {
        if (callBack != nullptr) callBack->DeliverFoundStop(bridge->effect);
        const int32_t limit =
            bridge->channels.SliceLimit(*context.inputChannelCount, *context.outputChannelCount);
        if (*context.bufferLength <= limit) {
            RenderWhole(context, *bridge, BlockMidi(context));
        } else {
            RenderInSlices(context, *bridge, BlockMidi(context), limit);
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
