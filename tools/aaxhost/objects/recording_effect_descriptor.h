// The stand-in host's effect descriptor, offered as the version 1 and version 2 interfaces. It
// keeps the effect declared on it: names, categories, resource information, creation procedures,
// and a copy of each component as its component descriptor held it when it was added. A call
// answered with a failure result changes nothing.
#pragma once

#include "abi/host_effect_descriptor.h"
#include "tools/aaxhost/objects/recorded_description.h"
#include "tools/aaxhost/objects/recording_object.h"

namespace aaxhost {

class RecordingEffectDescriptor final : public RecordingObject {
  public:
    RecordingEffectDescriptor(DescriptionRecorder& recorder, size_t serial);

    const Effect& Declared() const { return mEffect; }
    // Whether `descriptor` is one of this object's interfaces.
    bool Offers(const HostEffectDescriptor* descriptor) const;
    HostEffectDescriptor* Interface() { return &mVersion1; }

  private:
    class Facet final : public StandInFacet<HostEffectDescriptorV2> {
      public:
        Facet(RecordingEffectDescriptor& owner, const InterfaceId& iid);

        Result AddComponent(HostComponentDescriptor* component) override;
        Result AddName(const char* name) override;
        Result AddCategory(uint32_t category) override;
        Result AddCategoryBypassParameter(uint32_t category, ParameterId parameterID) override;
        Result AddProcPtr(CreationProc procedure, uint32_t procID) override;
        Result SetProperties(HostPropertyMap* properties) override;
        Result AddResourceInfo(int32_t type, const char* info) override;
        Result AddMeterDescription(uint32_t meterID, const char* name,
                                   HostPropertyMap* properties) override;
        Result AddControlMIDINode(uint32_t nodeID, int32_t nodeType, const char* nodeName,
                                  uint32_t channelMask) override;

      private:
        RecordingEffectDescriptor& mDescriptor;
    };

    Effect mEffect;
    Facet mVersion1;
    Facet mVersion2;
};

}  // namespace aaxhost
