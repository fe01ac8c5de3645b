// The host's description of one effect: names, category, components and the creation procedures
// of the effect's objects. Version 2 adds control MIDI nodes. Created through the host's
// component factory; called only while the module registers.
#pragma once

#include <cstdint>

#include "abi/description_types.h"
#include "abi/parameter_id.h"
#include "abi/unknown.h"

class HostComponentDescriptor;
class HostPropertyMap;

class HostEffectDescriptor : public IACFUnknown {
  public:
    // Takes over everything declared on `component` so far.
    virtual Result AddComponent(HostComponentDescriptor* component) = 0;  // 3
    // Names from the longest to the shortest; the host shows the one that fits.
    virtual Result AddName(const char* name) = 0;       // 4
    virtual Result AddCategory(uint32_t category) = 0;  // 5
    virtual Result AddCategoryBypassParameter(uint32_t category,
                                              ParameterId parameterID) = 0;  // 6
    // The host creates the effect's objects with the procedure registered under each proc ID.
    virtual Result AddProcPtr(CreationProc procedure, uint32_t procID) = 0;  // 7
    virtual Result SetProperties(HostPropertyMap* properties) = 0;           // 8
    virtual Result AddResourceInfo(int32_t type, const char* info) = 0;      // 9
    virtual Result AddMeterDescription(uint32_t meterID, const char* name,
                                       HostPropertyMap* properties) = 0;  // 10
};

class HostEffectDescriptorV2 : public HostEffectDescriptor {
  public:
    virtual Result AddControlMIDINode(uint32_t nodeID, int32_t nodeType, const char* nodeName,
                                      uint32_t channelMask) = 0;  // 11
};

inline constexpr ClassId CLSID_HostEffectDescriptor =
    MakeUID("89872C2D-75BC-423F-401B-F9A1BAAD0CCA");
inline constexpr InterfaceId IID_HostEffectDescriptor =
    MakeUID("96D42C2D-EBBC-41EF-D1CB-499442E40FDA");
inline constexpr InterfaceId IID_HostEffectDescriptorV2 =
    MakeUID("41ECCC52-416B-4072-84BD-40B05210A74C");
