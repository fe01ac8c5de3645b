#include "tools/aaxhost/recording_collection.h"

#include <utility>

#include "tools/aaxhost/description_recorder.h"

namespace aaxhost {

RecordingCollection::RecordingCollection(DescriptionRecorder& recorder, size_t serial)
    : RecordingObject(recorder, DescriptionObject::kCollection, serial),
      mFacet(*this),
      mDefinition(*this, IID_ACFPluginDefinition) {
    Offer<AAX_IACFCollection>(IID_AAX_IACFCollection, &mFacet);
    Offer<IACFUnknown>(IID_ACFPluginDefinition, &mDefinition);
}

RecordingCollection::Facet::Facet(RecordingCollection& owner)
    : StandInFacet(owner, IID_AAX_IACFCollection), mCollection(owner) {}

AAX_Result RecordingCollection::Facet::HostSlot3() {
    return mCollection.Reply(3, {});
}

AAX_Result RecordingCollection::Facet::HostSlot4() {
    return mCollection.Reply(4, {});
}

AAX_Result RecordingCollection::Facet::HostSlot5() {
    return mCollection.Reply(5, {});
}

AAX_Result RecordingCollection::Facet::HostSlot6() {
    return mCollection.Reply(6, {});
}

AAX_Result RecordingCollection::Facet::AddEffect(const char* effectID,
                                                 AAX_IACFEffectDescriptor* descriptor) {
    const AAX_Result result = mCollection.Reply(7, {Text(effectID), Arg(descriptor)});
    if (result != AAX_SUCCESS) return result;
    if (const auto* declared = mCollection.Recorder().FindEffectDescriptor(descriptor)) {
        Effect effect = declared->Declared();
        effect.identifier = effectID == nullptr ? "" : effectID;
        mCollection.mPackage.effects.push_back(std::move(effect));
    }
    return result;
}

AAX_Result RecordingCollection::Facet::SetManufacturerName(const char* name) {
    const AAX_Result result = mCollection.Reply(8, {Text(name)});
    if (result == AAX_SUCCESS) mCollection.mPackage.manufacturer = name == nullptr ? "" : name;
    return result;
}

AAX_Result RecordingCollection::Facet::AddPackageName(const char* name) {
    const AAX_Result result = mCollection.Reply(9, {Text(name)});
    if (result == AAX_SUCCESS && name != nullptr) mCollection.mPackage.names.emplace_back(name);
    return result;
}

AAX_Result RecordingCollection::Facet::SetPackageVersion(uint32_t version) {
    const AAX_Result result = mCollection.Reply(10, {Arg(version)});
    if (result == AAX_SUCCESS) mCollection.mPackage.version = version;
    return result;
}

AAX_Result RecordingCollection::Facet::SetProperties(AAX_IACFPropertyMap* properties) {
    const AAX_Result result = mCollection.Reply(11, {Arg(properties)});
    if (result != AAX_SUCCESS) return result;
    if (const RecordingPropertyMap* map = mCollection.Recorder().FindPropertyMap(properties)) {
        mCollection.mPackage.properties = map->Held();
    }
    return result;
}

}  // namespace aaxhost
