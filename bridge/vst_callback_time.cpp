// The time answer: what the render callback copied from the host transport for this block, in
// the plug-in's time record, and the all-notes-off that tells the plug-in the transport stopped.
#include <cstring>

#include "bridge/midi_event.h"
#include "bridge/vst_callback.h"

namespace {

constexpr char kControlChange = static_cast<char>(0xB0);  // on MIDI channel 1
constexpr char kAllNotesOff = 0x7B;

}  // namespace

VstTimeInfo* VstCallBack::GetTime(AEffect* effect) {
    std::memset(&timeInfo, 0, sizeof timeInfo);
    timeInfo.sampleRate = static_cast<double>(HostSampleRate());

    if (tempoValid.load(std::memory_order_acquire) != 0) {
        timeInfo.tempo = tempo.load(std::memory_order_relaxed);
        timeInfo.flags = kVstTempoValid;
    }
    const int32_t playing = isPlaying.load(std::memory_order_relaxed);
    if (playing != 0) timeInfo.flags |= kVstTransportPlaying;
    const bool stopped = playing == 0 && wasPlaying.load(std::memory_order_relaxed) == 1;
    wasPlaying.store(playing, std::memory_order_relaxed);

    if (meterValid.load(std::memory_order_acquire) != 0) {
        timeInfo.flags |= kVstTimeSigValid;
        timeInfo.timeSigNumerator = meterNumerator.load(std::memory_order_relaxed);
        timeInfo.timeSigDenominator = meterDenominator.load(std::memory_order_relaxed);
    }
    if (playing != 0 && ppqValid.load(std::memory_order_acquire) != 0) {
        timeInfo.flags |= kVstPpqPosValid;
        timeInfo.ppqPos = ppqPosition.load(std::memory_order_relaxed);
        timeInfo.samplePos = static_cast<double>(samplePosition.load(std::memory_order_relaxed));
    }

    if (stopped) SendAllNotesOff(effect);
    return &timeInfo;
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
