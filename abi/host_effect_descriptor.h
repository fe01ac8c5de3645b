// The host's description of one effect: names, category, components and the creation procedures
// of the effect's objects. Version 2 adds control MIDI nodes. Created through the host's
// component factory; called only while the module registers.
#pragma once

#include <cstdint>

#include "abi/acf.h"
#include "abi/description_types.h"
#include "abi/parameter_id.h"

class AAX_IACFComponentDescriptor;
class AAX_IACFPropertyMap;

class AAX_IACFEffectDescriptor : public IACFUnknown {
  public:
    // Takes over everything declared on `component` so far.
    virtual AAX_Result AddComponent(AAX_IACFComponentDescriptor* component) = 0;  // 3
    // Names from the longest to the shortest; the host shows the one that fits.
    virtual AAX_Result AddName(const char* name) = 0;       // 4
    virtual AAX_Result AddCategory(uint32_t category) = 0;  // 5
    virtual AAX_Result AddCategoryBypassParameter(uint32_t category,
                                                  AAX_CParamID parameterID) = 0;  // 6
    // The host creates the effect's objects with the procedure registered under each proc ID.
    virtual AAX_Result AddProcPtr(AAX_CCreateObjectProc procedure, uint32_t procID) = 0;  // 7
    virtual AAX_Result SetProperties(AAX_IACFPropertyMap* properties) = 0;                // 8
    virtual AAX_Result AddResourceInfo(int32_t type, const char* info) = 0;               // 9
    virtual AAX_Result AddMeterDescription(uint32_t meterID, const char* name,
                                           AAX_IACFPropertyMap* properties) = 0;  // 10
};

class AAX_IACFEffectDescriptor_V2 : public AAX_IACFEffectDescriptor {
  public:
    virtual AAX_Result AddControlMIDINode(uint32_t nodeID, int32_t nodeType, const char* nodeName,
                                          uint32_t channelMask) = 0;  // 11
};

inline constexpr acfCLSID CLSID_AAX_EffectDescriptor =
    MakeUID("89872C2D-75BC-423F-401B-F9A1BAAD0CCA");
inline constexpr acfIID IID_AAX_IACFEffectDescriptor =
    MakeUID("96D42C2D-EBBC-41EF-D1CB-499442E40FDA");
inline constexpr acfIID IID_AAX_IACFEffectDescriptor_V2 =
    MakeUID("41ECCC52-416B-4072-84BD-40B05210A74C");
