#include "module/aax_vcomponent_descriptor.h"

#include "host/host_component.h"

namespace {

// The identifiers that DuplicatePropertyMap copies.
constexpr AAX_CPropertyID kFirstCopiedProperty = 10;
constexpr AAX_CPropertyID kLastCopiedProperty = 307;

}  // namespace

AAX_VComponentDescriptor::AAX_VComponentDescriptor(IACFUnknown* host)
    : mHostUnknown(AddHostReference(host)) {
    const HostComponent created =
        CreateHostComponent(host, CLSID_AAX_ComponentDescriptor, IID_AAX_IACFComponentDescriptor,
                            &IID_AAX_IACFComponentDescriptor_V2);
    mHostDescriptor.Reset(static_cast<AAX_IACFComponentDescriptor*>(created.object));
    mHostDescriptorV2.Reset(static_cast<AAX_IACFComponentDescriptor_V2*>(created.version2));
}

AAX_VComponentDescriptor::~AAX_VComponentDescriptor() {
    mPropertyMaps.clear();
}

AAX_IACFComponentDescriptor* AAX_VComponentDescriptor::HostDescriptorOf(
    AAX_IComponentDescriptor* component) {
    const auto* wrapper = dynamic_cast<AAX_VComponentDescriptor*>(component);
    return wrapper == nullptr ? nullptr : wrapper->mHostDescriptor.Get();
}

AAX_Result AAX_VComponentDescriptor::Clear() {
    return mHostDescriptor ? mHostDescriptor->Clear() : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddAudioIn(AAX_CFieldIndex field) {
    return mHostDescriptor ? mHostDescriptor->AddAudioIn(field) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddAudioOut(AAX_CFieldIndex field) {
    return mHostDescriptor ? mHostDescriptor->AddAudioOut(field) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddAudioBufferLength(AAX_CFieldIndex field) {
    return mHostDescriptor ? mHostDescriptor->AddAudioBufferLength(field) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddSampleRate(AAX_CFieldIndex field) {
    return mHostDescriptor ? mHostDescriptor->AddSampleRate(field) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddClock(AAX_CFieldIndex field) {
    return mHostDescriptor ? mHostDescriptor->AddClock(field) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddSideChainIn(AAX_CFieldIndex field) {
    return mHostDescriptor ? mHostDescriptor->AddSideChainIn(field) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddDataInPort(AAX_CFieldIndex field, uint32_t packetSize,
                                                   int32_t portType) {
    return mHostDescriptor ? mHostDescriptor->AddDataInPort(field, packetSize, portType)
                           : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddAuxOutputStem(AAX_CFieldIndex field,
                                                      AAX_CStemFormat stemFormat,
                                                      const char* name) {
    return mHostDescriptor ? mHostDescriptor->AddAuxOutputStem(field, stemFormat, name)
                           : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddPrivateData(AAX_CFieldIndex field, int32_t dataSize,
                                                    uint32_t options) {
    return mHostDescriptor ? mHostDescriptor->AddPrivateData(field, dataSize, options)
                           : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddTemporaryData(AAX_CFieldIndex field,
                                                      uint32_t dataElementSize) {
    return mHostDescriptorV2 ? mHostDescriptorV2->AddTemporaryData(field, dataElementSize)
                             : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VComponentDescriptor::AddDmaInstance(AAX_CFieldIndex field, int32_t dmaMode) {
    return mHostDescriptor ? mHostDescriptor->AddDmaInstance(field, dmaMode)
                           : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddMeters(AAX_CFieldIndex field, const uint32_t* meterIDs,
                                               uint32_t meterCount) {
    return mHostDescriptor ? mHostDescriptor->AddMeters(field, meterIDs, meterCount)
                           : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddMIDINode(AAX_CFieldIndex field, int32_t nodeType,
                                                 const char* nodeName, uint32_t channelMask) {
    return mHostDescriptor ? mHostDescriptor->AddMIDINode(field, nodeType, nodeName, channelMask)
                           : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddReservedField(AAX_CFieldIndex field, uint32_t fieldType) {
    return mHostDescriptor ? mHostDescriptor->AddReservedField(field, fieldType)
                           : AAX_ERROR_NULL_OBJECT;
}

AAX_IPropertyMap* AAX_VComponentDescriptor::NewPropertyMap() {
    return AdoptNewChild(mPropertyMaps, mHostUnknown.Get());
}

AAX_IPropertyMap* AAX_VComponentDescriptor::DuplicatePropertyMap(AAX_IPropertyMap* source) {
    AAX_IPropertyMap* copy = NewPropertyMap();
    if (copy == nullptr || source == nullptr) return copy;
    for (AAX_CPropertyID id = kFirstCopiedProperty; id <= kLastCopiedProperty; ++id) {
        AAX_CPropertyValue value = 0;
        if (source->GetProperty(id, &value)) copy->AddProperty(id, value);
    }
    return copy;
}

AAX_Result AAX_VComponentDescriptor::AddProcessProc_Native(AAX_CRenderProc processProc,
                                                           AAX_IPropertyMap* properties,
                                                           AAX_CInstanceInitProc instanceInitProc,
                                                           AAX_CBackgroundProc backgroundProc,
                                                           uint32_t* processProcID) {
    return mHostDescriptor ? mHostDescriptor->AddProcessProc_Native(
                                 processProc, AAX_VPropertyMap::HostMapOf(properties),
                                 instanceInitProc, backgroundProc, processProcID)
                           : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddProcessProc_TI(
    const char* libraryName, const char* processProcName, AAX_IPropertyMap* properties,
    const char* instanceInitProcName, const char* backgroundProcName, uint32_t* processProcID) {
    return mHostDescriptor
               ? mHostDescriptor->AddProcessProc_TI(
                     libraryName, processProcName, AAX_VPropertyMap::HostMapOf(properties),
                     instanceInitProcName, backgroundProcName, processProcID)
               : AAX_ERROR_NULL_OBJECT;
}
