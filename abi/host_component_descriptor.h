// The host's description of one component (one channel layout of an effect): the fields of its
// algorithm context, its MIDI nodes and its process procedure. Version 2 adds temporary data.
// Created through the host's component factory; called only while the module registers. The
// host takes over what was declared when the component is added to an effect descriptor, so one
// component descriptor can be cleared and described again.
#pragma once

#include <cstdint>

#include "abi/acf.h"
#include "abi/algorithm_context.h"
#include "abi/description_types.h"

class AAX_IACFPropertyMap;

class AAX_IACFComponentDescriptor : public IACFUnknown {
  public:
    // Forgets everything declared so far.
    virtual AAX_Result Clear() = 0;                                                      // 3
    virtual AAX_Result AddReservedField(AAX_CFieldIndex field, uint32_t fieldType) = 0;  // 4
    // Field `field` receives the array of input, or output, sample buffers.
    virtual AAX_Result AddAudioIn(AAX_CFieldIndex field) = 0;   // 5
    virtual AAX_Result AddAudioOut(AAX_CFieldIndex field) = 0;  // 6
    // Field `field` receives a pointer to the block's length in sample frames.
    virtual AAX_Result AddAudioBufferLength(AAX_CFieldIndex field) = 0;  // 7
    virtual AAX_Result AddSampleRate(AAX_CFieldIndex field) = 0;         // 8
    virtual AAX_Result AddClock(AAX_CFieldIndex field) = 0;              // 9
    virtual AAX_Result AddSideChainIn(AAX_CFieldIndex field) = 0;        // 10
    // Field `field` receives a pointer to the latest packet of `packetSize` bytes that the
    // instance posted to it.
    virtual AAX_Result AddDataInPort(AAX_CFieldIndex field, uint32_t packetSize,
                                     int32_t portType) = 0;  // 11
    virtual AAX_Result AddAuxOutputStem(AAX_CFieldIndex field, AAX_CStemFormat stemFormat,
                                        const char* name) = 0;  // 12
    virtual AAX_Result AddPrivateData(AAX_CFieldIndex field, int32_t dataSize,
                                      uint32_t options) = 0;                        // 13
    virtual AAX_Result AddDmaInstance(AAX_CFieldIndex field, int32_t dmaMode) = 0;  // 14
    // Field `field` receives the host's MIDI node of `nodeType`, named `nodeName`.
    virtual AAX_Result AddMIDINode(AAX_CFieldIndex field, int32_t nodeType, const char* nodeName,
                                   uint32_t channelMask) = 0;  // 15
    // `properties` identify the component; the host calls `processProc` on its real-time
    // thread once per block.
    virtual AAX_Result AddProcessProc_Native(AAX_CRenderProc processProc,
                                             AAX_IACFPropertyMap* properties,
                                             AAX_CInstanceInitProc instanceInitProc,
                                             AAX_CBackgroundProc backgroundProc,
                                             uint32_t* processProcID) = 0;  // 16
    virtual AAX_Result AddProcessProc_TI(const char* libraryName, const char* processProcName,
                                         AAX_IACFPropertyMap* properties,
                                         const char* instanceInitProcName,
                                         const char* backgroundProcName,
                                         uint32_t* processProcID) = 0;  // 17
    virtual AAX_Result AddMeters(AAX_CFieldIndex field, const uint32_t* meterIDs,
                                 uint32_t meterCount) = 0;  // 18
};

class AAX_IACFComponentDescriptor_V2 : public AAX_IACFComponentDescriptor {
  public:
    virtual AAX_Result AddTemporaryData(AAX_CFieldIndex field,
                                        uint32_t dataElementSize) = 0;  // 19
};

inline constexpr acfCLSID CLSID_AAX_ComponentDescriptor =
    MakeUID("94872C3D-95BC-413D-D0DB-D9B12AAD0CCA");
inline constexpr acfIID IID_AAX_IACFComponentDescriptor =
    MakeUID("96E42C2D-E2BC-51EF-61C7-48994AEB0CDA");
inline constexpr acfIID IID_AAX_IACFComponentDescriptor_V2 =
    MakeUID("1895259E-AAA9-4F0F-A985-149837B76F89");
