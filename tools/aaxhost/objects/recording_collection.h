// The stand-in host's collection. It keeps the package declared on it, with a copy of each effect
// as its effect descriptor held it when it was added, and answers the plug-in definition
// identifier with an interface of its own, which registration hands to the host. A call answered
// with a failure result changes nothing.
#pragma once

#include "abi/host_collection.h"
#include "tools/aaxhost/objects/recorded_description.h"
#include "tools/aaxhost/objects/recording_object.h"

namespace aaxhost {

class RecordingCollection final : public RecordingObject {
  public:
    RecordingCollection(DescriptionRecorder& recorder, size_t serial);

    const Package& Declared() const { return mPackage; }
    HostCollection* Interface() { return &mFacet; }
    // What the collection answers for the plug-in definition identifier.
    IACFUnknown* Definition() { return &mDefinition; }

  private:
    class Facet final : public StandInFacet<HostCollection> {
      public:
        explicit Facet(RecordingCollection& owner);

        Result HostCollectionSlot3() override;
        Result HostCollectionSlot4() override;
        Result HostCollectionSlot5() override;
        Result HostCollectionSlot6() override;
        Result AddEffect(const char* effectID, HostEffectDescriptor* descriptor) override;
        Result SetManufacturerName(const char* name) override;
        Result AddPackageName(const char* name) override;
        Result SetPackageVersion(uint32_t version) override;
        Result SetProperties(HostPropertyMap* properties) override;

      private:
        RecordingCollection& mCollection;
    };

    Package mPackage;
    Facet mFacet;
    StandInFacet<IACFUnknown> mDefinition;
};

}  // namespace aaxhost
