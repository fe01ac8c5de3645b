#include "module/aax_vcollection.h"

#include "host/host_component.h"

AAX_VCollection::AAX_VCollection(IACFUnknown* host) : mHostUnknown(AddHostReference(host)) {
    mHostCollection.Reset(static_cast<HostCollection*>(
        CreateHostComponent(host, CLSID_HostCollection, IID_HostCollection).object));
}

AAX_VCollection::~AAX_VCollection() {
    mEffectDescriptors.clear();
    mPropertyMaps.clear();
}

AAX_IEffectDescriptor* AAX_VCollection::NewDescriptor() {
    return AdoptNewChild(mEffectDescriptors, mHostUnknown.Get());
}

Result AAX_VCollection::AddEffect(const char* effectID, AAX_IEffectDescriptor* descriptor) {
    HostEffectDescriptor* hostDescriptor = AAX_VEffectDescriptor::HostDescriptorOf(descriptor);
    if (!mHostCollection || hostDescriptor == nullptr) return AAX_ERROR_NULL_OBJECT;
    return mHostCollection->AddEffect(effectID, hostDescriptor);
}

Result AAX_VCollection::SetManufacturerName(const char* name) {
    return mHostCollection ? mHostCollection->SetManufacturerName(name) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VCollection::AddPackageName(const char* name) {
    return mHostCollection ? mHostCollection->AddPackageName(name) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VCollection::SetPackageVersion(uint32_t version) {
    return mHostCollection ? mHostCollection->SetPackageVersion(version) : AAX_ERROR_NULL_OBJECT;
}

AAX_IPropertyMap* AAX_VCollection::NewPropertyMap() {
    return AdoptNewChild(mPropertyMaps, mHostUnknown.Get());
}

Result AAX_VCollection::SetProperties(AAX_IPropertyMap* properties) {
    return mHostCollection ? mHostCollection->SetProperties(AAX_VPropertyMap::HostMapOf(properties))
                           : AAX_ERROR_NULL_OBJECT;
}
