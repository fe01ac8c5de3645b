#include "host/aax_vcontroller.h"

#include "host/host_reference.h"

AAX_VController::AAX_VController(IACFUnknown* host) {
    if (host == nullptr) return;
    mController = QueryHostInterface<HostController>(host, IID_HostController);
    mControllerV2 = QueryHostInterface<HostControllerV2>(host, IID_HostControllerV2);
}

AAX_VController::~AAX_VController() {
    ReleaseHostInterface(mControllerV2);
    ReleaseHostInterface(mController);
}

Result AAX_VController::ControllerSlot1(void* a1) const {
    return mController ? mController->HostControllerSlot3(a1) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VController::GetSampleRate(float* sampleRate) const {
    return mController ? mController->GetSampleRate(sampleRate) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VController::GetInputStemFormat(int32_t* stemFormat) const {
    return mController ? mController->GetInputStemFormat(stemFormat) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VController::GetOutputStemFormat(int32_t* stemFormat) const {
    return mController ? mController->GetOutputStemFormat(stemFormat) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VController::ControllerSlot5(int32_t* a1) const {
    return mController ? mController->HostControllerSlot7(a1) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VController::ControllerSlot6(int32_t a1, int32_t* a2) const {
    return mController ? mController->HostControllerSlot8(a1, a2) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VController::ControllerSlot7(int64_t* a1) const {
    return mController ? mController->HostControllerSlot9(a1) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VController::ControllerSlot8(int32_t a1) {
    return mController ? mController->HostControllerSlot10(a1) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VController::ControllerSlot9(int32_t* a1, int32_t* a2, int32_t a3) {
    return mController ? mController->HostControllerSlot11(a1, a2, a3) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VController::PostPacket(uint32_t fieldIndex, const void* payload, uint32_t payloadSize) {
    return mController ? mController->PostPacket(fieldIndex, payload, payloadSize)
                       : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VController::ControllerSlot11(uint32_t* a1) const {
    return mControllerV2 ? mControllerV2->HostControllerSlot20(a1) : AAX_ERROR_UNIMPLEMENTED;
}

Result AAX_VController::ControllerSlot12(uint32_t a1, float* a2) const {
    return mController ? mController->HostControllerSlot13(a1, a2) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VController::ControllerSlot13(uint32_t a1, float* a2) const {
    return mController ? mController->HostControllerSlot14(a1, a2) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VController::ControllerSlot14(uint32_t a1) const {
    return mController ? mController->HostControllerSlot15(a1) : AAX_ERROR_NULL_OBJECT;
}

// Module slot 15 reaches host slot 18, while slots 16 and 17 reach host slots 16 and 17.
Result AAX_VController::ControllerSlot15(uint32_t* a1) const {
    return mController ? mController->HostControllerSlot18(a1) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VController::ControllerSlot16(uint32_t a1, bool* a2) const {
    return mController ? mController->HostControllerSlot16(a1, a2) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VController::ControllerSlot17(uint32_t a1) const {
    return mController ? mController->HostControllerSlot17(a1) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VController::ControllerSlot18(uint32_t* a1, void* a2) {
    return mController ? mController->HostControllerSlot19(a1, a2) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VController::ControllerSlot19(void* a1) const {
    return mControllerV2 ? mControllerV2->HostControllerSlot21(a1) : AAX_ERROR_UNIMPLEMENTED;
}

Result AAX_VController::ControllerSlot20(int32_t* a1) const {
    return mControllerV2 ? mControllerV2->HostControllerSlot22(a1) : AAX_ERROR_UNIMPLEMENTED;
}

Result AAX_VController::ControllerSlot21(bool* a1) const {
    return mControllerV2 ? mControllerV2->HostControllerSlot23(a1) : AAX_ERROR_UNIMPLEMENTED;
}
