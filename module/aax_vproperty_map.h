// AAX_IPropertyMap over a host property map, which it creates through the host's component
// factory. Operations forward unchanged to the version 1 or version 2 map, or answer a fixed
// result when that map is missing.
#pragma once

#include "abi/host_property_map.h"
#include "abi/unknown.h"
#include "host/host_reference.h"
#include "module/description_interfaces.h"

class AAX_VPropertyMap final : public AAX_IPropertyMap {
  public:
    // Keeps no reference on the host unknown `host` (possibly null). Throws
    // ResultError(ACF_E_POINTER) when the host reports a factory but hands over none.
    explicit AAX_VPropertyMap(IACFUnknown* host);
    // Gives the version 2 map back, then the version 1 map.
    ~AAX_VPropertyMap() override = default;
    AAX_VPropertyMap(const AAX_VPropertyMap&) = delete;
    AAX_VPropertyMap& operator=(const AAX_VPropertyMap&) = delete;

    // The host map behind `map`; null for a null map or one without host map.
    static HostPropertyMap* HostMapOf(AAX_IPropertyMap* map);

    // False without host map.
    bool GetProperty(PropertyId id, PropertyValue* value) const override;
    Result AddProperty(PropertyId id, PropertyValue value) override;
    Result RemoveProperty(PropertyId id) override;
    // AAX_ERROR_UNIMPLEMENTED without the version 2 map.
    Result AddPropertyWithIDArray(PropertyId id, const uint32_t* ids, uint32_t count) override;
    // False without the version 2 map.
    bool GetPropertyWithIDArray(PropertyId id, const uint32_t** ids,
                                uint32_t* count) const override;

  private:
    HeldHostInterface<HostPropertyMap> mHostPropertyMap;
    HeldHostInterface<HostPropertyMapV2> mHostPropertyMapV2;
};
