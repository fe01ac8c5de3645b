// AAX_IComponentDescriptor over a host component descriptor, which it creates through the host's
// component factory. Operations forward to the version 1 or version 2 descriptor with property
// maps replaced by their host maps, or answer a fixed result when that descriptor is missing.
// It owns the property maps it hands out.
#pragma once

#include "abi/host_component_descriptor.h"
#include "abi/unknown.h"
#include "host/host_reference.h"
#include "module/aax_vproperty_map.h"
#include "module/description_interfaces.h"
#include "module/owned_children.h"

class AAX_VComponentDescriptor final : public AAX_IComponentDescriptor {
  public:
    // Keeps one reference on the host unknown `host` (possibly null), for the maps it makes.
    // Throws ResultError(ACF_E_POINTER) when the host reports a factory but hands over none.
    explicit AAX_VComponentDescriptor(IACFUnknown* host);
    // Frees its property maps, then gives back the version 2 descriptor, the version 1
    // descriptor and the host unknown.
    ~AAX_VComponentDescriptor() override;
    AAX_VComponentDescriptor(const AAX_VComponentDescriptor&) = delete;
    AAX_VComponentDescriptor& operator=(const AAX_VComponentDescriptor&) = delete;

    // The host descriptor behind `component`; null for a null component or one without host
    // descriptor.
    static HostComponentDescriptor* HostDescriptorOf(AAX_IComponentDescriptor* component);

    Result Clear() override;
    Result AddAudioIn(FieldIndex field) override;
    Result AddAudioOut(FieldIndex field) override;
    Result AddAudioBufferLength(FieldIndex field) override;
    Result AddSampleRate(FieldIndex field) override;
    Result AddClock(FieldIndex field) override;
    Result AddSideChainIn(FieldIndex field) override;
    Result AddDataInPort(FieldIndex field, uint32_t packetSize, int32_t portType) override;
    Result AddAuxOutputStem(FieldIndex field, StemFormat stemFormat, const char* name) override;
    Result AddPrivateData(FieldIndex field, int32_t dataSize, uint32_t options) override;
    // AAX_ERROR_UNIMPLEMENTED without the version 2 descriptor.
    Result AddTemporaryData(FieldIndex field, uint32_t dataElementSize) override;
    Result AddDmaInstance(FieldIndex field, int32_t dmaMode) override;
    Result AddMeters(FieldIndex field, const uint32_t* meterIDs, uint32_t meterCount) override;
    Result AddMIDINode(FieldIndex field, int32_t nodeType, const char* nodeName,
                       uint32_t channelMask) override;
    Result AddReservedField(FieldIndex field, uint32_t fieldType) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    AAX_IPropertyMap* DuplicatePropertyMap(AAX_IPropertyMap* source) override;
    Result AddProcessProc_Native(ProcessProc processProc, AAX_IPropertyMap* properties,
                                 InstanceInitProc instanceInitProc, BackgroundProc backgroundProc,
                                 uint32_t* processProcID) override;
    Result AddProcessProc_TI(const char* libraryName, const char* processProcName,
                             AAX_IPropertyMap* properties, const char* instanceInitProcName,
                             const char* backgroundProcName, uint32_t* processProcID) override;

  private:
    HeldHostInterface<IACFUnknown> mHostUnknown;
    HeldHostInterface<HostComponentDescriptor> mHostDescriptor;
    HeldHostInterface<HostComponentDescriptorV2> mHostDescriptorV2;
    OwnedChildren<AAX_VPropertyMap> mPropertyMaps;
};
