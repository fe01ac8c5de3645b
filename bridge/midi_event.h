// The MIDI event record that the wrapper hands to the plug-in: every field zero except the type
// and a byteSize of 24, as the plug-in expects from this host.
#pragma once

#include "abi/vst2.h"

inline constexpr int32_t kMidiEventByteSize = 24;

inline VstMidiEvent MakeMidiEvent() {
    VstMidiEvent event{};
    event.type = kVstMidiType;
    event.byteSize = kMidiEventByteSize;
    return event;
}
