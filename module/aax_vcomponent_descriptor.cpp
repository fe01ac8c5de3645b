#include "module/aax_vcomponent_descriptor.h"

#include "host/host_component.h"

namespace {

// The identifiers that DuplicatePropertyMap copies.
constexpr PropertyId kFirstCopiedProperty = 10;
constexpr PropertyId kLastCopiedProperty = 307;

}  // namespace

AAX_VComponentDescriptor::AAX_VComponentDescriptor(IACFUnknown* host)
    : mHostUnknown(AddHostReference(host)) {
    const HostComponent created =
        CreateHostComponent(host, CLSID_HostComponentDescriptor, IID_HostComponentDescriptor,
                            &IID_HostComponentDescriptorV2);
    mHostDescriptor.Reset(static_cast<HostComponentDescriptor*>(created.object));
    mHostDescriptorV2.Reset(static_cast<HostComponentDescriptorV2*>(created.version2));
}

AAX_VComponentDescriptor::~AAX_VComponentDescriptor() {
    mPropertyMaps.clear();
}

HostComponentDescriptor* AAX_VComponentDescriptor::HostDescriptorOf(
    AAX_IComponentDescriptor* component) {
    const auto* wrapper = dynamic_cast<AAX_VComponentDescriptor*>(component);
    return wrapper == nullptr ? nullptr : wrapper->mHostDescriptor.Get();
}

Result AAX_VComponentDescriptor::Clear() {
    return mHostDescriptor ? mHostDescriptor->Clear() : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VComponentDescriptor::AddAudioIn(FieldIndex field) {
    return mHostDescriptor ? mHostDescriptor->AddAudioIn(field) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VComponentDescriptor::AddAudioOut(FieldIndex field) {
    return mHostDescriptor ? mHostDescriptor->AddAudioOut(field) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VComponentDescriptor::AddAudioBufferLength(FieldIndex field) {
    return mHostDescriptor ? mHostDescriptor->AddAudioBufferLength(field) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VComponentDescriptor::AddSampleRate(FieldIndex field) {
    return mHostDescriptor ? mHostDescriptor->AddSampleRate(field) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VComponentDescriptor::AddClock(FieldIndex field) {
    return mHostDescriptor ? mHostDescriptor->AddClock(field) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VComponentDescriptor::AddSideChainIn(FieldIndex field) {
    return mHostDescriptor ? mHostDescriptor->AddSideChainIn(field) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VComponentDescriptor::AddDataInPort(FieldIndex field, uint32_t packetSize,
                                               int32_t portType) {
    return mHostDescriptor ? mHostDescriptor->AddDataInPort(field, packetSize, portType)
                           : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VComponentDescriptor::AddAuxOutputStem(FieldIndex field, StemFormat stemFormat,
                                                  const char* name) {
    return mHostDescriptor ? mHostDescriptor->AddAuxOutputStem(field, stemFormat, name)
                           : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VComponentDescriptor::AddPrivateData(FieldIndex field, int32_t dataSize,
                                                uint32_t options) {
    return mHostDescriptor ? mHostDescriptor->AddPrivateData(field, dataSize, options)
                           : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VComponentDescriptor::AddTemporaryData(FieldIndex field, uint32_t dataElementSize) {
    return mHostDescriptorV2 ? mHostDescriptorV2->AddTemporaryData(field, dataElementSize)
                             : AAX_ERROR_UNIMPLEMENTED;
}

Result AAX_VComponentDescriptor::AddDmaInstance(FieldIndex field, int32_t dmaMode) {
    return mHostDescriptor ? mHostDescriptor->AddDmaInstance(field, dmaMode)
                           : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VComponentDescriptor::AddMeters(FieldIndex field, const uint32_t* meterIDs,
                                           uint32_t meterCount) {
    return mHostDescriptor ? mHostDescriptor->AddMeters(field, meterIDs, meterCount)
                           : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VComponentDescriptor::AddMIDINode(FieldIndex field, int32_t nodeType,
                                             const char* nodeName, uint32_t channelMask) {
    return mHostDescriptor ? mHostDescriptor->AddMIDINode(field, nodeType, nodeName, channelMask)
                           : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VComponentDescriptor::AddReservedField(FieldIndex field, uint32_t fieldType) {
    return mHostDescriptor ? mHostDescriptor->AddReservedField(field, fieldType)
                           : AAX_ERROR_NULL_OBJECT;
}

AAX_IPropertyMap* AAX_VComponentDescriptor::NewPropertyMap() {
    return AdoptNewChild(mPropertyMaps, mHostUnknown.Get());
}

AAX_IPropertyMap* AAX_VComponentDescriptor::DuplicatePropertyMap(AAX_IPropertyMap* source) {
    AAX_IPropertyMap* copy = NewPropertyMap();
    if (copy == nullptr || source == nullptr) return copy;
    for (PropertyId id = kFirstCopiedProperty; id <= kLastCopiedProperty; ++id) {
        PropertyValue value = 0;
        if (source->GetProperty(id, &value)) copy->AddProperty(id, value);
    }
    return copy;
}

Result AAX_VComponentDescriptor::AddProcessProc_Native(ProcessProc processProc,
                                                       AAX_IPropertyMap* properties,
                                                       InstanceInitProc instanceInitProc,
                                                       BackgroundProc backgroundProc,
                                                       uint32_t* processProcID) {
    return mHostDescriptor ? mHostDescriptor->AddProcessProc_Native(
                                 processProc, AAX_VPropertyMap::HostMapOf(properties),
                                 instanceInitProc, backgroundProc, processProcID)
                           : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VComponentDescriptor::AddProcessProc_TI(
    const char* libraryName, const char* processProcName, AAX_IPropertyMap* properties,
    const char* instanceInitProcName, const char* backgroundProcName, uint32_t* processProcID) {
    return mHostDescriptor
               ? mHostDescriptor->AddProcessProc_TI(
                     libraryName, processProcName, AAX_VPropertyMap::HostMapOf(properties),
                     instanceInitProcName, backgroundProcName, processProcID)
               : AAX_ERROR_NULL_OBJECT;
}
