// The host's collection: the package that registration fills with effects and the package data.
// Created through the host's component factory; called only while the module registers. When
// registration succeeds, the module hands the host the collection's plug-in definition.
#pragma once

#include <cstdint>

#include "abi/unknown.h"

class HostEffectDescriptor;
class HostPropertyMap;

class HostCollection : public IACFUnknown {
  public:
    // Slots 3 to 6 belong to the host; the module never calls them and relies on nothing about
    // them but their place.
    virtual Result HostCollectionSlot3() = 0;  // 3
    virtual Result HostCollectionSlot4() = 0;  // 4
    virtual Result HostCollectionSlot5() = 0;  // 5
    virtual Result HostCollectionSlot6() = 0;  // 6
    // Adds the effect described by `descriptor` under the reverse-domain identifier `effectID`.
    virtual Result AddEffect(const char* effectID,
                             HostEffectDescriptor* descriptor) = 0;  // 7
    virtual Result SetManufacturerName(const char* name) = 0;        // 8
    // Names from the longest to the shortest.
    virtual Result AddPackageName(const char* name) = 0;            // 9
    virtual Result SetPackageVersion(uint32_t version) = 0;         // 10
    virtual Result SetProperties(HostPropertyMap* properties) = 0;  // 11
};

inline constexpr ClassId CLSID_HostCollection = MakeUID("89882C2D-77BC-42EF-707B-7981B7BD0CCA");
inline constexpr InterfaceId IID_HostCollection = MakeUID("96D42C2D-EBBC-41DF-B1AB-9991A2EE0CCA");

// What registration hands back: the host collection's answer to this identifier.
inline constexpr InterfaceId IID_HostPluginDefinition =
    MakeUID("00EEF015-7FD0-11D6-8485-00306542A024");
