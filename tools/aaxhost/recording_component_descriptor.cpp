#include "tools/aaxhost/recording_component_descriptor.h"

#include <string>
#include <utility>

#include "tools/aaxhost/description_recorder.h"

namespace aaxhost {

namespace {

using Kind = DeclaredField::Kind;

DeclaredField Field(AAX_CFieldIndex index, Kind kind) {
    DeclaredField field;
    field.index = index;
    field.kind = kind;
    return field;
}

DeclaredField OtherField(AAX_CFieldIndex index, int32_t hostSlot) {
    DeclaredField field = Field(index, Kind::kOther);
    field.hostSlot = hostSlot;
    return field;
}

}  // namespace

RecordingComponentDescriptor::RecordingComponentDescriptor(DescriptionRecorder& recorder,
                                                           size_t serial)
    : RecordingObject(recorder, DescriptionObject::kComponentDescriptor, serial),
      mVersion1(*this, IID_AAX_IACFComponentDescriptor),
      mVersion2(*this, IID_AAX_IACFComponentDescriptor_V2) {
    Offer<AAX_IACFComponentDescriptor>(IID_AAX_IACFComponentDescriptor, &mVersion1);
    Offer<AAX_IACFComponentDescriptor_V2>(IID_AAX_IACFComponentDescriptor_V2, &mVersion2);
}

bool RecordingComponentDescriptor::Offers(const AAX_IACFComponentDescriptor* descriptor) const {
    return descriptor != nullptr && (descriptor == &mVersion1 || descriptor == &mVersion2);
}

RecordingComponentDescriptor::Facet::Facet(RecordingComponentDescriptor& owner, const acfIID& iid)
    : StandInFacet(owner, iid), mDescriptor(owner) {}

AAX_Result RecordingComponentDescriptor::Facet::Declare(int32_t slot,
                                                        std::vector<CallArgument> arguments,
                                                        DeclaredField field) {
    const AAX_Result result = mDescriptor.Reply(slot, std::move(arguments));
    if (result == AAX_SUCCESS) mDescriptor.mComponent.fields.push_back(std::move(field));
    return result;
}

AAX_Result RecordingComponentDescriptor::Facet::Clear() {
    const AAX_Result result = mDescriptor.Reply(3, {});
    if (result == AAX_SUCCESS) mDescriptor.mComponent = Component{};
    return result;
}

AAX_Result RecordingComponentDescriptor::Facet::AddReservedField(AAX_CFieldIndex field,
                                                                 uint32_t fieldType) {
    return Declare(4, {Arg(field), Arg(fieldType)}, OtherField(field, 4));
}

AAX_Result RecordingComponentDescriptor::Facet::AddAudioIn(AAX_CFieldIndex field) {
    return Declare(5, {Arg(field)}, Field(field, Kind::kAudioIn));
}

AAX_Result RecordingComponentDescriptor::Facet::AddAudioOut(AAX_CFieldIndex field) {
    return Declare(6, {Arg(field)}, Field(field, Kind::kAudioOut));
}

AAX_Result RecordingComponentDescriptor::Facet::AddAudioBufferLength(AAX_CFieldIndex field) {
    return Declare(7, {Arg(field)}, Field(field, Kind::kBufferLength));
}

AAX_Result RecordingComponentDescriptor::Facet::AddSampleRate(AAX_CFieldIndex field) {
    return Declare(8, {Arg(field)}, OtherField(field, 8));
}

AAX_Result RecordingComponentDescriptor::Facet::AddClock(AAX_CFieldIndex field) {
    return Declare(9, {Arg(field)}, OtherField(field, 9));
}

AAX_Result RecordingComponentDescriptor::Facet::AddSideChainIn(AAX_CFieldIndex field) {
    return Declare(10, {Arg(field)}, Field(field, Kind::kSideChainIn));
}

AAX_Result RecordingComponentDescriptor::Facet::AddDataInPort(AAX_CFieldIndex field,
                                                              uint32_t packetSize,
                                                              int32_t portType) {
    DeclaredField port = Field(field, Kind::kDataInPort);
    port.packetSize = packetSize;
    port.portType = portType;
    return Declare(11, {Arg(field), Arg(packetSize), Arg(portType)}, std::move(port));
}

AAX_Result RecordingComponentDescriptor::Facet::AddAuxOutputStem(AAX_CFieldIndex field,
                                                                 AAX_CStemFormat stemFormat,
                                                                 const char* name) {
    return Declare(12, {Arg(field), Arg(stemFormat), Text(name)}, OtherField(field, 12));
}

AAX_Result RecordingComponentDescriptor::Facet::AddPrivateData(AAX_CFieldIndex field,
                                                               int32_t dataSize, uint32_t options) {
    return Declare(13, {Arg(field), Arg(dataSize), Arg(options)}, OtherField(field, 13));
}

AAX_Result RecordingComponentDescriptor::Facet::AddDmaInstance(AAX_CFieldIndex field,
                                                               int32_t dmaMode) {
    return Declare(14, {Arg(field), Arg(dmaMode)}, OtherField(field, 14));
}

AAX_Result RecordingComponentDescriptor::Facet::AddMIDINode(AAX_CFieldIndex field, int32_t nodeType,
                                                            const char* nodeName,
                                                            uint32_t channelMask) {
    DeclaredField node = Field(field, Kind::kMidiNode);
    node.nodeType = nodeType;
    node.nodeName = nodeName == nullptr ? std::string() : std::string(nodeName);
    node.channelMask = channelMask;
    return Declare(15, {Arg(field), Arg(nodeType), Text(nodeName), Arg(channelMask)},
                   std::move(node));
}

AAX_Result RecordingComponentDescriptor::Facet::AddProcessProc_Native(
    AAX_CRenderProc processProc, AAX_IACFPropertyMap* properties,
    AAX_CInstanceInitProc instanceInitProc, AAX_CBackgroundProc backgroundProc,
    uint32_t* processProcID) {
    const AAX_Result result =
        mDescriptor.Reply(16, {Arg(processProc), Arg(properties), Arg(instanceInitProc),
                               Arg(backgroundProc), Arg(processProcID)});
    if (result != AAX_SUCCESS) return result;
    ProcessProcedure procedure{processProc, std::nullopt, instanceInitProc, backgroundProc,
                               processProcID};
    if (const RecordingPropertyMap* map = mDescriptor.Recorder().FindPropertyMap(properties)) {
        procedure.properties = map->Held();
    }
    mDescriptor.mComponent.processProcedures.push_back(std::move(procedure));
    return result;
}

AAX_Result RecordingComponentDescriptor::Facet::AddProcessProc_TI(
    const char* libraryName, const char* processProcName, AAX_IACFPropertyMap* properties,
    const char* instanceInitProcName, const char* backgroundProcName, uint32_t* processProcID) {
    return mDescriptor.Reply(
        17, {Text(libraryName), Text(processProcName), Arg(properties), Text(instanceInitProcName),
             Text(backgroundProcName), Arg(processProcID)});
}

AAX_Result RecordingComponentDescriptor::Facet::AddMeters(AAX_CFieldIndex field,
                                                          const uint32_t* meterIDs,
                                                          uint32_t meterCount) {
    return Declare(18, {Arg(field), Arg(meterIDs), Arg(meterCount)}, OtherField(field, 18));
}

AAX_Result RecordingComponentDescriptor::Facet::AddTemporaryData(AAX_CFieldIndex field,
                                                                 uint32_t dataElementSize) {
    return Declare(19, {Arg(field), Arg(dataElementSize)}, OtherField(field, 19));
}

}  // namespace aaxhost
