// The stand-in host's controller of one effect instance. It offers the version 1 and version 2
// controller interfaces as two distinct pointers on one object, so that a test can tell through
// which one a reference came and went. Every call is recorded by host slot.
//
// Connected to an algorithm context, it is the instance's data ports: each declared port's field
// points at storage of the controller, and PostPacket copies a payload of the port's size there,
// as a host does between the module's threads and the real-time algorithm.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "abi/algorithm_context.h"
#include "abi/host_controller.h"
#include "tools/aaxhost/call_log.h"
#include "tools/aaxhost/stand_in_object.h"

namespace aaxhost {

// One data port of the algorithm context: its field and its packet size in bytes.
struct DataPort {
    uint32_t fieldIndex;
    uint32_t packetSize;
};

class StandInController : public StandInObject {
  public:
    StandInController();

    CallLog& Log() { return mLog; }
    // What GetSampleRate and the two stem format queries report; 44100 and stereo until set.
    void SetSampleRate(float sampleRate) { mSampleRate = sampleRate; }
    void SetStemFormats(int32_t input, int32_t output);

    // Points each port's field of `context` at zeroed storage of its size; from now on a packet
    // for a port is copied there (4- and 8-byte packets in one atomic store with release order)
    // and a packet for another field, or of another size, is refused with AAX_ERROR_NULL_OBJECT.
    // The context must outlive the connection; called before the controller is handed out.
    void ConnectContext(AlgorithmContext& context, const std::vector<DataPort>& ports);

  private:
    class Facet final : public StandInFacet<AAX_IACFController_V2> {
      public:
        Facet(StandInController& owner, const acfIID& iid);

        AAX_Result GetEffectID(AAX_IString* effectID) override;
        AAX_Result GetSampleRate(float* sampleRate) override;
        AAX_Result GetInputStemFormat(int32_t* stemFormat) override;
        AAX_Result GetOutputStemFormat(int32_t* stemFormat) override;
        AAX_Result GetSignalLatency(int32_t* samples) override;
        AAX_Result GetCycleCount(int32_t field, int32_t* cycles) override;
        AAX_Result GetTODLocation(int64_t* location) override;
        AAX_Result SetSignalLatency(int32_t samples) override;
        AAX_Result SetCycleCount(int32_t* fields, int32_t* values, int32_t count) override;
        AAX_Result PostPacket(uint32_t fieldIndex, const void* payload,
                              uint32_t payloadSize) override;
        AAX_Result GetCurrentMeterValue(uint32_t meterID, float* value) override;
        AAX_Result GetMeterPeakValue(uint32_t meterID, float* value) override;
        AAX_Result ClearMeterPeakValue(uint32_t meterID) override;
        AAX_Result GetMeterClipped(uint32_t meterID, bool* clipped) override;
        AAX_Result ClearMeterClipped(uint32_t meterID) override;
        AAX_Result GetMeterCount(uint32_t* count) override;
        AAX_Result GetNextMIDIPacket(uint32_t* nodeID, void* packet) override;
        AAX_Result GetCurrentAutomationTimestamp(uint32_t* timestamp) override;
        AAX_Result GetHostName(AAX_IString* name) override;
        AAX_Result GetPlugInTargetPlatform(int32_t* platform) override;
        AAX_Result GetIsAudioSuite(bool* isAudioSuite) override;

      private:
        StandInController& mController;
    };

    struct PortStorage {
        DataPort port;
        // Storage of a byte array, which may hold an object of any type that fits.
        std::unique_ptr<unsigned char[]> bytes;
    };

    // The host's copy into a connected port; AAX_SUCCESS while no context is connected.
    AAX_Result Deliver(uint32_t fieldIndex, const void* payload, uint32_t payloadSize);

    CallLog mLog;
    std::vector<PortStorage> mPorts;
    bool mConnected = false;
    float mSampleRate = 44100.0f;
    int32_t mInputStemFormat = 0x00010002;
    int32_t mOutputStemFormat = 0x00010002;
    Facet mVersion1;
    Facet mVersion2;
};

}  // namespace aaxhost
