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
#include "tools/aaxhost/objects/call_log.h"
#include "tools/aaxhost/objects/stand_in_object.h"

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
    class Facet final : public StandInFacet<HostControllerV2> {
      public:
        Facet(StandInController& owner, const InterfaceId& iid);

        Result HostControllerSlot3(void*) override;
        Result GetSampleRate(float* sampleRate) override;
        Result GetInputStemFormat(int32_t* stemFormat) override;
        Result GetOutputStemFormat(int32_t* stemFormat) override;
        Result HostControllerSlot7(int32_t*) override;
        Result HostControllerSlot8(int32_t, int32_t*) override;
        Result HostControllerSlot9(int64_t*) override;
        Result HostControllerSlot10(int32_t) override;
        Result HostControllerSlot11(int32_t*, int32_t*, int32_t) override;
        Result PostPacket(uint32_t fieldIndex, const void* payload, uint32_t payloadSize) override;
        Result HostControllerSlot13(uint32_t, float*) override;
        Result HostControllerSlot14(uint32_t, float*) override;
        Result HostControllerSlot15(uint32_t) override;
        Result HostControllerSlot16(uint32_t, bool*) override;
        Result HostControllerSlot17(uint32_t) override;
        Result HostControllerSlot18(uint32_t*) override;
        Result HostControllerSlot19(uint32_t*, void*) override;
        Result HostControllerSlot20(uint32_t*) override;
        Result HostControllerSlot21(void*) override;
        Result HostControllerSlot22(int32_t*) override;
        Result HostControllerSlot23(bool*) override;

      private:
        StandInController& mController;
    };

    struct PortStorage {
        DataPort port;
        // Storage of a byte array, which may hold an object of any type that fits.
        std::unique_ptr<unsigned char[]> bytes;
    };

    // The host's copy into a connected port; AAX_SUCCESS while no context is connected.
    Result Deliver(uint32_t fieldIndex, const void* payload, uint32_t payloadSize);

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
