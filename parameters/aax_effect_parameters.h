// The base of an effect-parameters object: every host operation of the effect-parameters
// interface over a parameter manager, a packet dispatcher and a chunk data parser. It wraps the
// host's controller, automation and transport services while initialised, and saves its
// parameters in one controls chunk ('elck', "Complete Controls State"). A derived effect creates
// its parameters and registers its packets in EffectInit.
//
// The host calls it on its non-real-time threads; the class takes no lock of its own (the packet
// dispatcher guards its packets).
#pragma once

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "abi/effect_parameters.h"
#include "host/aax_vautomation_delegate.h"
#include "host/aax_vcontroller.h"
#include "host/aax_vtransport.h"
#include "module/object_model.h"
#include "parameters/aax_chunk_data_parser.h"
#include "parameters/aax_packet_dispatcher.h"
#include "parameters/aax_parameter_lookup.h"
#include "parameters/aax_parameter_manager.h"

inline constexpr AAX_CTypeID kControlsChunkID = FourCharCode("elck");
inline constexpr const char* kControlsChunkName = "Complete Controls State";
inline constexpr const char* kMasterBypassID = "MasterBypassID";

class AAX_CEffectParameters : public ACFObject<AAX_IACFEffectParameters_V2>,
                              public AAX_IParameterLookup {
  public:
    AAX_CEffectParameters() = default;
    // Deletes the parameters, then the host wrappers that Uninitialize did not get to.
    ~AAX_CEffectParameters() override;

    // Answers both effect-parameters interfaces with the object itself.
    ACFRESULT InternalQueryInterface(const acfIID& iid, void** out) override;

    AAX_Result Initialize(IACFUnknown* controller) override;
    AAX_Result Uninitialize() override;
    AAX_Result NotificationReceived(AAX_CTypeID type, const void* data, uint32_t size) override;
    AAX_Result GetNumberOfParameters(int32_t* count) const override;
    AAX_Result GetMasterBypassParameter(AAX_IString* identifier) const override;
    AAX_Result GetParameterIsAutomatable(AAX_CParamID id, bool* automatable) const override;
    AAX_Result GetParameterNumberOfSteps(AAX_CParamID id, int32_t* steps) const override;
    AAX_Result GetParameterName(AAX_CParamID id, AAX_IString* name) const override;
    AAX_Result GetParameterNameOfLength(AAX_CParamID id, AAX_IString* name,
                                        int32_t length) const override;
    AAX_Result GetParameterDefaultNormalizedValue(AAX_CParamID id, double* value) const override;
    AAX_Result SetParameterDefaultNormalizedValue(AAX_CParamID id, double value) override;
    AAX_Result GetParameterType(AAX_CParamID id, int32_t* type) const override;
    AAX_Result GetParameterOrientation(AAX_CParamID id, int32_t* orientation) const override;
    // Also the packet dispatcher's lookup.
    AAX_Result GetParameter(AAX_CParamID id, AAX_IParameter** parameter) override;
    AAX_Result GetParameterIndex(AAX_CParamID id, int32_t* index) const override;
    AAX_Result GetParameterIDFromIndex(int32_t index, AAX_IString* id) const override;
    AAX_Result GetParameterValueInfo(AAX_CParamID id, int32_t selector,
                                     int32_t* value) const override;
    AAX_Result GetParameterValueFromString(AAX_CParamID id, double* value,
                                           const AAX_IString& text) const override;
    AAX_Result GetParameterStringFromValue(AAX_CParamID id, double value, AAX_IString* text,
                                           int32_t maxLength) const override;
    AAX_Result GetParameterValueString(AAX_CParamID id, AAX_IString* text,
                                       int32_t maxLength) const override;
    AAX_Result GetParameterNormalizedValue(AAX_CParamID id, double* value) const override;
    AAX_Result SetParameterNormalizedValue(AAX_CParamID id, double value) override;
    AAX_Result SetParameterNormalizedRelative(AAX_CParamID id, double step) override;
    AAX_Result TouchParameter(AAX_CParamID id) override;
    AAX_Result ReleaseParameter(AAX_CParamID id) override;
    AAX_Result UpdateParameterTouch(AAX_CParamID id, bool touched) override;
    AAX_Result UpdateParameterNormalizedValue(AAX_CParamID id, double value,
                                              int32_t source) override;
    AAX_Result UpdateParameterNormalizedRelative(AAX_CParamID id, double step) override;
    AAX_Result GenerateCoefficients() override;
    AAX_Result ResetFieldData(uint32_t fieldIndex, void* data, uint32_t size) const override;
    AAX_Result GetNumberOfChunks(int32_t* count) const override;
    AAX_Result GetChunkIDFromIndex(int32_t index, AAX_CTypeID* chunkID) const override;
    AAX_Result GetChunkSize(AAX_CTypeID chunkID, uint32_t* size) override;
    AAX_Result GetChunk(AAX_CTypeID chunkID, AAX_SPlugInChunk* chunk) override;
    AAX_Result SetChunk(AAX_CTypeID chunkID, const AAX_SPlugInChunk* chunk) override;
    AAX_Result CompareActiveChunk(const AAX_SPlugInChunk* chunk, bool* isEqual) override;
    AAX_Result GetNumberOfChanges(int32_t* changes) const override;
    AAX_Result TimerWakeup() override;
    AAX_Result GetCurveData(AAX_CTypeID curveType, const float* values, uint32_t numValues,
                            float* curveValues) const override;
    AAX_Result GetCustomData(AAX_CTypeID blockID, uint32_t size, void* data,
                             uint32_t* written) const override;
    AAX_Result SetCustomData(AAX_CTypeID blockID, uint32_t size, const void* data) override;
    AAX_Result DoMIDITransfers() override;
    AAX_Result RenderAudio_Hybrid(void* renderInfo) override;
    AAX_Result UpdateMIDINodes(uint32_t fieldIndex, AAX_CMidiPacket& packet) override;
    AAX_Result UpdateControlMIDINodes(AAX_CTypeID nodeID, AAX_CMidiPacket& packet) override;

    // Called by Initialize once the host wrappers exist; a result other than 0 ends Initialize.
    virtual AAX_Result EffectInit();

  protected:
    // The host's controller; null outside initialisation.
    AAX_IController* Controller() const { return mController.get(); }
    AAX_CParameterManager& ParameterManager() { return mParameterManager; }
    AAX_CPacketDispatcher& PacketDispatcher() { return mPacketDispatcher; }

  private:
    // Refills the chunk parser with one entry per saved parameter, in index order.
    void BuildChunkData();
    // Null when no parameter has the identifier.
    AAX_IParameter* Find(AAX_CParamID id) const;
    bool IsFiltered(const AAX_IParameter& parameter) const;
    // The parameters the controls chunk holds: all but the filtered ones, in index order.
    std::vector<AAX_IParameter*> SavedParameters() const;
    // The relative change of both kinds: the current value plus `step`, within 0 to 1.
    AAX_Result RelativeTarget(AAX_CParamID id, double step, double* target) const;
    // Restores or compares one parameter from the loaded chunk; true when the entry matched.
    void RestoreFromChunk(AAX_IParameter& parameter);
    bool MatchesChunk(const AAX_IParameter& parameter);

    int32_t mNumChanges = 0;
    int32_t mLastChunkSize = 0;
    AAX_CChunkDataParser mChunkParser;
    AAX_CPacketDispatcher mPacketDispatcher;
    AAX_CParameterManager mParameterManager;
    std::set<std::string> mFilteredParameters;
    std::unique_ptr<AAX_VController> mController;
    std::unique_ptr<AAX_VTransport> mTransport;
    std::unique_ptr<AAX_VAutomationDelegate> mAutomationDelegate;
};
