// AAX_IController over the host's controller. Every operation forwards to the host's version 1 or
// version 2 controller with its arguments unchanged, or answers with a fixed result when that
// interface is missing.
#pragma once

#include "abi/host_controller.h"
#include "abi/unknown.h"
#include "host/aax_controller.h"

class AAX_VController : public AAX_IController {
  public:
    // Takes one reference on each controller interface that `host` (possibly null) offers.
    explicit AAX_VController(IACFUnknown* host);
    // Gives the references back, version 2 first.
    ~AAX_VController() override;
    AAX_VController(const AAX_VController&) = delete;
    AAX_VController& operator=(const AAX_VController&) = delete;

    Result ControllerSlot1(void*) const override;
    Result GetSampleRate(float* sampleRate) const override;
    Result GetInputStemFormat(int32_t* stemFormat) const override;
    Result GetOutputStemFormat(int32_t* stemFormat) const override;
    Result ControllerSlot5(int32_t*) const override;
    Result ControllerSlot6(int32_t, int32_t*) const override;
    Result ControllerSlot7(int64_t*) const override;
    Result ControllerSlot8(int32_t) override;
    Result ControllerSlot9(int32_t*, int32_t*, int32_t) override;
    Result PostPacket(uint32_t fieldIndex, const void* payload, uint32_t payloadSize) override;
    Result ControllerSlot11(uint32_t*) const override;
    Result ControllerSlot12(uint32_t, float*) const override;
    Result ControllerSlot13(uint32_t, float*) const override;
    Result ControllerSlot14(uint32_t) const override;
    Result ControllerSlot15(uint32_t*) const override;
    Result ControllerSlot16(uint32_t, bool*) const override;
    Result ControllerSlot17(uint32_t) const override;
    Result ControllerSlot18(uint32_t*, void*) override;
    Result ControllerSlot19(void*) const override;
    Result ControllerSlot20(int32_t*) const override;
    Result ControllerSlot21(bool*) const override;

  private:
    HostController* mController = nullptr;
    HostControllerV2* mControllerV2 = nullptr;
};
