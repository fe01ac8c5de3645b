// One instance of the module's effect, hosted as a workstation hosts it: the effect-parameters
// object made by creation procedure 0 and initialised with the host's controller (which is also
// the instance's data ports, automation service and transport), the algorithm context laid out
// from the component's declared fields, and, on request, the editor made by creation procedure 1
// in a host view.
//
// Threads: construction, Service, the parameter, state and editor calls and destruction on one
// host thread; Render on the real-time thread, never at the same time as construction or
// destruction. Render allocates nothing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "abi/effect_gui.h"
#include "abi/effect_parameters.h"
#include "tools/aaxhost/objects/algorithm_nodes.h"
#include "tools/aaxhost/objects/automation_delegate.h"
#include "tools/aaxhost/objects/controller.h"
#include "tools/aaxhost/objects/transport.h"
#include "tools/aaxhost/objects/view_container.h"
#include "tools/aaxhost/session/module_session.h"

namespace aaxhost {

struct InstanceOptions {
    int32_t channels = 2;  // 1 or 2: the component with that stem format
    float sampleRate = 44100.0f;
    // How the host answers the effect's set requests; queued answers are delivered by Service.
    SetRequestAnswer answer = SetRequestAnswer::kQueued;
    // Whether the instance's host objects record the calls they receive. A host that renders in
    // real time turns it off: recording allocates, on whichever thread the module calls from.
    bool recordCalls = true;
};

// The effect's saved state: the chunk identifier and the chunk's data area.
struct SavedState {
    TypeCode chunkID = 0;
    std::vector<unsigned char> data;
};

class EffectInstance {
  public:
    // Creates and initialises the effect; Ready() tells whether it worked, Failure() why not.
    EffectInstance(ModuleSession& module, const InstanceOptions& options);
    // Closes the editor, uninitialises the effect and gives back the host's reference.
    ~EffectInstance();
    EffectInstance(const EffectInstance&) = delete;
    EffectInstance& operator=(const EffectInstance&) = delete;
    // Does what destruction does, ahead of it, so that a host can check afterwards that every
    // reference came back; Ready() is false from then on. Closing again does nothing.
    void Close();

    bool Ready() const { return mEffect != nullptr && mFailure.empty(); }
    const std::string& Failure() const { return mFailure; }
    int32_t Channels() const { return mChannels; }
    AAX_IACFEffectParameters_V2& Effect() const { return *mEffect; }

    // Between blocks, on the host thread: answers queued set requests, then lets the effect post
    // its changed packets. Returns GenerateCoefficients' result.
    Result Service();
    // One block of `frames` samples, `Channels()` buffers each way; frames at most kMaxFrames.
    void Render(const float* const* inputs, float* const* outputs, int32_t frames);
    static constexpr int32_t kMaxFrames = 16384;
    // Render in two steps, for a host that renders several instances in one call of the process
    // procedure: SetBlock lays the block into the context, the procedure takes Context().
    void SetBlock(const float* const* inputs, float* const* outputs, int32_t frames);
    AlgorithmContext* Context() { return reinterpret_cast<AlgorithmContext*>(mFields.data()); }
    ProcessProc RenderProcedure() const { return mRenderProc; }

    NodeTransport& Transport() { return mTransport; }
    HostMidiNode& MidiInput() { return mMidiInput; }

    // Parameters by index, as a host lists them.
    std::vector<std::string> ParameterIdentifiers() const;

    // The host's rate change, made while no block renders: the effect uninitialised and
    // initialised again at `sampleRate`, the way a workstation does it.
    Result ChangeSampleRate(float sampleRate);

    // The effect's chunk, asked again when it grows between its size and its bytes.
    Result SaveState(SavedState& state) const;
    Result LoadState(const SavedState& state);

    // Makes and initialises the editor object, once, without a view, so that a host can ask its
    // size before it makes the view.
    Result MakeEditor();
    // The editor in a view of `type` holding `nativeView`. Opening makes the editor object if
    // needed and attaches the view; closing detaches it.
    Result OpenEditor(int32_t type, void* nativeView);
    Result IdleEditor();
    Result EditorSize(AAX_Point& size) const;
    Result CloseEditor();

    // Whether every reference the module took on this instance's host objects came back; true
    // only after destruction has begun or before anything was handed out.
    int64_t OutstandingReferences() const;
    // The instance's host objects, for a host that answers otherwise from then on.
    StandInController& Controller() { return mController; }
    const StandInController& Controller() const { return mController; }
    StandInViewContainer& View() { return mView; }
    StandInAutomationDelegate& Automation() { return mAutomation; }

  private:
    // Lays the context out from the component's declarations; false for a field it cannot fill.
    bool LayOutContext(const Component& component);
    void ReleaseEditor();

    ModuleSession& mModule;
    int32_t mChannels;
    std::string mFailure;
    ProcessProc mRenderProc = nullptr;

    StandInController mController;
    StandInAutomationDelegate mAutomation;
    StandInTransport mHostTransport;
    StandInViewContainer mView;
    NodeTransport mTransport;
    HostMidiNode mTransportNode{&mTransport};
    HostMidiNode mMidiInput;

    // The algorithm context: field N at position N, as many fields as the component declares.
    std::vector<void*> mFields;
    std::vector<float*> mInputs;
    std::vector<float*> mOutputs;
    int32_t mFrames = 0;

    AAX_IACFEffectParameters_V2* mEffect = nullptr;
    AAX_IACFEffectGUI* mEditor = nullptr;
    bool mEditorAttached = false;
};

}  // namespace aaxhost
