// The host's property map: a set of 32-bit properties that the module fills for a component, an
// effect or a collection. Version 2 adds properties whose value is an array of identifiers.
// Created through the host's component factory; called only while the module registers.
#pragma once

#include <cstdint>

#include "abi/description_types.h"
#include "abi/unknown.h"

class HostPropertyMap : public IACFUnknown {
  public:
    // True when the map holds `id`; its value is then stored in *value.
    virtual bool GetProperty(PropertyId id, PropertyValue* value) const = 0;  // 3
    // Adds `id`, or replaces its value.
    virtual Result AddProperty(PropertyId id, PropertyValue value) = 0;  // 4
    virtual Result RemoveProperty(PropertyId id) = 0;                    // 5
};

class HostPropertyMapV2 : public HostPropertyMap {
  public:
    virtual Result AddPropertyWithIDArray(PropertyId id, const uint32_t* ids,
                                          uint32_t count) = 0;  // 6
    // True when the map holds `id`; the array and its length are then stored.
    virtual bool GetPropertyWithIDArray(PropertyId id, const uint32_t** ids,
                                        uint32_t* count) const = 0;  // 7
};

inline constexpr ClassId CLSID_HostPropertyMap = MakeUID("A587AD3D-D53C-4ADC-D0DD-D9D12DDDDCDA");
inline constexpr InterfaceId IID_HostPropertyMap = MakeUID("96EE2C2D-EECC-5EFF-E2D7-E849E3E2EEEE");
inline constexpr InterfaceId IID_HostPropertyMapV2 =
    MakeUID("7177DF80-7C9C-11E2-B92A-0800200C9A66");
