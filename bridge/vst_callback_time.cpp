// The time answer: what the render callback copied from the host transport for this block, in
// the plug-in's time record, and the all-notes-off that tells the plug-in the transport stopped.
#include <cstring>

#include "abi/midi.h"
#include "bridge/midi_event.h"
#include "bridge/transport_copy.h"
#include "bridge/vst_callback.h"
#include "platform/platform.h"

namespace {

constexpr char kControlChange = static_cast<char>(0xB0);  // on MIDI channel 1
constexpr char kAllNotesOff = 0x7B;
constexpr auto kRelaxed = std::memory_order_relaxed;
constexpr auto kAcquire = std::memory_order_acquire;

}  // namespace

// The transport fields are stored with release and loaded with acquire, which keeps them
// between the two counts on both sides without a fence.
void VstCallBack::CopyBlockTransport() {
    blockTransportPending_ = false;
    transportSequence_.store(transportSequence_.load(kRelaxed) + 1, kRelaxed);
    ppqValid.store(0, std::memory_order_release);
    meterValid.store(0, std::memory_order_release);
    tempoValid.store(0, std::memory_order_release);
    const AAX_ITransport* transport =
        blockTransportNode_ != nullptr ? blockTransportNode_->GetTransport() : nullptr;
    if (transport != nullptr) CopyTransport(*transport, *this);
    transportSequence_.store(transportSequence_.load(kRelaxed) + 1, std::memory_order_release);
}

VstCallBack::TransportView VstCallBack::ReadTransport() const {
    TransportView view{};
    view.tempoValid = tempoValid.load(kAcquire);
    view.tempo = tempo.load(kAcquire);
    view.playing = isPlaying.load(kAcquire);
    view.meterValid = meterValid.load(kAcquire);
    view.numerator = meterNumerator.load(kAcquire);
    view.denominator = meterDenominator.load(kAcquire);
    view.ppqValid = ppqValid.load(kAcquire);
    view.ppqPosition = ppqPosition.load(kAcquire);
    view.samplePosition = samplePosition.load(kAcquire);
    return view;
}

VstCallBack::TransportView VstCallBack::ReadConsistentTransport() const {
    for (;;) {
        const uint32_t before = transportSequence_.load(kAcquire);
        if ((before & 1u) != 0) continue;
        TransportView view = ReadTransport();
        view.sequence = before;
        if (transportSequence_.load(kRelaxed) == before) return view;
    }
}

void VstCallBack::FillTime(VstTimeInfo& record, const TransportView& transport) const {
    std::memset(&record, 0, sizeof record);
    record.sampleRate = static_cast<double>(HostSampleRate());
    if (transport.tempoValid != 0) {
        record.tempo = transport.tempo;
        record.flags = kVstTempoValid;
    }
    if (transport.playing != 0) record.flags |= kVstTransportPlaying;
    if (transport.meterValid != 0) {
        record.flags |= kVstTimeSigValid;
        record.timeSigNumerator = transport.numerator;
        record.timeSigDenominator = transport.denominator;
    }
    if (transport.playing != 0 && transport.ppqValid != 0) {
        record.flags |= kVstPpqPosValid;
        record.ppqPos = transport.ppqPosition;
        record.samplePos = static_cast<double>(transport.samplePosition);
    }
}

void VstCallBack::MoveOn(VstTimeInfo& record, int32_t frames) {
    if (frames == 0 || (record.flags & kVstPpqPosValid) == 0) return;
    record.samplePos += frames;
    if ((record.flags & kVstTempoValid) != 0 && record.sampleRate > 0.0) {
        record.ppqPos += frames * record.tempo / (60.0 * record.sampleRate);
    }
}

VstTimeInfo* VstCallBack::GetTime(AEffect* effect) {
    timeRequested_.store(true, kRelaxed);
    const uintptr_t renderThread = renderThread_.load(kRelaxed);
    const uintptr_t thisThread = platform::CurrentThreadToken();
    // Before the first block no thread is the render thread, and a request then may race the
    // first block's own: only the render thread writes the block's record.
    if (renderThread != thisThread) {
        VstTimeInfo* const record = OtherThreadRecord(thisThread);
        if (record == nullptr) return nullptr;
        const TransportView transport = ReadConsistentTransport();
        if (SeeTransport(transport)) stopFound_.store(true, kRelaxed);
        FillTime(*record, transport);
        return record;
    }

    if (renderThread == thisThread && blockTransportPending_) CopyBlockTransport();
    TransportView transport = ReadTransport();
    // No block is writing the fields meanwhile, so the count is even.
    transport.sequence = transportSequence_.load(kRelaxed);
    const bool stopped = SeeTransport(transport);
    FillTime(timeInfo, transport);
    MoveOn(timeInfo, sliceOffset_.load(kRelaxed));
    if (stopped) SendAllNotesOff(effect);
    return &timeInfo;
}

bool VstCallBack::SeeTransport(const TransportView& transport) {
    const uint64_t seen = (uint64_t{transport.sequence} << 1) | (transport.playing != 0 ? 1u : 0u);
    uint64_t last = seenTransport_.load(kRelaxed);
    do {
        // Older by less than half the count's range is older: the count wraps after 2^31 blocks.
        const auto lastSequence = static_cast<uint32_t>(last >> 1);
        if (static_cast<int32_t>(transport.sequence - lastSequence) < 0) return false;
    } while (!seenTransport_.compare_exchange_weak(last, seen, kRelaxed));
    return (last & 1u) != 0 && transport.playing == 0;
}

int32_t VstCallBack::WasPlaying() const {
    return static_cast<int32_t>(seenTransport_.load(kRelaxed) & 1u);
}

void VstCallBack::SendFoundStop(AEffect* effect) {
    if (stopFound_.exchange(false, kRelaxed)) SendAllNotesOff(effect);
}

VstTimeInfo* VstCallBack::OtherThreadRecord(uintptr_t thread) {
    // A request comes from the plug-in's own code: no exception may reach it.
    try {
        std::lock_guard lock(otherThreadRecordsMutex_);
        // The map's elements stay where they are when it grows.
        return &otherThreadRecords_.try_emplace(thread).first->second;
    } catch (...) {
        return nullptr;
    }
}

void VstCallBack::SendAllNotesOff(AEffect* effect) {
    VstMidiEvent& event = noteOffBuffer[0];
    event = MakeMidiEvent();
    event.midiData[0] = kControlChange;
    event.midiData[1] = kAllNotesOff;

    VstEvents events{};
    events.numEvents = 1;
    events.events[0] = reinterpret_cast<VstEvent*>(&event);
    effect->dispatcher(effect, effProcessEvents, 0, 0, &events, 0.0f);
}
