#include "parameters/aaxwrapper_parameters.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "abi/algorithm_context.h"
#include "bridge/parameter_identity.h"
#include "bridge/plugin_loader.h"
#include "parameters/aax_binary_display_delegate.h"
#include "parameters/aax_binary_taper_delegate.h"
#include "parameters/aax_packet_handler.h"
#include "parameters/aax_parameter.h"
#include "parameters/narrow_to_float.h"

namespace {

// The low 12 bits of a stem format are its channel count.
constexpr int32_t kStemChannelMask = 0xFFF;

// The parameter whose host value this thread is about to hand to the plug-in. A report of that
// parameter before the plug-in has the value (from inside the index lookup) is overtaken by it.
thread_local const AAX_IParameter* handingOver = nullptr;

// Hand-overs to the plug-in running on this thread, each nested in the plug-in's report from the
// one before. A plug-in whose setParameter reports a value other than the one it was given
// would, with a host that answers at once, be handed the two in turn without end; a snapped
// value needs one nesting, so a few are allowed.
thread_local int32_t nestedHandOvers = 0;
constexpr int32_t kMaxNestedHandOvers = 4;

}  // namespace

AAXWrapper_Parameters::AAXWrapper_Parameters()
    : mVstInterface(std::make_unique<VstInterface>()),
      mCallBack(std::make_unique<VstCallBack>(this)) {
    mVstInterface->callBack = mCallBack.get();
    try {
        mVstInterface->Attach(LoadWrappedPlugin());
    } catch (...) {
        // As on destruction: the plug-in is closed while its host callback still answers.
        mVstInterface.reset();
        throw;
    }
    if (mVstInterface->effect != nullptr) {
        mPluginLoaded = 1;
        mFirstRestoreChunkSize = 0;
    }
    mCallBack->automationTarget = this;
    mCallBack->controller = Controller();
}

AAXWrapper_Parameters::~AAXWrapper_Parameters() {
    mVstInterface.reset();
    mCallBack.reset();
}

Result AAXWrapper_Parameters::InternalQueryInterface(const InterfaceId& iid, void** out) {
    if (out != nullptr && iid == IID_AAXWrapper_Parameters) {
        *out = this;
        AddRef();
        return AAX_SUCCESS;
    }
    return AAX_CEffectParameters::InternalQueryInterface(iid, out);
}

Result AAXWrapper_Parameters::Uninitialize() {
    DeliverPlugInReports();
    mCallBack->controller = nullptr;
    {
        std::lock_guard lock(mRefreshMutex);
        mRefreshing.clear();  // the mirrors go now
    }
    mSetRequests.Clear();
    return AAX_CEffectParameters::Uninitialize();
}

Result AAXWrapper_Parameters::EffectInit() {
    if (mPluginLoaded == 0) {
        Post(kFieldPluginLoaded, &mPluginLoaded, sizeof mPluginLoaded);
        return AAX_SUCCESS;
    }
    mCallBack->controller = Controller();

    float sampleRate = static_cast<float>(VstCallBack::kDefaultSampleRate);
    if (Controller() != nullptr) Controller()->GetSampleRate(&sampleRate);
    mCallBack->LearnSampleRate(sampleRate);
    mVstInterface->Dispatch(effSetSampleRate, 0, 0, nullptr, std::trunc(sampleRate));

    mBypassParamId = kMasterBypassID;
    OwnedParameter bypass(new AAX_CParameter<bool>(
        kMasterBypassID, AAX_CString("Master Bypass"), false, AAX_CBinaryTaperDelegate<bool>(),
        AAX_CBinaryDisplayDelegate<bool>("bypass", "on"), true));
    bypass->SetNumberOfSteps(2);
    bypass->SetType(0);
    AdoptParameter(std::move(bypass));
    char bypassIdentifier[sizeof "MasterBypassID"];
    std::memcpy(bypassIdentifier, kMasterBypassID, sizeof bypassIdentifier);
    mVstInterface->Dispatch(effSetBypassParamIdentifier, 0, 0, bypassIdentifier);

    OpenReadingParameters(
        *mVstInterface,
        [](void* self, const PlugInParameterInfo& info) {
            static_cast<AAXWrapper_Parameters*>(self)->AdoptParameter(MakeMirrorParameter(info));
        },
        this);
    mVstInterface->Dispatch(effMainsChanged, 0, 1);
    PacketDispatcher().RegisterPacket(
        kMasterBypassID, kFieldMasterBypass,
        AAX_CPacketHandler<AAX_CPacketDispatcher>(
            &PacketDispatcher(), &AAX_CPacketDispatcher::GenerateSingleValuePacket));

    int32_t inputFormat = 0;
    int32_t outputFormat = 0;
    if (Controller() != nullptr) {
        Controller()->GetInputStemFormat(&inputFormat);
        Controller()->GetOutputStemFormat(&outputFormat);
    }
    const int32_t inputChannels = inputFormat & kStemChannelMask;
    const int32_t outputChannels = outputFormat & kStemChannelMask;
    VstInterface* const bridge = mVstInterface.get();
    Post(kFieldInputChannelCount, &inputChannels, sizeof inputChannels);
    Post(kFieldOutputChannelCount, &outputChannels, sizeof outputChannels);
    Post(kFieldVstInterface, &bridge, sizeof bridge);
    Post(kFieldPluginLoaded, &mPluginLoaded, sizeof mPluginLoaded);
    return AAX_SUCCESS;
}

Result AAXWrapper_Parameters::UpdateParameterNormalizedValue(ParameterId id, double value,
                                                             int32_t /*source*/) {
    DeliverPlugInReports();
    AAX_IParameter* parameter = ParameterManager().GetParameterByID(id);
    if (parameter == nullptr) return AAX_ERROR_INVALID_PARAMETER_ID;
    parameter->UpdateNormalizedValue(value);
    if (mPluginLoaded == 0) return AAX_SUCCESS;
    if (std::strcmp(id, mBypassParamId.Get()) == 0) {
        mVstInterface->Dispatch(effSetBypass, 0, value > 0.0 ? 1 : 0);
        return AAX_SUCCESS;
    }
    const AAX_IParameter* const outer = handingOver;
    handingOver = parameter;
    const int32_t index = PlugInParameterIndex(*mVstInterface, id);
    handingOver = outer;
    if (index < 0) return AAX_SUCCESS;
    // Both settle their requests, whatever the other says.
    const bool refreshed = AnswersRefresh(*parameter, index, value);
    const bool current = mSetRequests.Answer(parameter, value);
    if (!refreshed && current && nestedHandOvers < kMaxNestedHandOvers) {
        ++nestedHandOvers;
        mVstInterface->SetParameter(index, NarrowToFloat(value));
        --nestedHandOvers;
    }
    return AAX_SUCCESS;
}

Result AAXWrapper_Parameters::GenerateCoefficients() {
    DeliverPlugInReports();
    return AAX_CEffectParameters::GenerateCoefficients();
}

Result AAXWrapper_Parameters::TimerWakeup() {
    DeliverPlugInReports();
    return AAX_CEffectParameters::TimerWakeup();
}

void AAXWrapper_Parameters::DeliverPlugInReports() {
    mCallBack->DeliverQueuedReports(mVstInterface->IsUsable() ? mVstInterface->effect : nullptr);
}

void AAXWrapper_Parameters::PlugInAutomated(const char* identifier, double normalizedValue) {
    AAX_IParameter* parameter = ParameterManager().GetParameterByID(identifier);
    if (parameter == nullptr || parameter == handingOver) return;
    // Compared as the parameter keeps values: a switch's correction to its other position is
    // one, a float's only in its own precision.
    const double value = MirrorNormalizedValue(*parameter, NarrowToFloat(normalizedValue));
    if (mSetRequests.Report(parameter, value, parameter->GetNormalizedValue())) {
        parameter->SetNormalizedValue(normalizedValue);
    }
}

void AAXWrapper_Parameters::PlugInBeganEdit(const char* identifier) {
    AAX_IParameter* parameter = ParameterManager().GetParameterByID(identifier);
    if (parameter != nullptr) parameter->Touch();
}

void AAXWrapper_Parameters::PlugInEndedEdit(const char* identifier) {
    AAX_IParameter* parameter = ParameterManager().GetParameterByID(identifier);
    if (parameter != nullptr) parameter->Release();
}

void AAXWrapper_Parameters::AdoptParameter(OwnedParameter parameter) {
    AAX_IParameter* offered = parameter.get();
    ParameterManager().AddParameter(offered);
    if (ParameterManager().GetParameterByID(offered->Identifier()) == offered) parameter.release();
}

void AAXWrapper_Parameters::Post(uint32_t fieldIndex, const void* payload, uint32_t size) {
    if (Controller() != nullptr) Controller()->PostPacket(fieldIndex, payload, size);
}
