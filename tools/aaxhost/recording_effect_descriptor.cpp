#include "tools/aaxhost/recording_effect_descriptor.h"

#include <string>

#include "tools/aaxhost/description_recorder.h"

namespace aaxhost {

RecordingEffectDescriptor::RecordingEffectDescriptor(DescriptionRecorder& recorder, size_t serial)
    : RecordingObject(recorder, DescriptionObject::kEffectDescriptor, serial),
      mVersion1(*this, IID_AAX_IACFEffectDescriptor),
      mVersion2(*this, IID_AAX_IACFEffectDescriptor_V2) {
    Offer<AAX_IACFEffectDescriptor>(IID_AAX_IACFEffectDescriptor, &mVersion1);
    Offer<AAX_IACFEffectDescriptor_V2>(IID_AAX_IACFEffectDescriptor_V2, &mVersion2);
}

bool RecordingEffectDescriptor::Offers(const AAX_IACFEffectDescriptor* descriptor) const {
    return descriptor != nullptr && (descriptor == &mVersion1 || descriptor == &mVersion2);
}

RecordingEffectDescriptor::Facet::Facet(RecordingEffectDescriptor& owner, const acfIID& iid)
    : StandInFacet(owner, iid), mDescriptor(owner) {}

AAX_Result RecordingEffectDescriptor::Facet::AddComponent(AAX_IACFComponentDescriptor* component) {
    const AAX_Result result = mDescriptor.Reply(3, {Arg(component)});
    if (result != AAX_SUCCESS) return result;
    if (const auto* declared = mDescriptor.Recorder().FindComponentDescriptor(component)) {
        mDescriptor.mEffect.components.push_back(declared->Declared());
    }
    return result;
}

AAX_Result RecordingEffectDescriptor::Facet::AddName(const char* name) {
    const AAX_Result result = mDescriptor.Reply(4, {Text(name)});
    if (result == AAX_SUCCESS && name != nullptr) mDescriptor.mEffect.names.emplace_back(name);
    return result;
}

AAX_Result RecordingEffectDescriptor::Facet::AddCategory(uint32_t category) {
    const AAX_Result result = mDescriptor.Reply(5, {Arg(category)});
    if (result == AAX_SUCCESS) mDescriptor.mEffect.categories.push_back(category);
    return result;
}

AAX_Result RecordingEffectDescriptor::Facet::AddCategoryBypassParameter(uint32_t category,
                                                                        AAX_CParamID parameterID) {
    return mDescriptor.Reply(6, {Arg(category), Text(parameterID)});
}

AAX_Result RecordingEffectDescriptor::Facet::AddProcPtr(AAX_CCreateObjectProc procedure,
                                                        uint32_t procID) {
    const AAX_Result result = mDescriptor.Reply(7, {Arg(procedure), Arg(procID)});
    if (result == AAX_SUCCESS) {
        mDescriptor.mEffect.creationProcedures.push_back(CreationProcedure{procedure, procID});
    }
    return result;
}

AAX_Result RecordingEffectDescriptor::Facet::SetProperties(AAX_IACFPropertyMap* properties) {
    const AAX_Result result = mDescriptor.Reply(8, {Arg(properties)});
    if (result != AAX_SUCCESS) return result;
    if (const RecordingPropertyMap* map = mDescriptor.Recorder().FindPropertyMap(properties)) {
        mDescriptor.mEffect.properties = map->Held();
    }
    return result;
}

AAX_Result RecordingEffectDescriptor::Facet::AddResourceInfo(int32_t type, const char* info) {
    const AAX_Result result = mDescriptor.Reply(9, {Arg(type), Text(info)});
    if (result == AAX_SUCCESS) {
        mDescriptor.mEffect.resources.emplace_back(type, info == nullptr ? "" : info);
    }
    return result;
}

AAX_Result RecordingEffectDescriptor::Facet::AddMeterDescription(uint32_t meterID, const char* name,
                                                                 AAX_IACFPropertyMap* properties) {
    return mDescriptor.Reply(10, {Arg(meterID), Text(name), Arg(properties)});
}

AAX_Result RecordingEffectDescriptor::Facet::AddControlMIDINode(uint32_t nodeID, int32_t nodeType,
                                                                const char* nodeName,
                                                                uint32_t channelMask) {
    return mDescriptor.Reply(11, {Arg(nodeID), Arg(nodeType), Text(nodeName), Arg(channelMask)});
}

}  // namespace aaxhost
