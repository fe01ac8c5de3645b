// AAX_IEffectDescriptor over a host effect descriptor, which it creates through the host's
// component factory. Operations forward to the version 1 or version 2 descriptor with component
// descriptors and property maps replaced by their host objects, or answer a fixed result when
// that descriptor is missing. It owns the component descriptors and property maps it hands out.
#pragma once

#include "abi/acf.h"
#include "abi/host_effect_descriptor.h"
#include "host/host_reference.h"
#include "module/aax_vcomponent_descriptor.h"
#include "module/aax_vproperty_map.h"
#include "module/description_interfaces.h"
#include "module/owned_children.h"

class AAX_VEffectDescriptor final : public AAX_IEffectDescriptor {
  public:
    // Keeps one reference on the host unknown `host` (possibly null), for the children it makes.
    // Throws ACFException(ACF_E_POINTER) when the host reports a factory but hands over none.
    explicit AAX_VEffectDescriptor(IACFUnknown* host);
    // Frees its component descriptors, then its property maps, then gives back the version 2
    // descriptor, the version 1 descriptor and the host unknown.
    ~AAX_VEffectDescriptor() override;
    AAX_VEffectDescriptor(const AAX_VEffectDescriptor&) = delete;
    AAX_VEffectDescriptor& operator=(const AAX_VEffectDescriptor&) = delete;

    // The host descriptor behind `descriptor`; null for a null descriptor or one without host
    // descriptor.
    static AAX_IACFEffectDescriptor* HostDescriptorOf(AAX_IEffectDescriptor* descriptor);

    AAX_IComponentDescriptor* NewComponentDescriptor() override;
    AAX_Result AddComponent(AAX_IComponentDescriptor* component) override;
    AAX_Result AddName(const char* name) override;
    AAX_Result AddCategory(uint32_t category) override;
    AAX_Result AddCategoryBypassParameter(uint32_t category, AAX_CParamID parameterID) override;
    AAX_Result AddProcPtr(AAX_CCreateObjectProc procedure, uint32_t procID) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    AAX_Result SetProperties(AAX_IPropertyMap* properties) override;
    AAX_Result AddResourceInfo(int32_t type, const char* info) override;
    AAX_Result AddMeterDescription(uint32_t meterID, const char* name,
                                   AAX_IPropertyMap* properties) override;
    // AAX_ERROR_UNIMPLEMENTED without the version 2 descriptor.
    AAX_Result AddControlMIDINode(uint32_t nodeID, int32_t nodeType, const char* nodeName,
                                  uint32_t channelMask) override;

  private:
    HeldHostInterface<IACFUnknown> mHostUnknown;
    HeldHostInterface<AAX_IACFEffectDescriptor> mHostDescriptor;
    HeldHostInterface<AAX_IACFEffectDescriptor_V2> mHostDescriptorV2;
    OwnedChildren<AAX_VComponentDescriptor> mComponentDescriptors;
    OwnedChildren<AAX_VPropertyMap> mPropertyMaps;
};
