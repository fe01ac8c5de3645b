#include "bridge/vst_interface.h"

#include "bridge/midi_event.h"
#include "bridge/vst_callback.h"

VstInterface::VstInterface() : eventBuffer(new VstMidiEvent[kEventBufferSize]) {
    for (int32_t i = 0; i < kEventBufferSize; ++i) eventBuffer[i] = MakeMidiEvent();
}

// The plug-in is closed without effMainsChanged 0: it never hears that processing stopped.
VstInterface::~VstInterface() {
    active.store(0, std::memory_order_relaxed);
    if (effect != nullptr) {
        // A plug-in that calls its host from inside effClose finds no instance behind it, so no
        // answer (a sample rate sent, an identifier asked) reaches a plug-in that is closing.
        effect->user = nullptr;
        effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f);
    }
    eventBuffer.reset();
    effect = nullptr;
}

void VstInterface::Attach(AEffect* loaded) {
    effect = loaded;
    if (loaded == nullptr) return;
    loaded->user = callBack;
    if (callBack != nullptr) callBack->PrepareReports(loaded->numParams);
    channels.Prepare(loaded->numInputs, loaded->numOutputs);
}

void VstInterface::OpenEditor(void* window) {
    Dispatch(effEditGetRect, 0, 0, &editorRect);
    Dispatch(effEditOpen, 0, 0, window);
}

intptr_t VstInterface::Dispatch(int32_t opcode, int32_t index, intptr_t value, void* ptr,
                                float opt) {
    return IsUsable() ? effect->dispatcher(effect, opcode, index, value, ptr, opt) : 0;
}

float VstInterface::GetParameter(int32_t index) {
    return IsUsable() ? effect->getParameter(effect, index) : 0.0f;
}

void VstInterface::SetParameter(int32_t index, float value) {
    if (IsUsable()) effect->setParameter(effect, index, value);
}
