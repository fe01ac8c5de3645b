#include "tools/aaxhost/objects/recording_collection.h"

#include <utility>

#include "tools/aaxhost/objects/description_recorder.h"

namespace aaxhost {

RecordingCollection::RecordingCollection(DescriptionRecorder& recorder, size_t serial)
    : RecordingObject(recorder, DescriptionObject::kCollection, serial),
      mFacet(*this),
      mDefinition(*this, IID_HostPluginDefinition) {
    Offer<HostCollection>(IID_HostCollection, &mFacet);
    Offer<IACFUnknown>(IID_HostPluginDefinition, &mDefinition);
}

RecordingCollection::Facet::Facet(RecordingCollection& owner)
    : StandInFacet(owner, IID_HostCollection), mCollection(owner) {}

Result RecordingCollection::Facet::HostCollectionSlot3() {
    return mCollection.Reply(3, {});
}

Result RecordingCollection::Facet::HostCollectionSlot4() {
    return mCollection.Reply(4, {});
}

Result RecordingCollection::Facet::HostCollectionSlot5() {
    return mCollection.Reply(5, {});
}

Result RecordingCollection::Facet::HostCollectionSlot6() {
    return mCollection.Reply(6, {});
}

Result RecordingCollection::Facet::AddEffect(const char* effectID,
                                             HostEffectDescriptor* descriptor) {
    const Result result = mCollection.Reply(7, {Text(effectID), Arg(descriptor)});
    if (result != AAX_SUCCESS) return result;
    if (const auto* declared = mCollection.Recorder().FindEffectDescriptor(descriptor)) {
        Effect effect = declared->Declared();
        effect.identifier = effectID == nullptr ? "" : effectID;
        mCollection.mPackage.effects.push_back(std::move(effect));
    }
    return result;
}

Result RecordingCollection::Facet::SetManufacturerName(const char* name) {
    const Result result = mCollection.Reply(8, {Text(name)});
    if (result == AAX_SUCCESS) mCollection.mPackage.manufacturer = name == nullptr ? "" : name;
    return result;
}

Result RecordingCollection::Facet::AddPackageName(const char* name) {
    const Result result = mCollection.Reply(9, {Text(name)});
    if (result == AAX_SUCCESS && name != nullptr) mCollection.mPackage.names.emplace_back(name);
    return result;
}

Result RecordingCollection::Facet::SetPackageVersion(uint32_t version) {
    const Result result = mCollection.Reply(10, {Arg(version)});
    if (result == AAX_SUCCESS) mCollection.mPackage.version = version;
    return result;
}

Result RecordingCollection::Facet::SetProperties(HostPropertyMap* properties) {
    const Result result = mCollection.Reply(11, {Arg(properties)});
    if (result != AAX_SUCCESS) return result;
    if (const RecordingPropertyMap* map = mCollection.Recorder().FindPropertyMap(properties)) {
        mCollection.mPackage.properties = map->Held();
    }
    return result;
}

}  // namespace aaxhost
