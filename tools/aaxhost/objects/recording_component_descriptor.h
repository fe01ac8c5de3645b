// The stand-in host's component descriptor, offered as the version 1 and version 2 interfaces. It
// keeps the component declared since it was made or last cleared: every field declaration, and
// each process procedure with the properties that its map held when it was given. A call
// answered with a failure result changes nothing.
#pragma once

#include "abi/host_component_descriptor.h"
#include "tools/aaxhost/objects/recorded_description.h"
#include "tools/aaxhost/objects/recording_object.h"

namespace aaxhost {

class RecordingComponentDescriptor final : public RecordingObject {
  public:
    RecordingComponentDescriptor(DescriptionRecorder& recorder, size_t serial);

    const Component& Declared() const { return mComponent; }
    // Whether `descriptor` is one of this object's interfaces.
    bool Offers(const HostComponentDescriptor* descriptor) const;
    HostComponentDescriptor* Interface() { return &mVersion1; }

  private:
    class Facet final : public StandInFacet<HostComponentDescriptorV2> {
      public:
        Facet(RecordingComponentDescriptor& owner, const InterfaceId& iid);

        Result Clear() override;
        Result AddReservedField(FieldIndex field, uint32_t fieldType) override;
        Result AddAudioIn(FieldIndex field) override;
        Result AddAudioOut(FieldIndex field) override;
        Result AddAudioBufferLength(FieldIndex field) override;
        Result AddSampleRate(FieldIndex field) override;
        Result AddClock(FieldIndex field) override;
        Result AddSideChainIn(FieldIndex field) override;
        Result AddDataInPort(FieldIndex field, uint32_t packetSize, int32_t portType) override;
        Result AddAuxOutputStem(FieldIndex field, StemFormat stemFormat, const char* name) override;
        Result AddPrivateData(FieldIndex field, int32_t dataSize, uint32_t options) override;
        Result AddDmaInstance(FieldIndex field, int32_t dmaMode) override;
        Result AddMIDINode(FieldIndex field, int32_t nodeType, const char* nodeName,
                           uint32_t channelMask) override;
        Result AddProcessProc_Native(ProcessProc processProc, HostPropertyMap* properties,
                                     InstanceInitProc instanceInitProc,
                                     BackgroundProc backgroundProc,
                                     uint32_t* processProcID) override;
        Result AddProcessProc_TI(const char* libraryName, const char* processProcName,
                                 HostPropertyMap* properties, const char* instanceInitProcName,
                                 const char* backgroundProcName, uint32_t* processProcID) override;
        Result AddMeters(FieldIndex field, const uint32_t* meterIDs, uint32_t meterCount) override;
        Result AddTemporaryData(FieldIndex field, uint32_t dataElementSize) override;

      private:
        // Notes the call and keeps `field` when the call succeeds.
        Result Declare(int32_t slot, std::vector<CallArgument> arguments, DeclaredField field);

        RecordingComponentDescriptor& mDescriptor;
    };

    Component mComponent;
    Facet mVersion1;
    Facet mVersion2;
};

}  // namespace aaxhost
