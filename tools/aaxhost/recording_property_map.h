// The stand-in host's property map, offered as the version 1 and version 2 interfaces. It keeps
// the properties added and not removed; a call answered with a failure result changes nothing.
#pragma once

#include <map>
#include <vector>

#include "abi/host_property_map.h"
#include "tools/aaxhost/recorded_description.h"
#include "tools/aaxhost/recording_object.h"

namespace aaxhost {

class RecordingPropertyMap final : public RecordingObject {
  public:
    RecordingPropertyMap(DescriptionRecorder& recorder, size_t serial);

    const Properties& Held() const { return mProperties; }
    // Whether `map` is one of this object's interfaces.
    bool Offers(const AAX_IACFPropertyMap* map) const;
    AAX_IACFPropertyMap* Interface() { return &mVersion1; }

  private:
    class Facet final : public StandInFacet<AAX_IACFPropertyMap_V2> {
      public:
        Facet(RecordingPropertyMap& owner, const acfIID& iid);

        bool GetProperty(AAX_CPropertyID id, AAX_CPropertyValue* value) const override;
        AAX_Result AddProperty(AAX_CPropertyID id, AAX_CPropertyValue value) override;
        AAX_Result RemoveProperty(AAX_CPropertyID id) override;
        AAX_Result AddPropertyWithIDArray(AAX_CPropertyID id, const uint32_t* ids,
                                          uint32_t count) override;
        bool GetPropertyWithIDArray(AAX_CPropertyID id, const uint32_t** ids,
                                    uint32_t* count) const override;

      private:
        RecordingPropertyMap& mMap;
    };

    Properties mProperties;
    std::map<AAX_CPropertyID, std::vector<uint32_t>> mArrays;
    Facet mVersion1;
    Facet mVersion2;
};

}  // namespace aaxhost
