// The module-side interface to the host controller, in slot order. Slots 11 and 19 to 21 reach
// the host's version-2 controller; the others its version-1 controller. Called from the host's
// non-real-time threads.
#pragma once

#include <cstdint>

#include "abi/result.h"

class AAX_IString;

class AAX_IController {
  public:
    virtual ~AAX_IController() = default;                               // 0
    virtual Result ControllerSlot1(void*) const = 0;                    // 1
    virtual Result GetSampleRate(float* sampleRate) const = 0;          // 2
    virtual Result GetInputStemFormat(int32_t* stemFormat) const = 0;   // 3
    virtual Result GetOutputStemFormat(int32_t* stemFormat) const = 0;  // 4
    virtual Result ControllerSlot5(int32_t*) const = 0;                 // 5
    virtual Result ControllerSlot6(int32_t, int32_t*) const = 0;        // 6
    virtual Result ControllerSlot7(int64_t*) const = 0;                 // 7
    virtual Result ControllerSlot8(int32_t) = 0;                        // 8
    virtual Result ControllerSlot9(int32_t*, int32_t*, int32_t) = 0;    // 9
    // Copies `payloadSize` bytes to field `fieldIndex` of the instance's algorithm context.
    virtual Result PostPacket(uint32_t fieldIndex, const void* payload,
                              uint32_t payloadSize) = 0;          // 10
    virtual Result ControllerSlot11(uint32_t*) const = 0;         // 11 (v2)
    virtual Result ControllerSlot12(uint32_t, float*) const = 0;  // 12
    virtual Result ControllerSlot13(uint32_t, float*) const = 0;  // 13
    virtual Result ControllerSlot14(uint32_t) const = 0;          // 14
    virtual Result ControllerSlot15(uint32_t*) const = 0;         // 15
    virtual Result ControllerSlot16(uint32_t, bool*) const = 0;   // 16
    virtual Result ControllerSlot17(uint32_t) const = 0;          // 17
    virtual Result ControllerSlot18(uint32_t*, void*) = 0;        // 18
    virtual Result ControllerSlot19(void*) const = 0;             // 19 (v2)
    virtual Result ControllerSlot20(int32_t*) const = 0;          // 20 (v2)
    virtual Result ControllerSlot21(bool*) const = 0;             // 21 (v2)
};
