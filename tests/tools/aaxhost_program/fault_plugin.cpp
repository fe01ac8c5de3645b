// The demo plug-in with one fault, chosen when an instance is made by the environment variable
// VQ318_FAULT: "crash-in-block" (a block faults on a null pointer), "hang-in-open" (effOpen
// never returns) or "nan-output" (every block ends with a NaN). The variable reaches the child
// processes that validate starts, which a test's script in memory would not.
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <thread>

#include "tools/demo-plugin/instance.h"

namespace {

AEffectDispatcherProc gDispatch = nullptr;
AEffectProcessProc gProcess = nullptr;

bool FaultIs(const char* fault) {
    const char* chosen = std::getenv("VQ318_FAULT");
    return chosen != nullptr && std::strcmp(chosen, fault) == 0;
}

intptr_t HangingDispatch(AEffect* effect, int32_t opcode, int32_t index, intptr_t value, void* ptr,
                         float opt) {
    while (opcode == effOpen) std::this_thread::sleep_for(std::chrono::seconds(1));
    return gDispatch(effect, opcode, index, value, ptr, opt);
}

void CrashingProcess(AEffect*, float**, float**, int32_t) {
    volatile float* nowhere = nullptr;
    *nowhere = 1.0f;
}

void NanProcess(AEffect* effect, float** inputs, float** outputs, int32_t frames) {
    gProcess(effect, inputs, outputs, frames);
    if (frames > 0) outputs[0][frames - 1] = std::numeric_limits<float>::quiet_NaN();
}

}  // namespace

#if defined(_WIN32)
extern "C" __declspec(dllexport) AEffect* FaultPluginMain(audioMasterCallback host) __asm__("main");
#else
extern "C" __attribute__((visibility("default"))) AEffect* FaultPluginMain(
    audioMasterCallback host) __asm__("main");
#endif

extern "C" AEffect* FaultPluginMain(audioMasterCallback host) {
    AEffect* effect = vq318demo::CreateInstance(host);
    if (effect == nullptr) return nullptr;
    gDispatch = effect->dispatcher;
    gProcess = effect->processReplacing;
    if (FaultIs("hang-in-open")) effect->dispatcher = &HangingDispatch;
    if (FaultIs("crash-in-block")) effect->processReplacing = &CrashingProcess;
    if (FaultIs("nan-output")) effect->processReplacing = &NanProcess;
    return effect;
}
