#include "tools/aaxhost/recording_property_map.h"

#include <algorithm>

namespace aaxhost {

RecordingPropertyMap::RecordingPropertyMap(DescriptionRecorder& recorder, size_t serial)
    : RecordingObject(recorder, DescriptionObject::kPropertyMap, serial),
      mVersion1(*this, IID_AAX_IACFPropertyMap),
      mVersion2(*this, IID_AAX_IACFPropertyMap_V2) {
    Offer<AAX_IACFPropertyMap>(IID_AAX_IACFPropertyMap, &mVersion1);
    Offer<AAX_IACFPropertyMap_V2>(IID_AAX_IACFPropertyMap_V2, &mVersion2);
}

bool RecordingPropertyMap::Offers(const AAX_IACFPropertyMap* map) const {
    return map != nullptr && (map == &mVersion1 || map == &mVersion2);
}

RecordingPropertyMap::Facet::Facet(RecordingPropertyMap& owner, const acfIID& iid)
    : StandInFacet(owner, iid), mMap(owner) {}

bool RecordingPropertyMap::Facet::GetProperty(AAX_CPropertyID id, AAX_CPropertyValue* value) const {
    if (mMap.Reply(3, {Arg(id), Arg(value)}) != AAX_SUCCESS) return false;
    const std::optional<AAX_CPropertyValue> held = FindProperty(mMap.mProperties, id);
    if (!held) return false;
    if (value != nullptr) *value = *held;
    return true;
}

AAX_Result RecordingPropertyMap::Facet::AddProperty(AAX_CPropertyID id, AAX_CPropertyValue value) {
    const AAX_Result result = mMap.Reply(4, {Arg(id), Arg(value)});
    if (result != AAX_SUCCESS) return result;
    Properties& properties = mMap.mProperties;
    const auto found = std::find_if(properties.begin(), properties.end(),
                                    [id](const auto& property) { return property.first == id; });
    if (found == properties.end()) {
        properties.emplace_back(id, value);
    } else {
        found->second = value;
    }
    return result;
}

AAX_Result RecordingPropertyMap::Facet::RemoveProperty(AAX_CPropertyID id) {
    const AAX_Result result = mMap.Reply(5, {Arg(id)});
    if (result != AAX_SUCCESS) return result;
    std::erase_if(mMap.mProperties, [id](const auto& property) { return property.first == id; });
    mMap.mArrays.erase(id);
    return result;
}

AAX_Result RecordingPropertyMap::Facet::AddPropertyWithIDArray(AAX_CPropertyID id,
                                                               const uint32_t* ids,
                                                               uint32_t count) {
    const AAX_Result result = mMap.Reply(6, {Arg(id), Arg(ids), Arg(count)});
    if (result != AAX_SUCCESS || (ids == nullptr && count != 0)) return result;
    mMap.mArrays[id].assign(ids, ids + count);
    return result;
}

bool RecordingPropertyMap::Facet::GetPropertyWithIDArray(AAX_CPropertyID id, const uint32_t** ids,
                                                         uint32_t* count) const {
    if (mMap.Reply(7, {Arg(id), Arg(ids), Arg(count)}) != AAX_SUCCESS) return false;
    const auto found = mMap.mArrays.find(id);
    if (found == mMap.mArrays.end()) return false;
    if (ids != nullptr) *ids = found->second.data();
    if (count != nullptr) *count = static_cast<uint32_t>(found->second.size());
    return true;
}

}  // namespace aaxhost
