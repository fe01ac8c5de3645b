#include "tools/aaxhost/controller.h"

#include <atomic>
#include <cstring>

namespace aaxhost {

StandInController::StandInController()
    : mVersion1(*this, IID_AAX_IACFController), mVersion2(*this, IID_AAX_IACFController_V2) {
    Offer<AAX_IACFController>(IID_AAX_IACFController, &mVersion1);
    Offer<AAX_IACFController_V2>(IID_AAX_IACFController_V2, &mVersion2);
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

AAX_Result StandInController::Deliver(uint32_t fieldIndex, const void* payload,
                                      uint32_t payloadSize) {
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

StandInController::Facet::Facet(StandInController& owner, const acfIID& iid)
    : StandInFacet(owner, iid), mController(owner) {}

AAX_Result StandInController::Facet::GetEffectID(AAX_IString* effectID) {
    return mController.mLog.Record(3, Arg(effectID));
}

AAX_Result StandInController::Facet::GetSampleRate(float* sampleRate) {
    if (sampleRate != nullptr) *sampleRate = mController.mSampleRate;
    return mController.mLog.Record(4, Arg(sampleRate));
}

AAX_Result StandInController::Facet::GetInputStemFormat(int32_t* stemFormat) {
    if (stemFormat != nullptr) *stemFormat = mController.mInputStemFormat;
    return mController.mLog.Record(5, Arg(stemFormat));
}

AAX_Result StandInController::Facet::GetOutputStemFormat(int32_t* stemFormat) {
    if (stemFormat != nullptr) *stemFormat = mController.mOutputStemFormat;
    return mController.mLog.Record(6, Arg(stemFormat));
}

AAX_Result StandInController::Facet::GetSignalLatency(int32_t* samples) {
    return mController.mLog.Record(7, Arg(samples));
}

AAX_Result StandInController::Facet::GetCycleCount(int32_t field, int32_t* cycles) {
    return mController.mLog.Record(8, Arg(field), Arg(cycles));
}

AAX_Result StandInController::Facet::GetTODLocation(int64_t* location) {
    return mController.mLog.Record(9, Arg(location));
}

AAX_Result StandInController::Facet::SetSignalLatency(int32_t samples) {
    return mController.mLog.Record(10, Arg(samples));
}

AAX_Result StandInController::Facet::SetCycleCount(int32_t* fields, int32_t* values,
                                                   int32_t count) {
    return mController.mLog.Record(11, Arg(fields), Arg(values), Arg(count));
}

AAX_Result StandInController::Facet::PostPacket(uint32_t fieldIndex, const void* payload,
                                                uint32_t payloadSize) {
    const AAX_Result delivered = mController.Deliver(fieldIndex, payload, payloadSize);
    const AAX_Result reply =
        mController.mLog.Record(12, Arg(fieldIndex), Arg(payload), Arg(payloadSize));
    return delivered != AAX_SUCCESS ? delivered : reply;
}

AAX_Result StandInController::Facet::GetCurrentMeterValue(uint32_t meterID, float* value) {
    return mController.mLog.Record(13, Arg(meterID), Arg(value));
}

AAX_Result StandInController::Facet::GetMeterPeakValue(uint32_t meterID, float* value) {
    return mController.mLog.Record(14, Arg(meterID), Arg(value));
}

AAX_Result StandInController::Facet::ClearMeterPeakValue(uint32_t meterID) {
    return mController.mLog.Record(15, Arg(meterID));
}

AAX_Result StandInController::Facet::GetMeterClipped(uint32_t meterID, bool* clipped) {
    return mController.mLog.Record(16, Arg(meterID), Arg(clipped));
}

AAX_Result StandInController::Facet::ClearMeterClipped(uint32_t meterID) {
    return mController.mLog.Record(17, Arg(meterID));
}

AAX_Result StandInController::Facet::GetMeterCount(uint32_t* count) {
    return mController.mLog.Record(18, Arg(count));
}

AAX_Result StandInController::Facet::GetNextMIDIPacket(uint32_t* nodeID, void* packet) {
    return mController.mLog.Record(19, Arg(nodeID), Arg(packet));
}

AAX_Result StandInController::Facet::GetCurrentAutomationTimestamp(uint32_t* timestamp) {
    return mController.mLog.Record(20, Arg(timestamp));
}

AAX_Result StandInController::Facet::GetHostName(AAX_IString* name) {
    return mController.mLog.Record(21, Arg(name));
}

AAX_Result StandInController::Facet::GetPlugInTargetPlatform(int32_t* platform) {
    return mController.mLog.Record(22, Arg(platform));
}

AAX_Result StandInController::Facet::GetIsAudioSuite(bool* isAudioSuite) {
    return mController.mLog.Record(23, Arg(isAudioSuite));
}

}  // namespace aaxhost
