// Fills a packet from the value of the parameter it was registered for. A handler calls one
// member function of a worker object; the dispatcher keeps a clone per registration.
#pragma once

#include "abi/result.h"
#include "host/aax_automation_delegate.h"
#include "parameters/aax_packet.h"

class AAX_IPacketHandler {
  public:
    virtual ~AAX_IPacketHandler() = default;        // 0
    virtual AAX_IPacketHandler* Clone() const = 0;  // 1: owned by the caller
    virtual Result Call(ParameterId identifier,
                        AAX_CPacket& packet) const = 0;  // 2: 0 on success
};

template <class TWorker>
class AAX_CPacketHandler final : public AAX_IPacketHandler {
  public:
    using Callback = Result (TWorker::*)(AAX_CPacket& packet);
    using ExtendedCallback = Result (TWorker::*)(ParameterId identifier, AAX_CPacket& packet);

    AAX_CPacketHandler(TWorker* worker, Callback callback)
        : mWorker(worker), mCallback(callback), mExtendedCallback(nullptr) {}
    AAX_CPacketHandler(TWorker* worker, ExtendedCallback extendedCallback)
        : mWorker(worker), mCallback(nullptr), mExtendedCallback(extendedCallback) {}

    AAX_CPacketHandler* Clone() const override { return new AAX_CPacketHandler(*this); }

    // The extended callback wins; with neither callback the handler answers -20004.
    Result Call(ParameterId identifier, AAX_CPacket& packet) const override {
        if (mExtendedCallback != nullptr) return (mWorker->*mExtendedCallback)(identifier, packet);
        if (mCallback != nullptr) return (mWorker->*mCallback)(packet);
        return AAX_ERROR_NULL_OBJECT;
    }

  private:
    TWorker* mWorker;  // not owned
    Callback mCallback;
    ExtendedCallback mExtendedCallback;
};
