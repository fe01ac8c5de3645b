// AAX_IComponentDescriptor over a host component descriptor, which it creates through the host's
// component factory. Operations forward to the version 1 or version 2 descriptor with property
// maps replaced by their host maps, or answer a fixed result when that descriptor is missing.
// It owns the property maps it hands out.
#pragma once

#include "abi/acf.h"
#include "abi/host_component_descriptor.h"
#include "host/host_reference.h"
#include "module/aax_vproperty_map.h"
#include "module/description_interfaces.h"
#include "module/owned_children.h"

class AAX_VComponentDescriptor final : public AAX_IComponentDescriptor {
  public:
    // Keeps one reference on the host unknown `host` (possibly null), for the maps it makes.
    // Throws ACFException(ACF_E_POINTER) when the host reports a factory but hands over none.
    explicit AAX_VComponentDescriptor(IACFUnknown* host);
    // Frees its property maps, then gives back the version 2 descriptor, the version 1
    // descriptor and the host unknown.
    ~AAX_VComponentDescriptor() override;
    AAX_VComponentDescriptor(const AAX_VComponentDescriptor&) = delete;
    AAX_VComponentDescriptor& operator=(const AAX_VComponentDescriptor&) = delete;

    // The host descriptor behind `component`; null for a null component or one without host
    // descriptor.
    static AAX_IACFComponentDescriptor* HostDescriptorOf(AAX_IComponentDescriptor* component);

    AAX_Result Clear() override;
    AAX_Result AddAudioIn(AAX_CFieldIndex field) override;
    AAX_Result AddAudioOut(AAX_CFieldIndex field) override;
    AAX_Result AddAudioBufferLength(AAX_CFieldIndex field) override;
    AAX_Result AddSampleRate(AAX_CFieldIndex field) override;
    AAX_Result AddClock(AAX_CFieldIndex field) override;
    AAX_Result AddSideChainIn(AAX_CFieldIndex field) override;
    AAX_Result AddDataInPort(AAX_CFieldIndex field, uint32_t packetSize, int32_t portType) override;
    AAX_Result AddAuxOutputStem(AAX_CFieldIndex field, AAX_CStemFormat stemFormat,
                                const char* name) override;
    AAX_Result AddPrivateData(AAX_CFieldIndex field, int32_t dataSize, uint32_t options) override;
    // AAX_ERROR_UNIMPLEMENTED without the version 2 descriptor.
    AAX_Result AddTemporaryData(AAX_CFieldIndex field, uint32_t dataElementSize) override;
    AAX_Result AddDmaInstance(AAX_CFieldIndex field, int32_t dmaMode) override;
    AAX_Result AddMeters(AAX_CFieldIndex field, const uint32_t* meterIDs,
                         uint32_t meterCount) override;
    AAX_Result AddMIDINode(AAX_CFieldIndex field, int32_t nodeType, const char* nodeName,
                           uint32_t channelMask) override;
    AAX_Result AddReservedField(AAX_CFieldIndex field, uint32_t fieldType) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    AAX_IPropertyMap* DuplicatePropertyMap(AAX_IPropertyMap* source) override;
    AAX_Result AddProcessProc_Native(AAX_CRenderProc processProc, AAX_IPropertyMap* properties,
                                     AAX_CInstanceInitProc instanceInitProc,
                                     AAX_CBackgroundProc backgroundProc,
                                     uint32_t* processProcID) override;
    AAX_Result AddProcessProc_TI(const char* libraryName, const char* processProcName,
                                 AAX_IPropertyMap* properties, const char* instanceInitProcName,
                                 const char* backgroundProcName, uint32_t* processProcID) override;

  private:
    HeldHostInterface<IACFUnknown> mHostUnknown;
    HeldHostInterface<AAX_IACFComponentDescriptor> mHostDescriptor;
    HeldHostInterface<AAX_IACFComponentDescriptor_V2> mHostDescriptorV2;
    OwnedChildren<AAX_VPropertyMap> mPropertyMaps;
};
