// The demo plug-in with one fault, chosen when an instance is made by the environment variable
// VQ318_FAULT: "crash-in-block" (a block faults on a null pointer), "hang-in-open" (effOpen
// never returns), "nan-output" (every block ends with a NaN), "alloc-in-block" (every block
// allocates and frees a buffer), "lock-in-block" (every block takes a mutex),
// "editor-never-closes" (the editor ignores effEditClose, so opened on another window it stays
// in its first one and shows nothing in the new one), "forgets-on-rate-change" (a new sample rate
// resets every parameter), "ignores-chunk-off-thread" (a chunk set from any thread but the one
// that made the instance is acknowledged and dropped), "moves-on-jump-back" (the transport's first
// move back while playing flips the first parameter) or "drops-quick-edits" (a parameter set twice
// between two blocks keeps the first value). The variable reaches the child processes that
// validate starts, which a test's script in memory would not.
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <mutex>
#include <thread>

#include "abi/vst2.h"
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

// Kept where the optimizer cannot see it unused.
std::atomic<float*> gScratch{nullptr};

void AllocatingProcess(AEffect* effect, float** inputs, float** outputs, int32_t frames) {
    gScratch.store(new float[static_cast<size_t>(frames > 0 ? frames : 1)]);
    delete[] gScratch.exchange(nullptr);
    gProcess(effect, inputs, outputs, frames);
}

std::mutex gBlockMutex;

void LockingProcess(AEffect* effect, float** inputs, float** outputs, int32_t frames) {
    const std::lock_guard<std::mutex> lock(gBlockMutex);
    gProcess(effect, inputs, outputs, frames);
}

// The window the editor lives in once opened; it never leaves it.
void* gEditorWindow = nullptr;
void* gAskedWindow = nullptr;
ERect gNoEditor{0, 0, 0, 0};

intptr_t StuckEditorDispatch(AEffect* effect, int32_t opcode, int32_t index, intptr_t value,
                             void* ptr, float opt) {
    switch (opcode) {
        case effEditClose:
            return 1;
        case effEditOpen:
            gAskedWindow = ptr;
            if (gEditorWindow != nullptr) return gEditorWindow == ptr ? 1 : 0;
            gEditorWindow = ptr;
            break;
        case effEditGetRect:
            if (gEditorWindow != nullptr && gAskedWindow != gEditorWindow && ptr != nullptr) {
                *static_cast<ERect**>(ptr) = &gNoEditor;
                return 1;
            }
            break;
        case effClose:
            gEditorWindow = nullptr;
            gAskedWindow = nullptr;
            break;
        default:
            break;
    }
    return gDispatch(effect, opcode, index, value, ptr, opt);
}

// Faults of the session: what the instance was made on, and what its blocks saw.
audioMasterCallback gHost = nullptr;
AEffectSetParameterProc gSetParameter = nullptr;
std::thread::id gMaker;
float gRate = 0.0f;
double gLastPosition = -1.0;
bool gJumped = false;
std::atomic<int64_t> gBlocks{0};
constexpr int32_t kMostParameters = 64;
int64_t gLastSetAt[kMostParameters] = {};

intptr_t RateForgettingDispatch(AEffect* effect, int32_t opcode, int32_t index, intptr_t value,
                                void* ptr, float opt) {
    if (opcode == effSetSampleRate) {
        if (gRate != 0.0f && opt != gRate) {
            for (int32_t i = 0; i < effect->numParams; ++i) gSetParameter(effect, i, 0.0f);
        }
        gRate = opt;
    }
    return gDispatch(effect, opcode, index, value, ptr, opt);
}

intptr_t ThreadBoundChunkDispatch(AEffect* effect, int32_t opcode, int32_t index, intptr_t value,
                                  void* ptr, float opt) {
    if (opcode == effSetChunk && std::this_thread::get_id() != gMaker) return 1;
    return gDispatch(effect, opcode, index, value, ptr, opt);
}

void JumpWatchingProcess(AEffect* effect, float** inputs, float** outputs, int32_t frames) {
    const auto* time = reinterpret_cast<const VstTimeInfo*>(
        gHost(effect, audioMasterGetTime, 0, kVstPpqPosValid, nullptr, 0.0f));
    if (time != nullptr && (time->flags & kVstPpqPosValid) != 0) {
        if (time->samplePos < gLastPosition && effect->numParams > 0 && !gJumped) {
            gJumped = true;
            gSetParameter(effect, 0, effect->getParameter(effect, 0) < 0.5f ? 1.0f : 0.0f);
        }
        gLastPosition = time->samplePos;
    }
    gProcess(effect, inputs, outputs, frames);
}

void CountingProcess(AEffect* effect, float** inputs, float** outputs, int32_t frames) {
    gBlocks.fetch_add(1);
    gProcess(effect, inputs, outputs, frames);
}

void QuickEditDroppingSet(AEffect* effect, int32_t index, float value) {
    if (index >= 0 && index < kMostParameters) {
        const int64_t block = gBlocks.load() + 1;  // 0 stays "never set"
        if (gLastSetAt[index] == block) return;
        gLastSetAt[index] = block;
    }
    gSetParameter(effect, index, value);
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
    gHost = host;
    gSetParameter = effect->setParameter;
    gMaker = std::this_thread::get_id();
    gRate = 0.0f;
    gLastPosition = -1.0;
    gJumped = false;
    if (FaultIs("hang-in-open")) effect->dispatcher = &HangingDispatch;
    if (FaultIs("crash-in-block")) effect->processReplacing = &CrashingProcess;
    if (FaultIs("nan-output")) effect->processReplacing = &NanProcess;
    if (FaultIs("alloc-in-block")) effect->processReplacing = &AllocatingProcess;
    if (FaultIs("lock-in-block")) effect->processReplacing = &LockingProcess;
    if (FaultIs("editor-never-closes")) effect->dispatcher = &StuckEditorDispatch;
    if (FaultIs("forgets-on-rate-change")) effect->dispatcher = &RateForgettingDispatch;
    if (FaultIs("ignores-chunk-off-thread")) effect->dispatcher = &ThreadBoundChunkDispatch;
    if (FaultIs("moves-on-jump-back")) effect->processReplacing = &JumpWatchingProcess;
    if (FaultIs("drops-quick-edits")) {
        effect->processReplacing = &CountingProcess;
        effect->setParameter = &QuickEditDroppingSet;
    }
    return effect;
}
