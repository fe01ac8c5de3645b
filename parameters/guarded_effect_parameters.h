// The effect-parameters object as the host holds it: `Effect` with every operation of the
// effect-parameters interface behind the exception boundary (module/exception_boundary.h). An
// initialisation cut short is undone, so that the object is left uninitialised and a later
// Initialize starts afresh. The creation procedure makes this class; everything else about the
// object is `Effect`'s.
#pragma once

#include <cstdint>

#include "module/exception_boundary.h"
#include "parameters/aax_effect_parameters.h"

template <class Effect>
class GuardedEffectParameters final : public Effect {
  public:
    Result Initialize(IACFUnknown* controller) override {
        const Result result = CatchAll([&] { return Effect::Initialize(controller); });
        if (result == ACF_E_UNEXPECTED) CatchAll([&] { return Effect::Uninitialize(); });
        return result;
    }
    Result Uninitialize() override {
        return CatchAll([&] { return Effect::Uninitialize(); });
    }
    Result NotificationReceived(TypeCode type, const void* data, uint32_t size) override {
        return CatchAll([&] { return Effect::NotificationReceived(type, data, size); });
    }
    Result GetNumberOfParameters(int32_t* count) const override {
        return CatchAll([&] { return Effect::GetNumberOfParameters(count); });
    }
    Result GetMasterBypassParameter(AAX_IString* identifier) const override {
        return CatchAll([&] { return Effect::GetMasterBypassParameter(identifier); });
    }
    Result GetParameterIsAutomatable(ParameterId id, bool* automatable) const override {
        return CatchAll([&] { return Effect::GetParameterIsAutomatable(id, automatable); });
    }
    Result GetParameterNumberOfSteps(ParameterId id, int32_t* steps) const override {
        return CatchAll([&] { return Effect::GetParameterNumberOfSteps(id, steps); });
    }
    Result GetParameterName(ParameterId id, AAX_IString* name) const override {
        return CatchAll([&] { return Effect::GetParameterName(id, name); });
    }
    Result GetParameterNameOfLength(ParameterId id, AAX_IString* name,
                                    int32_t length) const override {
        return CatchAll([&] { return Effect::GetParameterNameOfLength(id, name, length); });
    }
    Result GetParameterDefaultNormalizedValue(ParameterId id, double* value) const override {
        return CatchAll([&] { return Effect::GetParameterDefaultNormalizedValue(id, value); });
    }
    Result SetParameterDefaultNormalizedValue(ParameterId id, double value) override {
        return CatchAll([&] { return Effect::SetParameterDefaultNormalizedValue(id, value); });
    }
    Result GetParameterType(ParameterId id, int32_t* type) const override {
        return CatchAll([&] { return Effect::GetParameterType(id, type); });
    }
    Result GetParameterOrientation(ParameterId id, int32_t* orientation) const override {
        return CatchAll([&] { return Effect::GetParameterOrientation(id, orientation); });
    }
    Result GetParameter(ParameterId id, AAX_IParameter** parameter) override {
        return CatchAll([&] { return Effect::GetParameter(id, parameter); });
    }
    Result GetParameterIndex(ParameterId id, int32_t* index) const override {
        return CatchAll([&] { return Effect::GetParameterIndex(id, index); });
    }
    Result GetParameterIDFromIndex(int32_t index, AAX_IString* id) const override {
        return CatchAll([&] { return Effect::GetParameterIDFromIndex(index, id); });
    }
    Result GetParameterValueInfo(ParameterId id, int32_t selector, int32_t* value) const override {
        return CatchAll([&] { return Effect::GetParameterValueInfo(id, selector, value); });
    }
    Result GetParameterValueFromString(ParameterId id, double* value,
                                       const AAX_IString& text) const override {
        return CatchAll([&] { return Effect::GetParameterValueFromString(id, value, text); });
    }
    Result GetParameterStringFromValue(ParameterId id, double value, AAX_IString* text,
                                       int32_t maxLength) const override {
        return CatchAll(
            [&] { return Effect::GetParameterStringFromValue(id, value, text, maxLength); });
    }
    Result GetParameterValueString(ParameterId id, AAX_IString* text,
                                   int32_t maxLength) const override {
        return CatchAll([&] { return Effect::GetParameterValueString(id, text, maxLength); });
    }
    Result GetParameterNormalizedValue(ParameterId id, double* value) const override {
        return CatchAll([&] { return Effect::GetParameterNormalizedValue(id, value); });
    }
    Result SetParameterNormalizedValue(ParameterId id, double value) override {
        return CatchAll([&] { return Effect::SetParameterNormalizedValue(id, value); });
    }
    Result SetParameterNormalizedRelative(ParameterId id, double step) override {
        return CatchAll([&] { return Effect::SetParameterNormalizedRelative(id, step); });
    }
    Result TouchParameter(ParameterId id) override {
        return CatchAll([&] { return Effect::TouchParameter(id); });
    }
    Result ReleaseParameter(ParameterId id) override {
        return CatchAll([&] { return Effect::ReleaseParameter(id); });
    }
    Result UpdateParameterTouch(ParameterId id, bool touched) override {
        return CatchAll([&] { return Effect::UpdateParameterTouch(id, touched); });
    }
    Result UpdateParameterNormalizedValue(ParameterId id, double value, int32_t source) override {
        return CatchAll([&] { return Effect::UpdateParameterNormalizedValue(id, value, source); });
    }
    Result UpdateParameterNormalizedRelative(ParameterId id, double step) override {
        return CatchAll([&] { return Effect::UpdateParameterNormalizedRelative(id, step); });
    }
    Result GenerateCoefficients() override {
        return CatchAll([&] { return Effect::GenerateCoefficients(); });
    }
    Result ResetFieldData(uint32_t fieldIndex, void* data, uint32_t size) const override {
        return CatchAll([&] { return Effect::ResetFieldData(fieldIndex, data, size); });
    }
    Result GetNumberOfChunks(int32_t* count) const override {
        return CatchAll([&] { return Effect::GetNumberOfChunks(count); });
    }
    Result GetChunkIDFromIndex(int32_t index, TypeCode* chunkID) const override {
        return CatchAll([&] { return Effect::GetChunkIDFromIndex(index, chunkID); });
    }
    Result GetChunkSize(TypeCode chunkID, uint32_t* size) override {
        return CatchAll([&] { return Effect::GetChunkSize(chunkID, size); });
    }
    Result GetChunk(TypeCode chunkID, AAX_SPlugInChunk* chunk) override {
        return CatchAll([&] { return Effect::GetChunk(chunkID, chunk); });
    }
    Result SetChunk(TypeCode chunkID, const AAX_SPlugInChunk* chunk) override {
        return CatchAll([&] { return Effect::SetChunk(chunkID, chunk); });
    }
    Result CompareActiveChunk(const AAX_SPlugInChunk* chunk, bool* isEqual) override {
        return CatchAll([&] { return Effect::CompareActiveChunk(chunk, isEqual); });
    }
    Result GetNumberOfChanges(int32_t* changes) const override {
        return CatchAll([&] { return Effect::GetNumberOfChanges(changes); });
    }
    Result TimerWakeup() override {
        return CatchAll([&] { return Effect::TimerWakeup(); });
    }
    Result GetCurveData(TypeCode curveType, const float* values, uint32_t numValues,
                        float* curveValues) const override {
        return CatchAll(
            [&] { return Effect::GetCurveData(curveType, values, numValues, curveValues); });
    }
    Result GetCustomData(TypeCode blockID, uint32_t size, void* data,
                         uint32_t* written) const override {
        return CatchAll([&] { return Effect::GetCustomData(blockID, size, data, written); });
    }
    Result SetCustomData(TypeCode blockID, uint32_t size, const void* data) override {
        return CatchAll([&] { return Effect::SetCustomData(blockID, size, data); });
    }
    Result DoMIDITransfers() override {
        return CatchAll([&] { return Effect::DoMIDITransfers(); });
    }
    Result RenderAudio_Hybrid(void* renderInfo) override {
        return CatchAll([&] { return Effect::RenderAudio_Hybrid(renderInfo); });
    }
    Result UpdateMIDINodes(uint32_t fieldIndex, MidiPacket& packet) override {
        return CatchAll([&] { return Effect::UpdateMIDINodes(fieldIndex, packet); });
    }
    Result UpdateControlMIDINodes(TypeCode nodeID, MidiPacket& packet) override {
        return CatchAll([&] { return Effect::UpdateControlMIDINodes(nodeID, packet); });
    }
};
