#include "tools/aaxhost/objects/recording_property_map.h"

#include <algorithm>

namespace aaxhost {

RecordingPropertyMap::RecordingPropertyMap(DescriptionRecorder& recorder, size_t serial)
    : RecordingObject(recorder, DescriptionObject::kPropertyMap, serial),
      mVersion1(*this, IID_HostPropertyMap),
      mVersion2(*this, IID_HostPropertyMapV2) {
    Offer<HostPropertyMap>(IID_HostPropertyMap, &mVersion1);
    Offer<HostPropertyMapV2>(IID_HostPropertyMapV2, &mVersion2);
}

bool RecordingPropertyMap::Offers(const HostPropertyMap* map) const {
    return map != nullptr && (map == &mVersion1 || map == &mVersion2);
}

RecordingPropertyMap::Facet::Facet(RecordingPropertyMap& owner, const InterfaceId& iid)
    : StandInFacet(owner, iid), mMap(owner) {}

bool RecordingPropertyMap::Facet::GetProperty(PropertyId id, PropertyValue* value) const {
    if (mMap.Reply(3, {Arg(id), Arg(value)}) != AAX_SUCCESS) return false;
    const std::optional<PropertyValue> held = FindProperty(mMap.mProperties, id);
    if (!held) return false;
    if (value != nullptr) *value = *held;
    return true;
}

Result RecordingPropertyMap::Facet::AddProperty(PropertyId id, PropertyValue value) {
    const Result result = mMap.Reply(4, {Arg(id), Arg(value)});
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

Result RecordingPropertyMap::Facet::RemoveProperty(PropertyId id) {
    const Result result = mMap.Reply(5, {Arg(id)});
    if (result != AAX_SUCCESS) return result;
    std::erase_if(mMap.mProperties, [id](const auto& property) { return property.first == id; });
    mMap.mArrays.erase(id);
    return result;
}

Result RecordingPropertyMap::Facet::AddPropertyWithIDArray(PropertyId id, const uint32_t* ids,
                                                           uint32_t count) {
    const Result result = mMap.Reply(6, {Arg(id), Arg(ids), Arg(count)});
    if (result != AAX_SUCCESS || (ids == nullptr && count != 0)) return result;
    mMap.mArrays[id].assign(ids, ids + count);
    return result;
}

bool RecordingPropertyMap::Facet::GetPropertyWithIDArray(PropertyId id, const uint32_t** ids,
                                                         uint32_t* count) const {
    if (mMap.Reply(7, {Arg(id), Arg(ids), Arg(count)}) != AAX_SUCCESS) return false;
    const auto found = mMap.mArrays.find(id);
    if (found == mMap.mArrays.end()) return false;
    if (ids != nullptr) *ids = found->second.data();
    if (count != nullptr) *count = static_cast<uint32_t>(found->second.size());
    return true;
}

}  // namespace aaxhost
