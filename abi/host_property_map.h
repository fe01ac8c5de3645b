// The host's property map: a set of 32-bit properties that the module fills for a component, an
// effect or a collection. Version 2 adds properties whose value is an array of identifiers.
// Created through the host's component factory; called only while the module registers.
#pragma once

#include <cstdint>

#include "abi/acf.h"
#include "abi/description_types.h"

class AAX_IACFPropertyMap : public IACFUnknown {
  public:
    // True when the map holds `id`; its value is then stored in *value.
    virtual bool GetProperty(AAX_CPropertyID id, AAX_CPropertyValue* value) const = 0;  // 3
    // Adds `id`, or replaces its value.
    virtual AAX_Result AddProperty(AAX_CPropertyID id, AAX_CPropertyValue value) = 0;  // 4
    virtual AAX_Result RemoveProperty(AAX_CPropertyID id) = 0;                         // 5
};

class AAX_IACFPropertyMap_V2 : public AAX_IACFPropertyMap {
  public:
    virtual AAX_Result AddPropertyWithIDArray(AAX_CPropertyID id, const uint32_t* ids,
                                              uint32_t count) = 0;  // 6
    // True when the map holds `id`; the array and its length are then stored.
    virtual bool GetPropertyWithIDArray(AAX_CPropertyID id, const uint32_t** ids,
                                        uint32_t* count) const = 0;  // 7
};

inline constexpr acfCLSID CLSID_AAX_PropertyMap = MakeUID("A587AD3D-D53C-4ADC-D0DD-D9D12DDDDCDA");
inline constexpr acfIID IID_AAX_IACFPropertyMap = MakeUID("96EE2C2D-EECC-5EFF-E2D7-E849E3E2EEEE");
inline constexpr acfIID IID_AAX_IACFPropertyMap_V2 =
    MakeUID("7177DF80-7C9C-11E2-B92A-0800200C9A66");
