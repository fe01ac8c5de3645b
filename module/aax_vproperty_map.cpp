#include "module/aax_vproperty_map.h"

#include "host/host_component.h"

AAX_VPropertyMap::AAX_VPropertyMap(IACFUnknown* host) {
    const HostComponent created = CreateHostComponent(
        host, CLSID_AAX_PropertyMap, IID_AAX_IACFPropertyMap, &IID_AAX_IACFPropertyMap_V2);
    mHostPropertyMap.Reset(static_cast<AAX_IACFPropertyMap*>(created.object));
    mHostPropertyMapV2.Reset(static_cast<AAX_IACFPropertyMap_V2*>(created.version2));
}

AAX_IACFPropertyMap* AAX_VPropertyMap::HostMapOf(AAX_IPropertyMap* map) {
    const auto* wrapper = dynamic_cast<AAX_VPropertyMap*>(map);
    return wrapper == nullptr ? nullptr : wrapper->mHostPropertyMap.Get();
}

bool AAX_VPropertyMap::GetProperty(AAX_CPropertyID id, AAX_CPropertyValue* value) const {
    return mHostPropertyMap && mHostPropertyMap->GetProperty(id, value);
}

AAX_Result AAX_VPropertyMap::AddProperty(AAX_CPropertyID id, AAX_CPropertyValue value) {
    return mHostPropertyMap ? mHostPropertyMap->AddProperty(id, value) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VPropertyMap::RemoveProperty(AAX_CPropertyID id) {
    return mHostPropertyMap ? mHostPropertyMap->RemoveProperty(id) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VPropertyMap::AddPropertyWithIDArray(AAX_CPropertyID id, const uint32_t* ids,
                                                    uint32_t count) {
    return mHostPropertyMapV2 ? mHostPropertyMapV2->AddPropertyWithIDArray(id, ids, count)
                              : AAX_ERROR_UNIMPLEMENTED;
}

bool AAX_VPropertyMap::GetPropertyWithIDArray(AAX_CPropertyID id, const uint32_t** ids,
                                              uint32_t* count) const {
    return mHostPropertyMapV2 && mHostPropertyMapV2->GetPropertyWithIDArray(id, ids, count);
}
