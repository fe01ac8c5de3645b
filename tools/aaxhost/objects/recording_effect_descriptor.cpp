#include "tools/aaxhost/objects/recording_effect_descriptor.h"

#include <string>

#include "tools/aaxhost/objects/description_recorder.h"

namespace aaxhost {

RecordingEffectDescriptor::RecordingEffectDescriptor(DescriptionRecorder& recorder, size_t serial)
    : RecordingObject(recorder, DescriptionObject::kEffectDescriptor, serial),
      mVersion1(*this, IID_HostEffectDescriptor),
      mVersion2(*this, IID_HostEffectDescriptorV2) {
    Offer<HostEffectDescriptor>(IID_HostEffectDescriptor, &mVersion1);
    Offer<HostEffectDescriptorV2>(IID_HostEffectDescriptorV2, &mVersion2);
}

bool RecordingEffectDescriptor::Offers(const HostEffectDescriptor* descriptor) const {
    return descriptor != nullptr && (descriptor == &mVersion1 || descriptor == &mVersion2);
}

RecordingEffectDescriptor::Facet::Facet(RecordingEffectDescriptor& owner, const InterfaceId& iid)
    : StandInFacet(owner, iid), mDescriptor(owner) {}

Result RecordingEffectDescriptor::Facet::AddComponent(HostComponentDescriptor* component) {
    const Result result = mDescriptor.Reply(3, {Arg(component)});
    if (result != AAX_SUCCESS) return result;
    if (const auto* declared = mDescriptor.Recorder().FindComponentDescriptor(component)) {
        mDescriptor.mEffect.components.push_back(declared->Declared());
    }
    return result;
}

Result RecordingEffectDescriptor::Facet::AddName(const char* name) {
    const Result result = mDescriptor.Reply(4, {Text(name)});
    if (result == AAX_SUCCESS && name != nullptr) mDescriptor.mEffect.names.emplace_back(name);
    return result;
}

Result RecordingEffectDescriptor::Facet::AddCategory(uint32_t category) {
    const Result result = mDescriptor.Reply(5, {Arg(category)});
    if (result == AAX_SUCCESS) mDescriptor.mEffect.categories.push_back(category);
    return result;
}

Result RecordingEffectDescriptor::Facet::AddCategoryBypassParameter(uint32_t category,
                                                                    ParameterId parameterID) {
    return mDescriptor.Reply(6, {Arg(category), Text(parameterID)});
}

Result RecordingEffectDescriptor::Facet::AddProcPtr(CreationProc procedure, uint32_t procID) {
    const Result result = mDescriptor.Reply(7, {Arg(procedure), Arg(procID)});
    if (result == AAX_SUCCESS) {
        mDescriptor.mEffect.creationProcedures.push_back(CreationProcedure{procedure, procID});
    }
    return result;
}

Result RecordingEffectDescriptor::Facet::SetProperties(HostPropertyMap* properties) {
    const Result result = mDescriptor.Reply(8, {Arg(properties)});
    if (result != AAX_SUCCESS) return result;
    if (const RecordingPropertyMap* map = mDescriptor.Recorder().FindPropertyMap(properties)) {
        mDescriptor.mEffect.properties = map->Held();
    }
    return result;
}

Result RecordingEffectDescriptor::Facet::AddResourceInfo(int32_t type, const char* info) {
    const Result result = mDescriptor.Reply(9, {Arg(type), Text(info)});
    if (result == AAX_SUCCESS) {
        mDescriptor.mEffect.resources.emplace_back(type, info == nullptr ? "" : info);
    }
    return result;
}

Result RecordingEffectDescriptor::Facet::AddMeterDescription(uint32_t meterID, const char* name,
                                                             HostPropertyMap* properties) {
    return mDescriptor.Reply(10, {Arg(meterID), Text(name), Arg(properties)});
}

Result RecordingEffectDescriptor::Facet::AddControlMIDINode(uint32_t nodeID, int32_t nodeType,
                                                            const char* nodeName,
                                                            uint32_t channelMask) {
    return mDescriptor.Reply(11, {Arg(nodeID), Arg(nodeType), Text(nodeName), Arg(channelMask)});
}

}  // namespace aaxhost
