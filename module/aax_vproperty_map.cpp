#include "module/aax_vproperty_map.h"

#include "host/host_component.h"

AAX_VPropertyMap::AAX_VPropertyMap(IACFUnknown* host) {
    const HostComponent created = CreateHostComponent(host, CLSID_HostPropertyMap,
                                                      IID_HostPropertyMap, &IID_HostPropertyMapV2);
    mHostPropertyMap.Reset(static_cast<HostPropertyMap*>(created.object));
    mHostPropertyMapV2.Reset(static_cast<HostPropertyMapV2*>(created.version2));
}

HostPropertyMap* AAX_VPropertyMap::HostMapOf(AAX_IPropertyMap* map) {
    const auto* wrapper = dynamic_cast<AAX_VPropertyMap*>(map);
    return wrapper == nullptr ? nullptr : wrapper->mHostPropertyMap.Get();
}

bool AAX_VPropertyMap::GetProperty(PropertyId id, PropertyValue* value) const {
    return mHostPropertyMap && mHostPropertyMap->GetProperty(id, value);
}

Result AAX_VPropertyMap::AddProperty(PropertyId id, PropertyValue value) {
    return mHostPropertyMap ? mHostPropertyMap->AddProperty(id, value) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VPropertyMap::RemoveProperty(PropertyId id) {
    return mHostPropertyMap ? mHostPropertyMap->RemoveProperty(id) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VPropertyMap::AddPropertyWithIDArray(PropertyId id, const uint32_t* ids,
                                                uint32_t count) {
    return mHostPropertyMapV2 ? mHostPropertyMapV2->AddPropertyWithIDArray(id, ids, count)
                              : AAX_ERROR_UNIMPLEMENTED;
}

bool AAX_VPropertyMap::GetPropertyWithIDArray(PropertyId id, const uint32_t** ids,
                                              uint32_t* count) const {
    return mHostPropertyMapV2 && mHostPropertyMapV2->GetPropertyWithIDArray(id, ids, count);
}
