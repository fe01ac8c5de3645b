// The stand-in host's property map, offered as the version 1 and version 2 interfaces. It keeps
// the properties added and not removed; a call answered with a failure result changes nothing.
#pragma once

#include <map>
#include <vector>

#include "abi/host_property_map.h"
#include "tools/aaxhost/objects/recorded_description.h"
#include "tools/aaxhost/objects/recording_object.h"

namespace aaxhost {

class RecordingPropertyMap final : public RecordingObject {
  public:
    RecordingPropertyMap(DescriptionRecorder& recorder, size_t serial);

    const Properties& Held() const { return mProperties; }
    // Whether `map` is one of this object's interfaces.
    bool Offers(const HostPropertyMap* map) const;
    HostPropertyMap* Interface() { return &mVersion1; }

  private:
    class Facet final : public StandInFacet<HostPropertyMapV2> {
      public:
        Facet(RecordingPropertyMap& owner, const InterfaceId& iid);

        bool GetProperty(PropertyId id, PropertyValue* value) const override;
        Result AddProperty(PropertyId id, PropertyValue value) override;
        Result RemoveProperty(PropertyId id) override;
        Result AddPropertyWithIDArray(PropertyId id, const uint32_t* ids, uint32_t count) override;
        bool GetPropertyWithIDArray(PropertyId id, const uint32_t** ids,
                                    uint32_t* count) const override;

      private:
        RecordingPropertyMap& mMap;
    };

    Properties mProperties;
    std::map<PropertyId, std::vector<uint32_t>> mArrays;
    Facet mVersion1;
    Facet mVersion2;
};

}  // namespace aaxhost
