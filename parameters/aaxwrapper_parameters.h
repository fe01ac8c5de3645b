// The effect-parameters object of the wrapper: it loads the wrapped plug-in when it is made,
// mirrors the plug-in's automatable parameters behind a master bypass when the host initialises
// it, keeps host and plug-in values in step both ways, and saves the plug-in's own bank chunk
// (its parameter values when it keeps no chunk) as the effect's one chunk, under the plug-in's
// unique identifier.
//
// EffectInit, towards the plug-in and the host, in this order:
//   1. effSetSampleRate with the host's rate, truncated to a whole number;
//   2. the master bypass parameter, then effSetBypassParamIdentifier (-18) with its identifier;
//   3. per plug-in parameter: effCanBeAutomated, getParameter, effGetParameterProperties,
//      (effGetParamName), effGetParamIdentifier; one AAX parameter per automatable one;
//   4. effOpen (and step 3 again when it found no automatable parameter, see
//      bridge/parameter_identity.h), effMainsChanged 1; the bypass packet registered for context
//      field 6;
//   5. posts to the algorithm context: input channels (field 1), output channels (field 3), the
//      VstInterface pointer (field 7), the loaded flag (field 8): the render callback reads the
//      pointer only once it has seen the flag.
// An instance whose plug-in failed to load posts only the flag (0) and has no parameters.
//
// After the plug-in takes a chunk, each mirror that no longer matches the plug-in's value is
// brought to it as the plug-in's own edits are: a set request to the host. The host's answer to
// such a request is not sent back to the plug-in while the plug-in still holds that value.
//
// Echoes (plugin_set_requests.h): a plug-in's report of the value host and plug-in already hold
// is not requested again, whether the plug-in makes it inside setParameter or later from its
// blocks; its correction of a host value (a value snapped to a step) is. A host answer that a
// newer request of the plug-in follows does not reach the plug-in.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_set>
#include <vector>

#include "bridge/vst_automation_target.h"
#include "bridge/vst_callback.h"
#include "bridge/vst_interface.h"
#include "host/aax_string.h"
#include "parameters/aax_effect_parameters.h"
#include "parameters/plugin_parameter_mirror.h"
#include "parameters/plugin_set_requests.h"

// Answered only by this class, to the module's own editor: the object itself, so that the editor
// of an instance reaches the plug-in of the same instance. Never a host interface.
inline constexpr InterfaceId IID_AAXWrapper_Parameters =
    MakeUID("879568F5-2C13-4E7C-95D3-17BC304E02D2");

class AAXWrapper_Parameters : public AAX_CEffectParameters, private VstAutomationTarget {
  public:
    // Loads the plug-in through the registry; a failed load leaves an instance without plug-in.
    AAXWrapper_Parameters();
    // Closes the plug-in (effClose) while its host callback still answers.
    ~AAXWrapper_Parameters() override;

    Result InternalQueryInterface(const InterfaceId& iid, void** out) override;
    // Unlinks the host controller from the plug-in's host callback before the base deletes it.
    Result Uninitialize() override;
    // Host to plug-in: effSetBypass for the master bypass, else setParameter at the index that
    // PlugInParameterIndex gives (effGetParamIndexFromIdentifier, -15, unless the identifier is
    // a derived one), unless the value is a stale answer. Neither counts a change nor posts a
    // packet.
    Result UpdateParameterNormalizedValue(ParameterId id, double value, int32_t source) override;
    Result GetChunkIDFromIndex(int32_t index, TypeCode* chunkID) const override;
    Result GetChunkSize(TypeCode chunkID, uint32_t* size) override;
    Result GetChunk(TypeCode chunkID, AAX_SPlugInChunk* chunk) override;
    Result SetChunk(TypeCode chunkID, const AAX_SPlugInChunk* chunk) override;
    Result EffectInit() override;
    // The host's periodic calls; each first hands on the plug-in's reports queued during blocks.
    Result GenerateCoefficients() override;
    Result TimerWakeup() override;

    // The instance's bridge to the plug-in; owned by this object, alive as long as it is.
    VstInterface* GetVstInterface() const { return mVstInterface.get(); }

  private:
    // The plug-in's answer to effGetChunk (bank), when it can be read.
    struct BankChunk {
        const void* data;
        int32_t size;
    };

    // Plug-in to host, through the plug-in's host callback.
    void PlugInAutomated(const char* identifier, double normalizedValue) override;
    void PlugInBeganEdit(const char* identifier) override;
    void PlugInEndedEdit(const char* identifier) override;

    // Hands the plug-in's reports queued during blocks on to the host. Every non-real-time
    // operation that may reach the plug-in or the host calls it first.
    void DeliverPlugInReports();
    // Hands the parameter to the manager, or deletes it when the manager refuses it (an
    // identifier that is already taken).
    void AdoptParameter(OwnedParameter parameter);
    void Post(uint32_t fieldIndex, const void* payload, uint32_t size);
    bool IsCurrentChunk(TypeCode chunkID) const;
    // False when the size lies outside 0 to 2^31 - 1 or bytes are announced without data.
    // A plug-in without effFlagsProgramChunks has no chunk to ask for: its chunk is then the
    // value of each of its parameters in index order, one native float each.
    bool AskBankChunk(BankChunk* chunk);
    bool HasProgramChunks() const;
    // Gives a values chunk back to the plug-in and to the parameters that mirror it.
    void RestoreValues(const char* data, int32_t size);
    // The identifier under which the effect knows plug-in parameter `index`, always terminated.
    void IdentifyPlugInParameter(int32_t index,
                                 char (&identifier)[PlugInParameterInfo::kIdentifierSize]);
    // Requests, for every mirror that differs from the plug-in's value, that value from the host.
    void RefreshMirrors();
    // Whether the host's `value` for `parameter` (plug-in index `index`) answers a refresh request
    // with the value the plug-in holds; the request is settled either way.
    bool AnswersRefresh(const AAX_IParameter& parameter, int32_t index, double value);

    std::unique_ptr<VstInterface> mVstInterface;
    int32_t mPluginLoaded = 0;
    AAX_CString mBypassParamId;
    std::unique_ptr<VstCallBack> mCallBack;
    int32_t mFirstRestoreChunkSize = 0;
    // The size GetChunkSize last reported; GetChunk writes no chunk larger than that.
    int32_t mLastReportedChunkSize = 0;
    std::vector<float> mValues;  // the last values chunk handed out
    // Mirrors with a refresh request the host has not answered yet. Guarded: a host may restore
    // on one of its threads while it answers requests on another.
    std::mutex mRefreshMutex;
    std::unordered_set<const AAX_IParameter*> mRefreshing;
    PlugInSetRequests mSetRequests;
};
