#include "bridge/vst_callback.h"

#include "bridge/parameter_identity.h"
#include "host/aax_controller.h"
#include "platform/platform.h"

VstCallBack::VstCallBack(AAXWrapper_Parameters* owner)
    : parameters(owner), noteOffBuffer(new VstMidiEvent[kNoteOffBufferSize]()) {}

VstCallBack::~VstCallBack() = default;

intptr_t VstCallBack::HandleHostRequest(AEffect* effect, int32_t opcode, int32_t index,
                                        intptr_t /*value*/, void* /*ptr*/, float opt) {
    switch (opcode) {
        case audioMasterAutomate:
        case audioMasterBeginEdit:
        case audioMasterEndEdit:
            if (InsideRenderBlock()) {
                reports_.Push(
                    PlugInReport{opcode, index, opcode == audioMasterAutomate ? opt : 0.0f});
            } else {
                IdentifierBuffer identifier;
                ForwardAutomation(effect, opcode, index, opt, identifier);
            }
            return 0;
        case audioMasterGetTime:
            return reinterpret_cast<intptr_t>(GetTime(effect));
        case audioMasterGetSampleRate:
            effect->dispatcher(effect, effSetSampleRate, 0, 0, nullptr, HostSampleRate());
            return 0;
        case audioMasterUpdateDisplay:
            UpdateDisplay(effect);
            return 0;
        default:
            // audioMasterSizeWindow among them: the editor keeps the size it was opened with.
            return 0;
    }
}

float VstCallBack::HostSampleRate() const {
    // The controller is a host object that may allocate or lock, which the render thread must
    // not: there the rate is the one learned last. A default taken while no controller is
    // attached is never learned, nor would it be the rate the plug-in was given.
    if (renderThread_.load(std::memory_order_relaxed) != platform::CurrentThreadToken()) {
        AAX_IController* const source = controller.load(std::memory_order_acquire);
        float rate = 0.0f;
        if (source != nullptr && source->GetSampleRate(&rate) == AAX_SUCCESS) {
            knownSampleRate_.store(rate, std::memory_order_relaxed);
            return rate;
        }
    }
    return knownSampleRate_.load(std::memory_order_relaxed);
}

void VstCallBack::LearnSampleRate(float rate) {
    knownSampleRate_.store(rate, std::memory_order_relaxed);
}

void VstCallBack::IdentifyParameter(AEffect* effect, int32_t index, IdentifierBuffer& identifier) {
    // A plug-in that writes nothing must not leave the last parameter's identifier behind.
    identifier[0] = '\0';
    effect->dispatcher(effect, effGetParamIdentifier, index, 0, identifier, 0.0f);
    // The plug-in is not told the buffer's size; a text that fills it is cut, never read past.
    identifier[kParamIdBufferSize - 1] = '\0';
    FillMissingIdentifier(index, identifier, sizeof identifier);
}

void VstCallBack::ForwardAutomation(AEffect* effect, int32_t opcode, int32_t index, float opt,
                                    IdentifierBuffer& identifier) {
    IdentifyParameter(effect, index, identifier);
    if (automationTarget == nullptr) return;
    if (opcode == audioMasterAutomate) {
        automationTarget->PlugInAutomated(identifier, opt);
    } else if (opcode == audioMasterBeginEdit) {
        automationTarget->PlugInBeganEdit(identifier);
    } else {
        automationTarget->PlugInEndedEdit(identifier);
    }
}

bool VstCallBack::InsideRenderBlock() const {
    return renderThread_.load(std::memory_order_relaxed) == platform::CurrentThreadToken() &&
           insideBlock_.load(std::memory_order_relaxed);
}

void VstCallBack::DeliverQueuedReports(AEffect* effect) {
    if (effect == nullptr) return;
    struct Delivery {
        VstCallBack* self;
        AEffect* effect;
        IdentifierBuffer identifier;
    } delivery{this, effect, {}};
    reports_.DeliverAll(
        [](void* context, const PlugInReport& report) {
            auto* to = static_cast<Delivery*>(context);
            to->self->ForwardAutomation(to->effect, report.opcode, report.index, report.value,
                                        to->identifier);
        },
        &delivery);
}

void VstCallBack::UpdateDisplay(AEffect* effect) {
    IdentifierBuffer identifier;
    for (int32_t index = 0; index < effect->numParams; ++index) {
        IdentifyParameter(effect, index, identifier);
        if (editor != nullptr) editor->PlugInParameterChanged(identifier);
    }
}
