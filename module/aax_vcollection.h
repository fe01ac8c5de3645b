// AAX_ICollection over the host's collection, which it creates through the host's component
// factory. Operations forward to it with effect descriptors and property maps replaced by their
// host objects, or answer AAX_ERROR_NULL_OBJECT without it. It owns the effect descriptors and
// property maps it hands out, and with them everything they handed out: destroying the
// collection ends the whole description.
#pragma once

#include "abi/host_collection.h"
#include "abi/unknown.h"
#include "host/host_reference.h"
#include "module/aax_veffect_descriptor.h"
#include "module/aax_vproperty_map.h"
#include "module/description_interfaces.h"
#include "module/owned_children.h"

class AAX_VCollection final : public AAX_ICollection {
  public:
    // Keeps one reference on the host unknown `host` (possibly null), for the children it makes.
    // Throws ResultError(ACF_E_POINTER) when the host reports a factory but hands over none.
    explicit AAX_VCollection(IACFUnknown* host);
    // Frees its effect descriptors and property maps, then gives back the host collection and
    // the host unknown.
    ~AAX_VCollection() override;
    AAX_VCollection(const AAX_VCollection&) = delete;
    AAX_VCollection& operator=(const AAX_VCollection&) = delete;

    // The host's collection, or null; no reference is added.
    HostCollection* Host() const { return mHostCollection.Get(); }

    AAX_IEffectDescriptor* NewDescriptor() override;
    // AAX_ERROR_NULL_OBJECT also, without reaching the host, for a descriptor that is null or
    // has no host descriptor.
    Result AddEffect(const char* effectID, AAX_IEffectDescriptor* descriptor) override;
    Result SetManufacturerName(const char* name) override;
    Result AddPackageName(const char* name) override;
    Result SetPackageVersion(uint32_t version) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    Result SetProperties(AAX_IPropertyMap* properties) override;

  private:
    HeldHostInterface<IACFUnknown> mHostUnknown;
    HeldHostInterface<HostCollection> mHostCollection;
    OwnedChildren<AAX_VEffectDescriptor> mEffectDescriptors;
    OwnedChildren<AAX_VPropertyMap> mPropertyMaps;
};
