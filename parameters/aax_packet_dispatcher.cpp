#include "parameters/aax_packet_dispatcher.h"

AAX_CPacketDispatcher::~AAX_CPacketDispatcher() {
    RemoveAllRegistrations();
}

void AAX_CPacketDispatcher::Initialize(AAX_IController* controller,
                                       ParameterLookup* effectParameters) {
    mController = controller;
    mEffectParameters = effectParameters;
}

Result AAX_CPacketDispatcher::RegisterPacket(ParameterId identifier, uint32_t fieldIndex,
                                             const AAX_IPacketHandler& handler) {
    OwnerTrackingMutex::Scope lock(mLock);
    std::unique_ptr<AAX_CPacket>& packet = mPackets[fieldIndex];
    if (!packet) packet = std::make_unique<AAX_CPacket>(fieldIndex);
    mRegistrations.emplace(identifier == nullptr ? "" : identifier,
                           Registration(packet.get(), handler.Clone()));
    return AAX_SUCCESS;
}

void AAX_CPacketDispatcher::RemoveAllRegistrations() {
    OwnerTrackingMutex::Scope lock(mLock);
    mRegistrations.clear();
    mPackets.clear();
}

Result AAX_CPacketDispatcher::SetDirty(ParameterId identifier, bool dirty) {
    OwnerTrackingMutex::Scope lock(mLock);
    const auto [first, last] = mRegistrations.equal_range(identifier == nullptr ? "" : identifier);
    for (auto registration = first; registration != last; ++registration) {
        registration->second.first->SetDirty(dirty);
    }
    return AAX_SUCCESS;
}

Result AAX_CPacketDispatcher::Dispatch() {
    OwnerTrackingMutex::Scope lock(mLock);
    // Packets stay dirty until there is a controller to post them to.
    if (mController == nullptr) return AAX_ERROR_NULL_OBJECT;
    Result result = AAX_SUCCESS;
    for (auto& [identifier, registration] : mRegistrations) {
        AAX_CPacket& packet = *registration.first;
        if (!packet.IsDirty()) continue;
        if (registration.second->Call(identifier.c_str(), packet) == AAX_SUCCESS) {
            result = mController->PostPacket(packet.GetFieldIndex(), packet.GetData(),
                                             packet.GetDataSize());
        }
        // Cleared on the shared packet, so a packet several identifiers share goes out once.
        packet.SetDirty(false);
    }
    return result;
}

Result AAX_CPacketDispatcher::GenerateSingleValuePacket(ParameterId identifier,
                                                        AAX_CPacket& packet) {
    if (mEffectParameters == nullptr) return AAX_ERROR_NULL_OBJECT;
    AAX_IParameter* parameter = nullptr;
    if (mEffectParameters->GetParameter(identifier, &parameter) != AAX_SUCCESS ||
        parameter == nullptr) {
        return AAX_ERROR_NULL_OBJECT;
    }
    bool boolValue = false;
    float floatValue = 0.0f;
    int32_t intValue = 0;
    double doubleValue = 0.0;
    if (parameter->GetValueAsBool(&boolValue)) {
        packet.SetValue<int32_t>(boolValue ? 1 : 0);
    } else if (parameter->GetValueAsFloat(&floatValue)) {
        packet.SetValue(floatValue);
    } else if (parameter->GetValueAsInt32(&intValue)) {
        packet.SetValue(intValue);
    } else if (parameter->GetValueAsDouble(&doubleValue)) {
        packet.SetValue(doubleValue);
    } else {
        return AAX_ERROR_NULL_OBJECT;
    }
    return AAX_SUCCESS;
}
