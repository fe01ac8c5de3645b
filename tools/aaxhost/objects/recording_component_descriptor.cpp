#include "tools/aaxhost/objects/recording_component_descriptor.h"

#include <string>
#include <utility>

#include "tools/aaxhost/objects/description_recorder.h"

namespace aaxhost {

namespace {

using Kind = DeclaredField::Kind;

DeclaredField Field(FieldIndex index, Kind kind) {
    DeclaredField field;
    field.index = index;
    field.kind = kind;
    return field;
}

DeclaredField OtherField(FieldIndex index, int32_t hostSlot) {
    DeclaredField field = Field(index, Kind::kOther);
    field.hostSlot = hostSlot;
    return field;
}

}  // namespace

RecordingComponentDescriptor::RecordingComponentDescriptor(DescriptionRecorder& recorder,
                                                           size_t serial)
    : RecordingObject(recorder, DescriptionObject::kComponentDescriptor, serial),
      mVersion1(*this, IID_HostComponentDescriptor),
      mVersion2(*this, IID_HostComponentDescriptorV2) {
    Offer<HostComponentDescriptor>(IID_HostComponentDescriptor, &mVersion1);
    Offer<HostComponentDescriptorV2>(IID_HostComponentDescriptorV2, &mVersion2);
}

bool RecordingComponentDescriptor::Offers(const HostComponentDescriptor* descriptor) const {
    return descriptor != nullptr && (descriptor == &mVersion1 || descriptor == &mVersion2);
}

RecordingComponentDescriptor::Facet::Facet(RecordingComponentDescriptor& owner,
                                           const InterfaceId& iid)
    : StandInFacet(owner, iid), mDescriptor(owner) {}

Result RecordingComponentDescriptor::Facet::Declare(int32_t slot,
                                                    std::vector<CallArgument> arguments,
                                                    DeclaredField field) {
    const Result result = mDescriptor.Reply(slot, std::move(arguments));
    if (result == AAX_SUCCESS) mDescriptor.mComponent.fields.push_back(std::move(field));
    return result;
}

Result RecordingComponentDescriptor::Facet::Clear() {
    const Result result = mDescriptor.Reply(3, {});
    if (result == AAX_SUCCESS) mDescriptor.mComponent = Component{};
    return result;
}

Result RecordingComponentDescriptor::Facet::AddReservedField(FieldIndex field, uint32_t fieldType) {
    return Declare(4, {Arg(field), Arg(fieldType)}, OtherField(field, 4));
}

Result RecordingComponentDescriptor::Facet::AddAudioIn(FieldIndex field) {
    return Declare(5, {Arg(field)}, Field(field, Kind::kAudioIn));
}

Result RecordingComponentDescriptor::Facet::AddAudioOut(FieldIndex field) {
    return Declare(6, {Arg(field)}, Field(field, Kind::kAudioOut));
}

Result RecordingComponentDescriptor::Facet::AddAudioBufferLength(FieldIndex field) {
    return Declare(7, {Arg(field)}, Field(field, Kind::kBufferLength));
}

Result RecordingComponentDescriptor::Facet::AddSampleRate(FieldIndex field) {
    return Declare(8, {Arg(field)}, OtherField(field, 8));
}

Result RecordingComponentDescriptor::Facet::AddClock(FieldIndex field) {
    return Declare(9, {Arg(field)}, OtherField(field, 9));
}

Result RecordingComponentDescriptor::Facet::AddSideChainIn(FieldIndex field) {
    return Declare(10, {Arg(field)}, Field(field, Kind::kSideChainIn));
}

Result RecordingComponentDescriptor::Facet::AddDataInPort(FieldIndex field, uint32_t packetSize,
                                                          int32_t portType) {
    DeclaredField port = Field(field, Kind::kDataInPort);
    port.packetSize = packetSize;
    port.portType = portType;
    return Declare(11, {Arg(field), Arg(packetSize), Arg(portType)}, std::move(port));
}

Result RecordingComponentDescriptor::Facet::AddAuxOutputStem(FieldIndex field,
                                                             StemFormat stemFormat,
                                                             const char* name) {
    return Declare(12, {Arg(field), Arg(stemFormat), Text(name)}, OtherField(field, 12));
}

Result RecordingComponentDescriptor::Facet::AddPrivateData(FieldIndex field, int32_t dataSize,
                                                           uint32_t options) {
    return Declare(13, {Arg(field), Arg(dataSize), Arg(options)}, OtherField(field, 13));
}

Result RecordingComponentDescriptor::Facet::AddDmaInstance(FieldIndex field, int32_t dmaMode) {
    return Declare(14, {Arg(field), Arg(dmaMode)}, OtherField(field, 14));
}

Result RecordingComponentDescriptor::Facet::AddMIDINode(FieldIndex field, int32_t nodeType,
                                                        const char* nodeName,
                                                        uint32_t channelMask) {
    DeclaredField node = Field(field, Kind::kMidiNode);
    node.nodeType = nodeType;
    node.nodeName = nodeName == nullptr ? std::string() : std::string(nodeName);
    node.channelMask = channelMask;
    return Declare(15, {Arg(field), Arg(nodeType), Text(nodeName), Arg(channelMask)},
                   std::move(node));
}

Result RecordingComponentDescriptor::Facet::AddProcessProc_Native(ProcessProc processProc,
                                                                  HostPropertyMap* properties,
                                                                  InstanceInitProc instanceInitProc,
                                                                  BackgroundProc backgroundProc,
                                                                  uint32_t* processProcID) {
    const Result result =
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

Result RecordingComponentDescriptor::Facet::AddProcessProc_TI(
    const char* libraryName, const char* processProcName, HostPropertyMap* properties,
    const char* instanceInitProcName, const char* backgroundProcName, uint32_t* processProcID) {
    return mDescriptor.Reply(
        17, {Text(libraryName), Text(processProcName), Arg(properties), Text(instanceInitProcName),
             Text(backgroundProcName), Arg(processProcID)});
}

Result RecordingComponentDescriptor::Facet::AddMeters(FieldIndex field, const uint32_t* meterIDs,
                                                      uint32_t meterCount) {
    return Declare(18, {Arg(field), Arg(meterIDs), Arg(meterCount)}, OtherField(field, 18));
}

Result RecordingComponentDescriptor::Facet::AddTemporaryData(FieldIndex field,
                                                             uint32_t dataElementSize) {
    return Declare(19, {Arg(field), Arg(dataElementSize)}, OtherField(field, 19));
}

}  // namespace aaxhost
