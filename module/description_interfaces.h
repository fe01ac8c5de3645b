// The interfaces through which the module describes its effect to the host, in slot order. Each
// is implemented by a wrapper of the matching host object (aax_v*.h). They never leave the
// module: the host sees only its own objects. Objects handed out by a New... operation belong to
// the object that made them and are freed with it; callers never free them. Used only on the
// thread that runs ACFRegisterPlugin.
#pragma once

#include <cstdint>

#include "abi/algorithm_context.h"
#include "abi/description_types.h"
#include "abi/parameter_id.h"
#include "abi/result.h"

class AAX_IPropertyMap {
  public:
    virtual ~AAX_IPropertyMap() = default;  // 0
    // True when the map holds `id`; its value is then stored in *value.
    virtual bool GetProperty(PropertyId id, PropertyValue* value) const = 0;  // 1
    virtual Result AddProperty(PropertyId id, PropertyValue value) = 0;       // 2
    virtual Result RemoveProperty(PropertyId id) = 0;                         // 3
    virtual Result AddPropertyWithIDArray(PropertyId id, const uint32_t* ids,
                                          uint32_t count) = 0;  // 4
    virtual bool GetPropertyWithIDArray(PropertyId id, const uint32_t** ids,
                                        uint32_t* count) const = 0;  // 5
};

class AAX_IComponentDescriptor {
  public:
    virtual ~AAX_IComponentDescriptor() = default;              // 0
    virtual Result Clear() = 0;                                 // 1
    virtual Result AddAudioIn(FieldIndex field) = 0;            // 2
    virtual Result AddAudioOut(FieldIndex field) = 0;           // 3
    virtual Result AddAudioBufferLength(FieldIndex field) = 0;  // 4
    virtual Result AddSampleRate(FieldIndex field) = 0;         // 5
    virtual Result AddClock(FieldIndex field) = 0;              // 6
    virtual Result AddSideChainIn(FieldIndex field) = 0;        // 7
    virtual Result AddDataInPort(FieldIndex field, uint32_t packetSize,
                                 int32_t portType) = 0;  // 8
    virtual Result AddAuxOutputStem(FieldIndex field, StemFormat stemFormat,
                                    const char* name) = 0;  // 9
    virtual Result AddPrivateData(FieldIndex field, int32_t dataSize,
                                  uint32_t options) = 0;  // 10
    virtual Result AddTemporaryData(FieldIndex field,
                                    uint32_t dataElementSize) = 0;         // 11
    virtual Result AddDmaInstance(FieldIndex field, int32_t dmaMode) = 0;  // 12
    virtual Result AddMeters(FieldIndex field, const uint32_t* meterIDs,
                             uint32_t meterCount) = 0;  // 13
    virtual Result AddMIDINode(FieldIndex field, int32_t nodeType, const char* nodeName,
                               uint32_t channelMask) = 0;                       // 14
    virtual Result AddReservedField(FieldIndex field, uint32_t fieldType) = 0;  // 15
    // Null only when memory runs out.
    virtual AAX_IPropertyMap* NewPropertyMap() = 0;  // 16
    // A new map of this descriptor holding the properties 10 to 307 that `source` holds.
    virtual AAX_IPropertyMap* DuplicatePropertyMap(AAX_IPropertyMap* source) = 0;  // 17
    virtual Result AddProcessProc_Native(ProcessProc processProc, AAX_IPropertyMap* properties,
                                         InstanceInitProc instanceInitProc,
                                         BackgroundProc backgroundProc,
                                         uint32_t* processProcID) = 0;  // 18
    virtual Result AddProcessProc_TI(const char* libraryName, const char* processProcName,
                                     AAX_IPropertyMap* properties, const char* instanceInitProcName,
                                     const char* backgroundProcName,
                                     uint32_t* processProcID) = 0;  // 19
};

class AAX_IEffectDescriptor {
  public:
    virtual ~AAX_IEffectDescriptor() = default;  // 0
    // Null only when memory runs out.
    virtual AAX_IComponentDescriptor* NewComponentDescriptor() = 0;        // 1
    virtual Result AddComponent(AAX_IComponentDescriptor* component) = 0;  // 2
    virtual Result AddName(const char* name) = 0;                          // 3
    virtual Result AddCategory(uint32_t category) = 0;                     // 4
    virtual Result AddCategoryBypassParameter(uint32_t category,
                                              ParameterId parameterID) = 0;  // 5
    virtual Result AddProcPtr(CreationProc procedure, uint32_t procID) = 0;  // 6
    // Null only when memory runs out.
    virtual AAX_IPropertyMap* NewPropertyMap() = 0;                      // 7
    virtual Result SetProperties(AAX_IPropertyMap* properties) = 0;      // 8
    virtual Result AddResourceInfo(int32_t type, const char* info) = 0;  // 9
    virtual Result AddMeterDescription(uint32_t meterID, const char* name,
                                       AAX_IPropertyMap* properties) = 0;  // 10
    virtual Result AddControlMIDINode(uint32_t nodeID, int32_t nodeType, const char* nodeName,
                                      uint32_t channelMask) = 0;  // 11
};

class AAX_ICollection {
  public:
    virtual ~AAX_ICollection() = default;  // 0
    // Null only when memory runs out.
    virtual AAX_IEffectDescriptor* NewDescriptor() = 0;  // 1
    virtual Result AddEffect(const char* effectID,
                             AAX_IEffectDescriptor* descriptor) = 0;  // 2
    virtual Result SetManufacturerName(const char* name) = 0;         // 3
    virtual Result AddPackageName(const char* name) = 0;              // 4
    virtual Result SetPackageVersion(uint32_t version) = 0;           // 5
    // Null only when memory runs out.
    virtual AAX_IPropertyMap* NewPropertyMap() = 0;                  // 6
    virtual Result SetProperties(AAX_IPropertyMap* properties) = 0;  // 7
};
