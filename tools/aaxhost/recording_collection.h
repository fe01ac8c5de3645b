// The stand-in host's collection. It keeps the package declared on it, with a copy of each effect
// as its effect descriptor held it when it was added, and answers the plug-in definition
// identifier with an interface of its own, which registration hands to the host. A call answered
// with a failure result changes nothing.
#pragma once

#include "abi/host_collection.h"
#include "tools/aaxhost/recorded_description.h"
#include "tools/aaxhost/recording_object.h"

namespace aaxhost {

class RecordingCollection final : public RecordingObject {
  public:
    RecordingCollection(DescriptionRecorder& recorder, size_t serial);

    const Package& Declared() const { return mPackage; }
    AAX_IACFCollection* Interface() { return &mFacet; }
    // What the collection answers for the plug-in definition identifier.
    IACFUnknown* Definition() { return &mDefinition; }

  private:
    class Facet final : public StandInFacet<AAX_IACFCollection> {
      public:
        explicit Facet(RecordingCollection& owner);

        AAX_Result HostSlot3() override;
        AAX_Result HostSlot4() override;
        AAX_Result HostSlot5() override;
        AAX_Result HostSlot6() override;
        AAX_Result AddEffect(const char* effectID, AAX_IACFEffectDescriptor* descriptor) override;
        AAX_Result SetManufacturerName(const char* name) override;
        AAX_Result AddPackageName(const char* name) override;
        AAX_Result SetPackageVersion(uint32_t version) override;
        AAX_Result SetProperties(AAX_IACFPropertyMap* properties) override;

      private:
        RecordingCollection& mCollection;
    };

    Package mPackage;
    Facet mFacet;
    StandInFacet<IACFUnknown> mDefinition;
};

}  // namespace aaxhost
