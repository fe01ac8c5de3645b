// A new instance of the demo plug-in and the effect record's parameter functions.
#include <new>

#include "tools/demo-plugin/instance.h"

namespace vq318demo {
namespace {

void SetParameter(AEffect* effect, int32_t index, float value) {
    InstanceOf(effect).parameters.Set(index, value);
}

float GetParameter(AEffect* effect, int32_t index) {
    return InstanceOf(effect).parameters.Get(index);
}

}  // namespace

AEffect* CreateInstance(audioMasterCallback host) {
    auto* instance = new (std::nothrow) Instance;
    if (instance == nullptr) return nullptr;
    instance->host = host;
    AEffect& effect = instance->effect;
    effect.magic = kEffectMagic;
    effect.dispatcher = &Dispatch;
    effect.setParameter = &SetParameter;
    effect.getParameter = &GetParameter;
    effect.numPrograms = 1;
    effect.numParams = kParameterCount;
    effect.numInputs = 2;
    effect.numOutputs = 2;
    effect.flags = effFlagsHasEditor | effFlagsCanReplacing | effFlagsProgramChunks;
    effect.ioRatio = 1.0f;
    effect.object = instance;
    effect.uniqueID = kUniqueId;
    effect.version = kVersion;
    effect.processReplacing = &ProcessReplacing;
    float values[kParameterCount];
    instance->parameters.Snapshot(values);
    instance->chain.Reset(values);
    return &effect;
}

}  // namespace vq318demo
