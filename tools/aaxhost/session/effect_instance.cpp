#include "tools/aaxhost/session/effect_instance.h"

#include <algorithm>
#include <cstring>

#include "abi/chunk.h"
#include "abi/host_automation_delegate.h"
#include "abi/host_transport.h"
#include "tools/aaxhost/objects/host_string.h"

namespace aaxhost {
namespace {

constexpr int32_t kTransportNodeType = kMidiNodeTypeTransport;
// How often a save asks for a chunk that grew between its size and its bytes. A burst of edits
// from another thread grew a text chunk up to seven times running in a validation run.
constexpr int kSaveAttempts = 32;

// A chunk record in storage aligned for its integer fields.
class ChunkRecord {
  public:
    explicit ChunkRecord(size_t dataSize)
        : mWords((kChunkHeaderSize + dataSize + sizeof(uint64_t) - 1) / sizeof(uint64_t) + 1) {}
    AAX_SPlugInChunk* Get() { return reinterpret_cast<AAX_SPlugInChunk*>(mWords.data()); }

  private:
    std::vector<uint64_t> mWords;
};

// Created objects start with no reference; one the host does not keep is deleted by taking and
// giving back a reference.
void Discard(IACFUnknown* object) {
    object->AddRef();
    object->Release();
}

}  // namespace

EffectInstance::EffectInstance(ModuleSession& module, const InstanceOptions& options)
    : mModule(module), mChannels(options.channels) {
    const Component* component = module.ComponentFor(options.channels);
    if (component == nullptr || component->processProcedures.empty()) {
        mFailure = "the module declares no component with " + std::to_string(options.channels) +
                   " channels";
        return;
    }
    mRenderProc = component->processProcedures.front().procedure;
    if (mRenderProc == nullptr || !LayOutContext(*component)) {
        mFailure = "the component's process procedure or algorithm context cannot be used";
        return;
    }
    const auto& properties = component->processProcedures.front().properties;
    const StemFormat format =
        properties ? FindProperty(*properties, kPropertyInputStemFormat).value_or(0) : 0;
    for (CallLog* log :
         {&mController.Log(), &mAutomation.Log(), &mHostTransport.Log(), &mView.Log()}) {
        log->SetRecording(options.recordCalls);
    }
    mController.SetSampleRate(options.sampleRate);
    mController.SetStemFormats(format, format);
    mController.Lend(IID_HostAutomationDelegate, mAutomation.Unknown());
    mController.Lend(IID_HostTransport, mHostTransport.Unknown());
    mController.Lend(IID_HostTransportV2, mHostTransport.Unknown());
    mTransport.state.sampleRate = options.sampleRate;

    const CreationProc create = module.CreationProcedure(kProcIDEffectParameters);
    IACFUnknown* object = create != nullptr ? create() : nullptr;
    if (object == nullptr) {
        mFailure = "creation procedure 0 made no effect-parameters object";
        return;
    }
    void* answer = nullptr;
    if (object->QueryInterface(IID_AAX_IACFEffectParameters_V2, &answer) != AAX_SUCCESS ||
        answer == nullptr) {
        Discard(object);
        mFailure = "the created object is no effect-parameters object";
        return;
    }
    mEffect = static_cast<AAX_IACFEffectParameters_V2*>(answer);
    // The editor finds the instance's effect parameters through the controller.
    mController.Lend(IID_AAX_IACFEffectParameters, mEffect);
    mController.Lend(IID_AAX_IACFEffectParameters_V2, mEffect);
    mAutomation.AnswerSetRequests(mEffect, options.answer);

    const Result initialized = mEffect->Initialize(mController.Unknown());
    if (initialized != AAX_SUCCESS) {
        mFailure = "Initialize failed with " + std::to_string(initialized);
        return;
    }
    Service();
}

EffectInstance::~EffectInstance() {
    Close();
}

void EffectInstance::Close() {
    if (mEffect == nullptr) return;
    ReleaseEditor();
    mAutomation.AnswerSetRequests(nullptr, SetRequestAnswer::kNone);
    mEffect->Uninitialize();
    mController.Lend(IID_AAX_IACFEffectParameters, nullptr);
    mController.Lend(IID_AAX_IACFEffectParameters_V2, nullptr);
    mEffect->Release();
    mEffect = nullptr;
}

bool EffectInstance::LayOutContext(const Component& component) {
    uint32_t last = kAlgorithmFieldCount - 1;
    for (const DeclaredField& field : component.fields) last = std::max(last, field.index);
    if (last > 255) return false;
    mFields.assign(last + 1, nullptr);
    mInputs.assign(static_cast<size_t>(mChannels), nullptr);
    mOutputs.assign(static_cast<size_t>(mChannels), nullptr);

    std::vector<DataPort> ports;
    for (const DeclaredField& field : component.fields) {
        switch (field.kind) {
            case DeclaredField::Kind::kAudioIn:
                mFields[field.index] = mInputs.data();
                break;
            case DeclaredField::Kind::kAudioOut:
                mFields[field.index] = mOutputs.data();
                break;
            case DeclaredField::Kind::kBufferLength:
                mFields[field.index] = &mFrames;
                break;
            case DeclaredField::Kind::kDataInPort:
                ports.push_back({field.index, field.packetSize});
                break;
            case DeclaredField::Kind::kMidiNode:
                mFields[field.index] = field.nodeType == kTransportNodeType
                                           ? static_cast<MidiNode*>(&mTransportNode)
                                           : static_cast<MidiNode*>(&mMidiInput);
                break;
            case DeclaredField::Kind::kSideChainIn:
            case DeclaredField::Kind::kOther:
                break;
        }
    }
    mController.ConnectContext(*reinterpret_cast<AlgorithmContext*>(mFields.data()), ports);
    return true;
}

Result EffectInstance::Service() {
    mAutomation.Pump();
    return mEffect->GenerateCoefficients();
}

void EffectInstance::SetBlock(const float* const* inputs, float* const* outputs, int32_t frames) {
    for (int32_t channel = 0; channel < mChannels; ++channel) {
        mInputs[static_cast<size_t>(channel)] = const_cast<float*>(inputs[channel]);
        mOutputs[static_cast<size_t>(channel)] = outputs[channel];
    }
    mFrames = std::min(frames, kMaxFrames);
}

void EffectInstance::Render(const float* const* inputs, float* const* outputs, int32_t frames) {
    SetBlock(inputs, outputs, frames);
    AlgorithmContext* const instances[] = {Context()};
    mRenderProc(instances, instances + 1);
    if (mTransport.state.playing) mTransport.state.sampleLocation += mFrames;
}

std::vector<std::string> EffectInstance::ParameterIdentifiers() const {
    std::vector<std::string> identifiers;
    int32_t count = 0;
    if (mEffect->GetNumberOfParameters(&count) != AAX_SUCCESS) return identifiers;
    for (int32_t index = 0; index < count; ++index) {
        HostString identifier;
        if (mEffect->GetParameterIDFromIndex(index, &identifier) == AAX_SUCCESS) {
            identifiers.push_back(identifier.Text());
        }
    }
    return identifiers;
}

Result EffectInstance::ChangeSampleRate(float sampleRate) {
    if (mEffect == nullptr) return AAX_ERROR_NULL_OBJECT;
    const Result uninitialized = mEffect->Uninitialize();
    if (uninitialized != AAX_SUCCESS) return uninitialized;
    mController.SetSampleRate(sampleRate);
    mTransport.state.sampleRate = sampleRate;
    const Result initialized = mEffect->Initialize(mController.Unknown());
    if (initialized == AAX_SUCCESS) Service();
    return initialized;
}

Result EffectInstance::SaveState(SavedState& state) const {
    TypeCode chunkID = 0;
    Result result = mEffect->GetChunkIDFromIndex(0, &chunkID);
    if (result != AAX_SUCCESS) return result;
    // A plug-in edited from another thread may grow its chunk between the size and the chunk;
    // the effect then refuses to overfill the record, and the size is asked again.
    for (int attempt = 0; attempt < kSaveAttempts; ++attempt) {
        uint32_t size = 0;
        result = mEffect->GetChunkSize(chunkID, &size);
        if (result != AAX_SUCCESS) return result;
        ChunkRecord record(size);
        result = mEffect->GetChunk(chunkID, record.Get());
        if (result == AAX_ERROR_INCORRECT_CHUNK_SIZE) continue;
        if (result != AAX_SUCCESS) return result;
        const int32_t written = record.Get()->fSize;
        if (written < 0 || static_cast<uint32_t>(written) > size) {
            return AAX_ERROR_INCORRECT_CHUNK_SIZE;
        }
        state.chunkID = chunkID;
        state.data.assign(record.Get()->fData, record.Get()->fData + written);
        return AAX_SUCCESS;
    }
    return result;
}

Result EffectInstance::LoadState(const SavedState& state) {
    if (state.data.size() > 0x7FFFFFFFu - kChunkHeaderSize) return AAX_ERROR_INCORRECT_CHUNK_SIZE;
    ChunkRecord record(state.data.size());
    AAX_SPlugInChunk* chunk = record.Get();
    chunk->fSize = static_cast<int32_t>(state.data.size());
    chunk->fChunkID = state.chunkID;
    if (!state.data.empty()) std::memcpy(chunk->fData, state.data.data(), state.data.size());
    return mEffect->SetChunk(state.chunkID, chunk);
}

Result EffectInstance::MakeEditor() {
    if (mEditor != nullptr) return AAX_SUCCESS;
    const CreationProc create = mModule.CreationProcedure(kProcIDEffectGUI);
    IACFUnknown* object = create != nullptr ? create() : nullptr;
    if (object == nullptr) return AAX_ERROR_NULL_OBJECT;
    void* answer = nullptr;
    if (object->QueryInterface(IID_AAX_IACFEffectGUI, &answer) != AAX_SUCCESS ||
        answer == nullptr) {
        Discard(object);
        return AAX_ERROR_NULL_OBJECT;
    }
    mEditor = static_cast<AAX_IACFEffectGUI*>(answer);
    const Result initialized = mEditor->Initialize(mController.Unknown());
    if (initialized != AAX_SUCCESS) ReleaseEditor();
    return initialized;
}

Result EffectInstance::OpenEditor(int32_t type, void* nativeView) {
    const Result made = MakeEditor();
    if (made != AAX_SUCCESS) return made;
    mView.SetNativeView(type, nativeView);
    mEditorAttached = true;
    return mEditor->SetViewContainer(mView.Unknown());
}

Result EffectInstance::IdleEditor() {
    return mEditor != nullptr ? mEditor->TimerWakeup() : AAX_ERROR_NULL_OBJECT;
}

Result EffectInstance::EditorSize(AAX_Point& size) const {
    return mEditor != nullptr ? mEditor->GetViewSize(&size) : AAX_ERROR_NULL_OBJECT;
}

Result EffectInstance::CloseEditor() {
    if (mEditor == nullptr || !mEditorAttached) return AAX_SUCCESS;
    mEditorAttached = false;
    return mEditor->SetViewContainer(nullptr);
}

void EffectInstance::ReleaseEditor() {
    if (mEditor == nullptr) return;
    CloseEditor();
    mEditor->Uninitialize();
    mEditor->Release();
    mEditor = nullptr;
}

int64_t EffectInstance::OutstandingReferences() const {
    return mController.OutstandingReferences() + mAutomation.OutstandingReferences() +
           mHostTransport.OutstandingReferences() + mView.OutstandingReferences();
}

}  // namespace aaxhost
