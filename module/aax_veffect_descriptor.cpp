#include "module/aax_veffect_descriptor.h"

#include "host/host_component.h"

AAX_VEffectDescriptor::AAX_VEffectDescriptor(IACFUnknown* host)
    : mHostUnknown(AddHostReference(host)) {
    const HostComponent created = CreateHostComponent(
        host, CLSID_HostEffectDescriptor, IID_HostEffectDescriptor, &IID_HostEffectDescriptorV2);
    mHostDescriptor.Reset(static_cast<HostEffectDescriptor*>(created.object));
    mHostDescriptorV2.Reset(static_cast<HostEffectDescriptorV2*>(created.version2));
}

AAX_VEffectDescriptor::~AAX_VEffectDescriptor() {
    mComponentDescriptors.clear();
    mPropertyMaps.clear();
}

HostEffectDescriptor* AAX_VEffectDescriptor::HostDescriptorOf(AAX_IEffectDescriptor* descriptor) {
    const auto* wrapper = dynamic_cast<AAX_VEffectDescriptor*>(descriptor);
    return wrapper == nullptr ? nullptr : wrapper->mHostDescriptor.Get();
}

AAX_IComponentDescriptor* AAX_VEffectDescriptor::NewComponentDescriptor() {
    return AdoptNewChild(mComponentDescriptors, mHostUnknown.Get());
}

Result AAX_VEffectDescriptor::AddComponent(AAX_IComponentDescriptor* component) {
    return mHostDescriptor ? mHostDescriptor->AddComponent(
                                 AAX_VComponentDescriptor::HostDescriptorOf(component))
                           : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VEffectDescriptor::AddName(const char* name) {
    return mHostDescriptor ? mHostDescriptor->AddName(name) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VEffectDescriptor::AddCategory(uint32_t category) {
    return mHostDescriptor ? mHostDescriptor->AddCategory(category) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VEffectDescriptor::AddCategoryBypassParameter(uint32_t category,
                                                         ParameterId parameterID) {
    return mHostDescriptor ? mHostDescriptor->AddCategoryBypassParameter(category, parameterID)
                           : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VEffectDescriptor::AddProcPtr(CreationProc procedure, uint32_t procID) {
    return mHostDescriptor ? mHostDescriptor->AddProcPtr(procedure, procID) : AAX_ERROR_NULL_OBJECT;
}

AAX_IPropertyMap* AAX_VEffectDescriptor::NewPropertyMap() {
    return AdoptNewChild(mPropertyMaps, mHostUnknown.Get());
}

Result AAX_VEffectDescriptor::SetProperties(AAX_IPropertyMap* properties) {
    return mHostDescriptor ? mHostDescriptor->SetProperties(AAX_VPropertyMap::HostMapOf(properties))
                           : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VEffectDescriptor::AddResourceInfo(int32_t type, const char* info) {
    return mHostDescriptor ? mHostDescriptor->AddResourceInfo(type, info) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VEffectDescriptor::AddMeterDescription(uint32_t meterID, const char* name,
                                                  AAX_IPropertyMap* properties) {
    return mHostDescriptor ? mHostDescriptor->AddMeterDescription(
                                 meterID, name, AAX_VPropertyMap::HostMapOf(properties))
                           : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VEffectDescriptor::AddControlMIDINode(uint32_t nodeID, int32_t nodeType,
                                                 const char* nodeName, uint32_t channelMask) {
    return mHostDescriptorV2
               ? mHostDescriptorV2->AddControlMIDINode(nodeID, nodeType, nodeName, channelMask)
               : AAX_ERROR_UNIMPLEMENTED;
}
