// The stand-in host's component descriptor, offered as the version 1 and version 2 interfaces. It
// keeps the component declared since it was made or last cleared: every field declaration, and
// each process procedure with the properties that its map held when it was given. A call
// answered with a failure result changes nothing.
#pragma once

#include "abi/host_component_descriptor.h"
#include "tools/aaxhost/recorded_description.h"
#include "tools/aaxhost/recording_object.h"

namespace aaxhost {

class RecordingComponentDescriptor final : public RecordingObject {
  public:
    RecordingComponentDescriptor(DescriptionRecorder& recorder, size_t serial);

    const Component& Declared() const { return mComponent; }
    // Whether `descriptor` is one of this object's interfaces.
    bool Offers(const AAX_IACFComponentDescriptor* descriptor) const;
    AAX_IACFComponentDescriptor* Interface() { return &mVersion1; }

  private:
    class Facet final : public StandInFacet<AAX_IACFComponentDescriptor_V2> {
      public:
        Facet(RecordingComponentDescriptor& owner, const acfIID& iid);

        AAX_Result Clear() override;
        AAX_Result AddReservedField(AAX_CFieldIndex field, uint32_t fieldType) override;
        AAX_Result AddAudioIn(AAX_CFieldIndex field) override;
        AAX_Result AddAudioOut(AAX_CFieldIndex field) override;
        AAX_Result AddAudioBufferLength(AAX_CFieldIndex field) override;
        AAX_Result AddSampleRate(AAX_CFieldIndex field) override;
        AAX_Result AddClock(AAX_CFieldIndex field) override;
        AAX_Result AddSideChainIn(AAX_CFieldIndex field) override;
        AAX_Result AddDataInPort(AAX_CFieldIndex field, uint32_t packetSize,
                                 int32_t portType) override;
        AAX_Result AddAuxOutputStem(AAX_CFieldIndex field, AAX_CStemFormat stemFormat,
                                    const char* name) override;
        AAX_Result AddPrivateData(AAX_CFieldIndex field, int32_t dataSize,
                                  uint32_t options) override;
        AAX_Result AddDmaInstance(AAX_CFieldIndex field, int32_t dmaMode) override;
        AAX_Result AddMIDINode(AAX_CFieldIndex field, int32_t nodeType, const char* nodeName,
                               uint32_t channelMask) override;
        AAX_Result AddProcessProc_Native(AAX_CRenderProc processProc,
                                         AAX_IACFPropertyMap* properties,
                                         AAX_CInstanceInitProc instanceInitProc,
                                         AAX_CBackgroundProc backgroundProc,
                                         uint32_t* processProcID) override;
        AAX_Result AddProcessProc_TI(const char* libraryName, const char* processProcName,
                                     AAX_IACFPropertyMap* properties,
                                     const char* instanceInitProcName,
                                     const char* backgroundProcName,
                                     uint32_t* processProcID) override;
        AAX_Result AddMeters(AAX_CFieldIndex field, const uint32_t* meterIDs,
                             uint32_t meterCount) override;
        AAX_Result AddTemporaryData(AAX_CFieldIndex field, uint32_t dataElementSize) override;

      private:
        // Notes the call and keeps `field` when the call succeeds.
        AAX_Result Declare(int32_t slot, std::vector<CallArgument> arguments, DeclaredField field);

        RecordingComponentDescriptor& mDescriptor;
    };

    Component mComponent;
    Facet mVersion1;
    Facet mVersion2;
};

}  // namespace aaxhost
