// The demo plug-in's entry point "main", the library's only export, and the effect record's
// parameter functions.
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

}  // namespace
}  // namespace vq318demo

// A C++ function cannot be named "main"; the symbol gets that name from the toolchain instead.
#if defined(_MSC_VER)
#pragma comment(linker, "/EXPORT:main=DemoPluginMain")
extern "C" AEffect* DemoPluginMain(audioMasterCallback host);
#elif defined(_WIN32)
extern "C" __declspec(dllexport) AEffect* DemoPluginMain(audioMasterCallback host) __asm__("main");
#else
extern "C" __attribute__((visibility("default"))) AEffect* DemoPluginMain(
    audioMasterCallback host) __asm__("main");
#endif

extern "C" AEffect* DemoPluginMain(audioMasterCallback host) {
    return vq318demo::CreateInstance(host);
}
