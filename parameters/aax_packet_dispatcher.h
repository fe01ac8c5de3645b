// Turns parameter values into packets for the real-time algorithm. Each registration ties an
// identifier to the packet of one context field and to the handler that fills it; a change marks
// the identifier's packets dirty and Dispatch posts every dirty packet through the controller.
// Thread-safe: one lock guards registrations and packets, and the thread holding it may call in
// again (from a handler or from the controller) without deadlocking.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "abi/result.h"
#include "host/aax_automation_delegate.h"
#include "host/aax_controller.h"
#include "parameters/aax_packet.h"
#include "parameters/aax_packet_handler.h"
#include "parameters/aax_parameter_lookup.h"
#include "parameters/owner_tracking_mutex.h"

class AAX_CPacketDispatcher {
  public:
    AAX_CPacketDispatcher() = default;
    AAX_CPacketDispatcher(const AAX_CPacketDispatcher&) = delete;
    AAX_CPacketDispatcher& operator=(const AAX_CPacketDispatcher&) = delete;
    ~AAX_CPacketDispatcher();

    // Set by the effect's initialization before any registration; neither is owned.
    void Initialize(AAX_IController* controller, ParameterLookup* effectParameters);

    // Ties the identifier to the packet of fieldIndex (made on first use, dirty) through a clone
    // of the handler. Registrations are never merged. Returns 0.
    Result RegisterPacket(ParameterId identifier, uint32_t fieldIndex,
                          const AAX_IPacketHandler& handler);
    // Forgets every registration and packet, so that the next registration makes its packet anew,
    // dirty. The effect's uninitialisation does it: its next initialisation registers again.
    void RemoveAllRegistrations();
    // Marks the packets of every registration under the identifier. Returns 0.
    Result SetDirty(ParameterId identifier, bool dirty);
    // Fills and posts each dirty packet once, in identifier order, and clears it whether or not
    // its handler succeeded. Returns the last post's result, 0 when nothing was posted, and
    // -20004 without touching any packet while no controller is set.
    Result Dispatch();
    // The standard handler body: the parameter's value as a 4-byte integer (bool, 1 or 0), float
    // or integer, or an 8-byte double, in the processor's byte order. -20004 when the parameter
    // is missing or has none of those types.
    Result GenerateSingleValuePacket(ParameterId identifier, AAX_CPacket& packet);

  private:
    using Registration = std::pair<AAX_CPacket*, std::unique_ptr<AAX_IPacketHandler>>;

    std::map<uint32_t, std::unique_ptr<AAX_CPacket>> mPackets;  // by field index
    std::multimap<std::string, Registration> mRegistrations;    // byte-wise identifier order
    AAX_IController* mController = nullptr;
    ParameterLookup* mEffectParameters = nullptr;
    OwnerTrackingMutex mLock;
};
