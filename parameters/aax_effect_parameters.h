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

inline constexpr TypeCode kControlsChunkID = FourCharCode("elck");
inline constexpr const char* kControlsChunkName = "Complete Controls State";
inline constexpr const char* kMasterBypassID = "MasterBypassID";

class AAX_CEffectParameters : public CountedObject<AAX_IACFEffectParameters_V2>,
                              public ParameterLookup {
  public:
    AAX_CEffectParameters() = default;
    // Deletes the parameters, then the host wrappers that Uninitialize did not get to.
    ~AAX_CEffectParameters() override;

    // Answers both effect-parameters interfaces with the object itself.
    Result InternalQueryInterface(const InterfaceId& iid, void** out) override;

    Result Initialize(IACFUnknown* controller) override;
    Result Uninitialize() override;
    Result NotificationReceived(TypeCode type, const void* data, uint32_t size) override;
    Result GetNumberOfParameters(int32_t* count) const override;
    Result GetMasterBypassParameter(AAX_IString* identifier) const override;
    Result GetParameterIsAutomatable(ParameterId id, bool* automatable) const override;
    Result GetParameterNumberOfSteps(ParameterId id, int32_t* steps) const override;
    Result GetParameterName(ParameterId id, AAX_IString* name) const override;
    Result GetParameterNameOfLength(ParameterId id, AAX_IString* name,
                                    int32_t length) const override;
    Result GetParameterDefaultNormalizedValue(ParameterId id, double* value) const override;
    Result SetParameterDefaultNormalizedValue(ParameterId id, double value) override;
    Result GetParameterType(ParameterId id, int32_t* type) const override;
    Result GetParameterOrientation(ParameterId id, int32_t* orientation) const override;
    // Also the packet dispatcher's lookup.
    Result GetParameter(ParameterId id, AAX_IParameter** parameter) override;
    Result GetParameterIndex(ParameterId id, int32_t* index) const override;
    Result GetParameterIDFromIndex(int32_t index, AAX_IString* id) const override;
    Result GetParameterValueInfo(ParameterId id, int32_t selector, int32_t* value) const override;
    Result GetParameterValueFromString(ParameterId id, double* value,
                                       const AAX_IString& text) const override;
    Result GetParameterStringFromValue(ParameterId id, double value, AAX_IString* text,
                                       int32_t maxLength) const override;
    Result GetParameterValueString(ParameterId id, AAX_IString* text,
                                   int32_t maxLength) const override;
    Result GetParameterNormalizedValue(ParameterId id, double* value) const override;
    Result SetParameterNormalizedValue(ParameterId id, double value) override;
    Result SetParameterNormalizedRelative(ParameterId id, double step) override;
    Result TouchParameter(ParameterId id) override;
    Result ReleaseParameter(ParameterId id) override;
    Result UpdateParameterTouch(ParameterId id, bool touched) override;
    Result UpdateParameterNormalizedValue(ParameterId id, double value, int32_t source) override;
    Result UpdateParameterNormalizedRelative(ParameterId id, double step) override;
    Result GenerateCoefficients() override;
    Result ResetFieldData(uint32_t fieldIndex, void* data, uint32_t size) const override;
    Result GetNumberOfChunks(int32_t* count) const override;
    Result GetChunkIDFromIndex(int32_t index, TypeCode* chunkID) const override;
    Result GetChunkSize(TypeCode chunkID, uint32_t* size) override;
    Result GetChunk(TypeCode chunkID, AAX_SPlugInChunk* chunk) override;
    Result SetChunk(TypeCode chunkID, const AAX_SPlugInChunk* chunk) override;
    Result CompareActiveChunk(const AAX_SPlugInChunk* chunk, bool* isEqual) override;
    Result GetNumberOfChanges(int32_t* changes) const override;
    Result TimerWakeup() override;
    Result GetCurveData(TypeCode curveType, const float* values, uint32_t numValues,
                        float* curveValues) const override;
    Result GetCustomData(TypeCode blockID, uint32_t size, void* data,
                         uint32_t* written) const override;
    Result SetCustomData(TypeCode blockID, uint32_t size, const void* data) override;
    Result DoMIDITransfers() override;
    Result RenderAudio_Hybrid(void* renderInfo) override;
    Result UpdateMIDINodes(uint32_t fieldIndex, MidiPacket& packet) override;
    Result UpdateControlMIDINodes(TypeCode nodeID, MidiPacket& packet) override;

    // Called by Initialize once the host wrappers exist; a result other than 0 ends Initialize.
    virtual Result EffectInit();

  protected:
    // The host's controller; null outside initialisation.
    AAX_IController* Controller() const { return mController.get(); }
    AAX_CParameterManager& ParameterManager() { return mParameterManager; }
    AAX_CPacketDispatcher& PacketDispatcher() { return mPacketDispatcher; }

  private:
    // Refills the chunk parser with one entry per saved parameter, in index order.
    void BuildChunkData();
    // Null when no parameter has the identifier.
    AAX_IParameter* Find(ParameterId id) const;
    bool IsFiltered(const AAX_IParameter& parameter) const;
    // The parameters the controls chunk holds: all but the filtered ones, in index order.
    std::vector<AAX_IParameter*> SavedParameters() const;
    // The relative change of both kinds: the current value plus `step`, within 0 to 1.
    Result RelativeTarget(ParameterId id, double step, double* target) const;
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
