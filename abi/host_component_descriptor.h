// The host's description of one component (one channel layout of an effect): the fields of its
// algorithm context, its MIDI nodes and its process procedure. Version 2 adds temporary data.
// Created through the host's component factory; called only while the module registers. The
// host takes over what was declared when the component is added to an effect descriptor, so one
// component descriptor can be cleared and described again.
#pragma once

#include <cstdint>

#include "abi/algorithm_context.h"
#include "abi/description_types.h"
#include "abi/unknown.h"

class HostPropertyMap;

class HostComponentDescriptor : public IACFUnknown {
  public:
    // Forgets everything declared so far.
    virtual Result Clear() = 0;                                                 // 3
    virtual Result AddReservedField(FieldIndex field, uint32_t fieldType) = 0;  // 4
    // Field `field` receives the array of input, or output, sample buffers.
    virtual Result AddAudioIn(FieldIndex field) = 0;   // 5
    virtual Result AddAudioOut(FieldIndex field) = 0;  // 6
    // Field `field` receives a pointer to the block's length in sample frames.
    virtual Result AddAudioBufferLength(FieldIndex field) = 0;  // 7
    virtual Result AddSampleRate(FieldIndex field) = 0;         // 8
    virtual Result AddClock(FieldIndex field) = 0;              // 9
    virtual Result AddSideChainIn(FieldIndex field) = 0;        // 10
    // Field `field` receives a pointer to the latest packet of `packetSize` bytes that the
    // instance posted to it.
    virtual Result AddDataInPort(FieldIndex field, uint32_t packetSize,
                                 int32_t portType) = 0;  // 11
    virtual Result AddAuxOutputStem(FieldIndex field, StemFormat stemFormat,
                                    const char* name) = 0;  // 12
    virtual Result AddPrivateData(FieldIndex field, int32_t dataSize,
                                  uint32_t options) = 0;                   // 13
    virtual Result AddDmaInstance(FieldIndex field, int32_t dmaMode) = 0;  // 14
    // Field `field` receives the host's MIDI node of `nodeType`, named `nodeName`.
    virtual Result AddMIDINode(FieldIndex field, int32_t nodeType, const char* nodeName,
                               uint32_t channelMask) = 0;  // 15
    // `properties` identify the component; the host calls `processProc` on its real-time
    // thread once per block.
    virtual Result AddProcessProc_Native(ProcessProc processProc, HostPropertyMap* properties,
                                         InstanceInitProc instanceInitProc,
                                         BackgroundProc backgroundProc,
                                         uint32_t* processProcID) = 0;  // 16
    virtual Result AddProcessProc_TI(const char* libraryName, const char* processProcName,
                                     HostPropertyMap* properties, const char* instanceInitProcName,
                                     const char* backgroundProcName,
                                     uint32_t* processProcID) = 0;  // 17
    virtual Result AddMeters(FieldIndex field, const uint32_t* meterIDs,
                             uint32_t meterCount) = 0;  // 18
};

class HostComponentDescriptorV2 : public HostComponentDescriptor {
  public:
    virtual Result AddTemporaryData(FieldIndex field,
                                    uint32_t dataElementSize) = 0;  // 19
};

inline constexpr ClassId CLSID_HostComponentDescriptor =
    MakeUID("94872C3D-95BC-413D-D0DB-D9B12AAD0CCA");
inline constexpr InterfaceId IID_HostComponentDescriptor =
    MakeUID("96E42C2D-E2BC-51EF-61C7-48994AEB0CDA");
inline constexpr InterfaceId IID_HostComponentDescriptorV2 =
    MakeUID("1895259E-AAA9-4F0F-A985-149837B76F89");
