// AAX_IEffectDescriptor over a host effect descriptor, which it creates through the host's
// component factory. Operations forward to the version 1 or version 2 descriptor with component
// descriptors and property maps replaced by their host objects, or answer a fixed result when
// that descriptor is missing. It owns the component descriptors and property maps it hands out.
#pragma once

#include "abi/host_effect_descriptor.h"
#include "abi/unknown.h"
#include "host/host_reference.h"
#include "module/aax_vcomponent_descriptor.h"
#include "module/aax_vproperty_map.h"
#include "module/description_interfaces.h"
#include "module/owned_children.h"

class AAX_VEffectDescriptor final : public AAX_IEffectDescriptor {
  public:
    // Keeps one reference on the host unknown `host` (possibly null), for the children it makes.
    // Throws ResultError(ACF_E_POINTER) when the host reports a factory but hands over none.
    explicit AAX_VEffectDescriptor(IACFUnknown* host);
    // Frees its component descriptors, then its property maps, then gives back the version 2
    // descriptor, the version 1 descriptor and the host unknown.
    ~AAX_VEffectDescriptor() override;
    AAX_VEffectDescriptor(const AAX_VEffectDescriptor&) = delete;
    AAX_VEffectDescriptor& operator=(const AAX_VEffectDescriptor&) = delete;

    // The host descriptor behind `descriptor`; null for a null descriptor or one without host
    // descriptor.
    static HostEffectDescriptor* HostDescriptorOf(AAX_IEffectDescriptor* descriptor);

    AAX_IComponentDescriptor* NewComponentDescriptor() override;
    Result AddComponent(AAX_IComponentDescriptor* component) override;
    Result AddName(const char* name) override;
    Result AddCategory(uint32_t category) override;
    Result AddCategoryBypassParameter(uint32_t category, ParameterId parameterID) override;
    Result AddProcPtr(CreationProc procedure, uint32_t procID) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    Result SetProperties(AAX_IPropertyMap* properties) override;
    Result AddResourceInfo(int32_t type, const char* info) override;
    Result AddMeterDescription(uint32_t meterID, const char* name,
                               AAX_IPropertyMap* properties) override;
    // AAX_ERROR_UNIMPLEMENTED without the version 2 descriptor.
    Result AddControlMIDINode(uint32_t nodeID, int32_t nodeType, const char* nodeName,
                              uint32_t channelMask) override;

  private:
    HeldHostInterface<IACFUnknown> mHostUnknown;
    HeldHostInterface<HostEffectDescriptor> mHostDescriptor;
    HeldHostInterface<HostEffectDescriptorV2> mHostDescriptorV2;
    OwnedChildren<AAX_VComponentDescriptor> mComponentDescriptors;
    OwnedChildren<AAX_VPropertyMap> mPropertyMaps;
};
