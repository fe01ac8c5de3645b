// The stand-in host's effect descriptor, offered as the version 1 and version 2 interfaces. It
// keeps the effect declared on it: names, categories, resource information, creation procedures,
// and a copy of each component as its component descriptor held it when it was added. A call
// answered with a failure result changes nothing.
#pragma once

#include "abi/host_effect_descriptor.h"
#include "tools/aaxhost/recorded_description.h"
#include "tools/aaxhost/recording_object.h"

namespace aaxhost {

class RecordingEffectDescriptor final : public RecordingObject {
  public:
    RecordingEffectDescriptor(DescriptionRecorder& recorder, size_t serial);

    const Effect& Declared() const { return mEffect; }
    // Whether `descriptor` is one of this object's interfaces.
    bool Offers(const AAX_IACFEffectDescriptor* descriptor) const;
    AAX_IACFEffectDescriptor* Interface() { return &mVersion1; }

  private:
    class Facet final : public StandInFacet<AAX_IACFEffectDescriptor_V2> {
      public:
        Facet(RecordingEffectDescriptor& owner, const acfIID& iid);

        AAX_Result AddComponent(AAX_IACFComponentDescriptor* component) override;
        AAX_Result AddName(const char* name) override;
        AAX_Result AddCategory(uint32_t category) override;
        AAX_Result AddCategoryBypassParameter(uint32_t category, AAX_CParamID parameterID) override;
        AAX_Result AddProcPtr(AAX_CCreateObjectProc procedure, uint32_t procID) override;
        AAX_Result SetProperties(AAX_IACFPropertyMap* properties) override;
        AAX_Result AddResourceInfo(int32_t type, const char* info) override;
        AAX_Result AddMeterDescription(uint32_t meterID, const char* name,
                                       AAX_IACFPropertyMap* properties) override;
        AAX_Result AddControlMIDINode(uint32_t nodeID, int32_t nodeType, const char* nodeName,
                                      uint32_t channelMask) override;

      private:
        RecordingEffectDescriptor& mDescriptor;
    };

    Effect mEffect;
    Facet mVersion1;
    Facet mVersion2;
};

}  // namespace aaxhost
