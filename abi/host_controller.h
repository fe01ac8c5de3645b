// The host's controller of one effect instance, asked of the host unknown that the module is given
// at initialisation. Version 2 extends version 1 with slots 20 to 23. Non-real-time threads.
#pragma once

#include <cstdint>

#include "abi/unknown.h"

class AAX_IString;

class HostController : public IACFUnknown {
  public:
    virtual Result HostControllerSlot3(void*) = 0;                         // 3
    virtual Result GetSampleRate(float* sampleRate) = 0;                   // 4
    virtual Result GetInputStemFormat(int32_t* stemFormat) = 0;            // 5
    virtual Result GetOutputStemFormat(int32_t* stemFormat) = 0;           // 6
    virtual Result HostControllerSlot7(int32_t*) = 0;                      // 7
    virtual Result HostControllerSlot8(int32_t, int32_t*) = 0;             // 8
    virtual Result HostControllerSlot9(int64_t*) = 0;                      // 9
    virtual Result HostControllerSlot10(int32_t) = 0;                      // 10
    virtual Result HostControllerSlot11(int32_t*, int32_t*, int32_t) = 0;  // 11
    // Copies `payloadSize` bytes to field `fieldIndex` of the instance's algorithm context.
    virtual Result PostPacket(uint32_t fieldIndex, const void* payload,
                              uint32_t payloadSize) = 0;        // 12
    virtual Result HostControllerSlot13(uint32_t, float*) = 0;  // 13
    virtual Result HostControllerSlot14(uint32_t, float*) = 0;  // 14
    virtual Result HostControllerSlot15(uint32_t) = 0;          // 15
    virtual Result HostControllerSlot16(uint32_t, bool*) = 0;   // 16
    virtual Result HostControllerSlot17(uint32_t) = 0;          // 17
    virtual Result HostControllerSlot18(uint32_t*) = 0;         // 18
    virtual Result HostControllerSlot19(uint32_t*, void*) = 0;  // 19
};

class HostControllerV2 : public HostController {
  public:
    virtual Result HostControllerSlot20(uint32_t*) = 0;  // 20
    virtual Result HostControllerSlot21(void*) = 0;      // 21
    virtual Result HostControllerSlot22(int32_t*) = 0;   // 22
    virtual Result HostControllerSlot23(bool*) = 0;      // 23
};

inline constexpr InterfaceId IID_HostController = MakeUID("9D5E3E3D-52DC-5EFB-2018-DE1DE2E63F4E");
inline constexpr InterfaceId IID_HostControllerV2 = MakeUID("4C59AA0E-D7C0-4205-8B6C-32468D42D202");
