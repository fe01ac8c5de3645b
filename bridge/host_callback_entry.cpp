#include "bridge/host_callback_entry.h"

#include <cstring>

#include "bridge/vst_callback.h"

intptr_t HostCallbackEntry(AEffect* effect, int32_t opcode, int32_t index, intptr_t value,
                           void* ptr, float opt) {
    switch (opcode) {
        case audioMasterVersion:
            return kHostVersion;
        case audioMasterCurrentId:
            return kHostIdentifier;
        case audioMasterGetVendorString:
            if (ptr != nullptr) std::memcpy(ptr, kHostVendorString, sizeof kHostVendorString);
            return 0;
        case audioMasterAutomate:
        case audioMasterGetTime:
        case audioMasterSizeWindow:
        case audioMasterGetSampleRate:
        case audioMasterUpdateDisplay:
        case audioMasterBeginEdit:
        case audioMasterEndEdit: {
            if (effect == nullptr || effect->user == nullptr) return 0;
            auto* callBack = static_cast<VstCallBack*>(effect->user);
            return callBack->HandleHostRequest(effect, opcode, index, value, ptr, opt);
        }
        default:
            return 0;
    }
}
