// The bridge objects of one effect instance, assembled as the effect-parameters object does at
// construction: the plug-in loaded through the registry, its user field pointing at the
// instance's VstCallBack. Destruction closes the plug-in while the VstCallBack still exists.
#pragma once

#include "bridge/plugin_loader.h"
#include "bridge/vst_callback.h"
#include "bridge/vst_interface.h"

struct BridgeInstance {
    BridgeInstance() {
        bridge.callBack = &callBack;
        bridge.Attach(LoadWrappedPlugin());
    }

    VstCallBack callBack{nullptr};
    VstInterface bridge;
};
