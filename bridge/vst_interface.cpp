#include "bridge/vst_interface.h"

#include "bridge/midi_event.h"

VstInterface::VstInterface() : eventBuffer(new VstMidiEvent[kEventBufferSize]) {
    for (int32_t i = 0; i < kEventBufferSize; ++i) eventBuffer[i] = MakeMidiEvent();
}

// The plug-in is closed without effMainsChanged 0: it never hears that processing stopped.
VstInterface::~VstInterface() {
    active.store(0, std::memory_order_relaxed);
    if (effect != nullptr) effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f);
    eventBuffer.reset();
    effect = nullptr;
}

void VstInterface::OpenEditor(void* window) {
    if (IsUsable()) effect->dispatcher(effect, effEditGetRect, 0, 0, &editorRect, 0.0f);
    if (IsUsable()) effect->dispatcher(effect, effEditOpen, 0, 0, window, 0.0f);
}
