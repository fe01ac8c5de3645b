#include "tools/aaxhost/objects/controller.h"

#include <atomic>
#include <cstring>

namespace aaxhost {

StandInController::StandInController()
    : mVersion1(*this, IID_HostController), mVersion2(*this, IID_HostControllerV2) {
    Offer<HostController>(IID_HostController, &mVersion1);
    Offer<HostControllerV2>(IID_HostControllerV2, &mVersion2);
}

void StandInController::SetStemFormats(int32_t input, int32_t output) {
    mInputStemFormat = input;
    mOutputStemFormat = output;
}

void StandInController::ConnectContext(AlgorithmContext& context,
                                       const std::vector<DataPort>& ports) {
    auto* fields = reinterpret_cast<void**>(&context);
    for (const DataPort& port : ports) {
        if (port.fieldIndex >= kAlgorithmFieldCount) continue;
        const size_t size = port.packetSize > sizeof(uint64_t) ? port.packetSize : sizeof(uint64_t);
        PortStorage storage{port, std::make_unique<unsigned char[]>(size)};
        fields[port.fieldIndex] = storage.bytes.get();
        mPorts.push_back(std::move(storage));
    }
    mConnected = true;
}

Result StandInController::Deliver(uint32_t fieldIndex, const void* payload, uint32_t payloadSize) {
    if (!mConnected) return AAX_SUCCESS;
    for (PortStorage& storage : mPorts) {
        if (storage.port.fieldIndex != fieldIndex) continue;
        if (payload == nullptr || payloadSize != storage.port.packetSize) break;
        // Whole-word stores with release order, so that a render thread that reads a flag with
        // acquire order also sees what was posted before it.
        if (payloadSize == sizeof(uint32_t)) {
            uint32_t value = 0;
            std::memcpy(&value, payload, sizeof value);
            std::atomic_ref<uint32_t>(*reinterpret_cast<uint32_t*>(storage.bytes.get()))
                .store(value, std::memory_order_release);
        } else if (payloadSize == sizeof(uint64_t)) {
            uint64_t value = 0;
            std::memcpy(&value, payload, sizeof value);
            std::atomic_ref<uint64_t>(*reinterpret_cast<uint64_t*>(storage.bytes.get()))
                .store(value, std::memory_order_release);
        } else {
            std::memcpy(storage.bytes.get(), payload, payloadSize);
        }
        return AAX_SUCCESS;
    }
    return AAX_ERROR_NULL_OBJECT;
}

StandInController::Facet::Facet(StandInController& owner, const InterfaceId& iid)
    : StandInFacet(owner, iid), mController(owner) {}

Result StandInController::Facet::HostControllerSlot3(void* a1) {
    return mController.mLog.Record(3, Arg(a1));
}

Result StandInController::Facet::GetSampleRate(float* sampleRate) {
    if (sampleRate != nullptr) *sampleRate = mController.mSampleRate;
    return mController.mLog.Record(4, Arg(sampleRate));
}

Result StandInController::Facet::GetInputStemFormat(int32_t* stemFormat) {
    if (stemFormat != nullptr) *stemFormat = mController.mInputStemFormat;
    return mController.mLog.Record(5, Arg(stemFormat));
}

Result StandInController::Facet::GetOutputStemFormat(int32_t* stemFormat) {
    if (stemFormat != nullptr) *stemFormat = mController.mOutputStemFormat;
    return mController.mLog.Record(6, Arg(stemFormat));
}

Result StandInController::Facet::HostControllerSlot7(int32_t* a1) {
    return mController.mLog.Record(7, Arg(a1));
}

Result StandInController::Facet::HostControllerSlot8(int32_t a1, int32_t* a2) {
    return mController.mLog.Record(8, Arg(a1), Arg(a2));
}

Result StandInController::Facet::HostControllerSlot9(int64_t* a1) {
    return mController.mLog.Record(9, Arg(a1));
}

Result StandInController::Facet::HostControllerSlot10(int32_t a1) {
    return mController.mLog.Record(10, Arg(a1));
}

Result StandInController::Facet::HostControllerSlot11(int32_t* a1, int32_t* a2, int32_t a3) {
    return mController.mLog.Record(11, Arg(a1), Arg(a2), Arg(a3));
}

Result StandInController::Facet::PostPacket(uint32_t fieldIndex, const void* payload,
                                            uint32_t payloadSize) {
    const Result delivered = mController.Deliver(fieldIndex, payload, payloadSize);
    const Result reply =
        mController.mLog.Record(12, Arg(fieldIndex), Arg(payload), Arg(payloadSize));
    return delivered != AAX_SUCCESS ? delivered : reply;
}

Result StandInController::Facet::HostControllerSlot13(uint32_t a1, float* a2) {
    return mController.mLog.Record(13, Arg(a1), Arg(a2));
}

Result StandInController::Facet::HostControllerSlot14(uint32_t a1, float* a2) {
    return mController.mLog.Record(14, Arg(a1), Arg(a2));
}

Result StandInController::Facet::HostControllerSlot15(uint32_t a1) {
    return mController.mLog.Record(15, Arg(a1));
}

Result StandInController::Facet::HostControllerSlot16(uint32_t a1, bool* a2) {
    return mController.mLog.Record(16, Arg(a1), Arg(a2));
}

Result StandInController::Facet::HostControllerSlot17(uint32_t a1) {
    return mController.mLog.Record(17, Arg(a1));
}

Result StandInController::Facet::HostControllerSlot18(uint32_t* a1) {
    return mController.mLog.Record(18, Arg(a1));
}

Result StandInController::Facet::HostControllerSlot19(uint32_t* a1, void* a2) {
    return mController.mLog.Record(19, Arg(a1), Arg(a2));
}

Result StandInController::Facet::HostControllerSlot20(uint32_t* a1) {
    return mController.mLog.Record(20, Arg(a1));
}

Result StandInController::Facet::HostControllerSlot21(void* a1) {
    return mController.mLog.Record(21, Arg(a1));
}

Result StandInController::Facet::HostControllerSlot22(int32_t* a1) {
    return mController.mLog.Record(22, Arg(a1));
}

Result StandInController::Facet::HostControllerSlot23(bool* a1) {
    return mController.mLog.Record(23, Arg(a1));
}

}  // namespace aaxhost
