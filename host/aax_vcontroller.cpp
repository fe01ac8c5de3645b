#include "host/aax_vcontroller.h"

#include "host/host_reference.h"

AAX_VController::AAX_VController(IACFUnknown* host) {
    if (host == nullptr) return;
    mController = QueryHostInterface<AAX_IACFController>(host, IID_AAX_IACFController);
    mControllerV2 = QueryHostInterface<AAX_IACFController_V2>(host, IID_AAX_IACFController_V2);
}

AAX_VController::~AAX_VController() {
    ReleaseHostInterface(mControllerV2);
    ReleaseHostInterface(mController);
}

AAX_Result AAX_VController::GetEffectID(AAX_IString* effectID) const {
    return mController ? mController->GetEffectID(effectID) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetSampleRate(float* sampleRate) const {
    return mController ? mController->GetSampleRate(sampleRate) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetInputStemFormat(int32_t* stemFormat) const {
    return mController ? mController->GetInputStemFormat(stemFormat) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetOutputStemFormat(int32_t* stemFormat) const {
    return mController ? mController->GetOutputStemFormat(stemFormat) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetSignalLatency(int32_t* samples) const {
    return mController ? mController->GetSignalLatency(samples) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetCycleCount(int32_t field, int32_t* cycles) const {
    return mController ? mController->GetCycleCount(field, cycles) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetTODLocation(int64_t* location) const {
    return mController ? mController->GetTODLocation(location) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::SetSignalLatency(int32_t samples) {
    return mController ? mController->SetSignalLatency(samples) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::SetCycleCount(int32_t* fields, int32_t* values, int32_t count) {
    return mController ? mController->SetCycleCount(fields, values, count) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::PostPacket(uint32_t fieldIndex, const void* payload,
                                       uint32_t payloadSize) {
    return mController ? mController->PostPacket(fieldIndex, payload, payloadSize)
                       : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetCurrentAutomationTimestamp(uint32_t* timestamp) const {
    return mControllerV2 ? mControllerV2->GetCurrentAutomationTimestamp(timestamp)
                         : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VController::GetCurrentMeterValue(uint32_t meterID, float* value) const {
    return mController ? mController->GetCurrentMeterValue(meterID, value) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetMeterPeakValue(uint32_t meterID, float* value) const {
    return mController ? mController->GetMeterPeakValue(meterID, value) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::ClearMeterPeakValue(uint32_t meterID) const {
    return mController ? mController->ClearMeterPeakValue(meterID) : AAX_ERROR_NULL_OBJECT;
}

// The module's slot order puts the meter count before the clip operations; the host's after them.
AAX_Result AAX_VController::GetMeterCount(uint32_t* count) const {
    return mController ? mController->GetMeterCount(count) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetMeterClipped(uint32_t meterID, bool* clipped) const {
    return mController ? mController->GetMeterClipped(meterID, clipped) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::ClearMeterClipped(uint32_t meterID) const {
    return mController ? mController->ClearMeterClipped(meterID) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetNextMIDIPacket(uint32_t* nodeID, void* packet) {
    return mController ? mController->GetNextMIDIPacket(nodeID, packet) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetHostName(AAX_IString* name) const {
    return mControllerV2 ? mControllerV2->GetHostName(name) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VController::GetPlugInTargetPlatform(int32_t* platform) const {
    return mControllerV2 ? mControllerV2->GetPlugInTargetPlatform(platform)
                         : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VController::GetIsAudioSuite(bool* isAudioSuite) const {
    return mControllerV2 ? mControllerV2->GetIsAudioSuite(isAudioSuite) : AAX_ERROR_UNIMPLEMENTED;
}
