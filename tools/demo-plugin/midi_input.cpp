// effProcessEvents: what MIDI does to the demo plug-in.
#include "tools/demo-plugin/instance.h"

namespace vq318demo {
namespace {

constexpr unsigned char kNoteOn = 0x90;
constexpr unsigned char kControlChange = 0xB0;
constexpr unsigned char kModulationWheel = 1;

// A change made from inside reaches the host as one complete edit, as a knob turn would.
void ReportEdit(Instance& instance, int32_t index, float value) {
    CallHost(instance, audioMasterBeginEdit, index, 0, nullptr, 0.0f);
    CallHost(instance, audioMasterAutomate, index, 0, nullptr, value);
    CallHost(instance, audioMasterEndEdit, index, 0, nullptr, 0.0f);
}

void ReceiveMidi(Instance& instance, const VstMidiEvent& event) {
    const auto status = static_cast<unsigned char>(event.midiData[0] & 0xF0);
    const auto data1 = static_cast<unsigned char>(event.midiData[1] & 0x7F);
    const auto data2 = static_cast<unsigned char>(event.midiData[2] & 0x7F);
    if (status == kNoteOn && data2 > 0) {
        instance.restarts.Add(event.deltaFrames);
    } else if (status == kControlChange && data1 == kModulationWheel) {
        const float depth = static_cast<float>(data2) / 127.0f;
        if (instance.parameters.Set(kDepth, depth)) ReportEdit(instance, kDepth, depth);
    }
}

}  // namespace

intptr_t ReceiveEvents(Instance& instance, const VstEvents* events) {
    if (events == nullptr) return 0;
    // A sender with more than two events allocates a longer list than the record declares.
    const VstEvent* const* list = events->events;
    for (int32_t i = 0; i < events->numEvents; ++i) {
        const VstEvent* event = list[i];
        if (event == nullptr || event->type != kVstMidiType) continue;
        ReceiveMidi(instance, *reinterpret_cast<const VstMidiEvent*>(event));
    }
    return 1;
}

}  // namespace vq318demo
