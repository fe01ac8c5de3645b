// The demo plug-in with one fault, chosen when an instance is made by the environment variable
// VQ318_FAULT. The variable reaches the child processes that validate starts, which a test's
// script in memory would not.
// Faults that show in every check that meets them: "crash-in-block" (a block faults),
// "hang-in-open" (effOpen never returns) and "nan-output" (every block ends with a NaN).
// Faults that show only where one check looks: "subnormals-at-88200" (blocks at 88.2 kHz end with
// a subnormal number), "nan-beyond-8192" (a block of more than 8192 frames ends with a NaN),
// "chunk-of-its-instance" (the chunk carries a number of the instance that saved it, which a
// restore does not take over), "crash-on-bad-chunk" (the chunk reader faults on a chunk it cannot
// read), "garbage-chunk-resets" (a chunk it cannot read still changes the first parameter),
// "alloc-in-block" (every block allocates and frees a buffer), "lock-in-block" (every block takes
// a mutex), "editor-never-closes" (the editor ignores effEditClose, so opened on another window it
// stays in its first one and shows nothing in the new one), "forgets-on-rate-change" (a new
// sample rate resets every parameter), "ignores-chunk-off-thread" (a chunk set from any thread
// but the one that made the instance is acknowledged and dropped), "moves-on-jump-back" (the
// transport's first move back while playing flips the first parameter) and "drops-quick-edits"
// (a parameter set twice between two blocks keeps the first value).
#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <map>
#include <mutex>
#include <thread>

#include "abi/vst2.h"
#include "tools/demo-plugin/bank_chunk.h"
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

// A fault as the operating system reports it. Natively a raised signal rather than a store
// through null, which the undefined-behaviour checker of sanitizer builds would catch first.
void Fault() {
#if defined(_WIN32)
    volatile float* nowhere = nullptr;
    *nowhere = 1.0f;
#else
    std::raise(SIGSEGV);
#endif
}

void CrashingProcess(AEffect*, float**, float**, int32_t) {
    Fault();
}

void NanProcess(AEffect* effect, float** inputs, float** outputs, int32_t frames) {
    gProcess(effect, inputs, outputs, frames);
    if (frames > 0) outputs[0][frames - 1] = std::numeric_limits<float>::quiet_NaN();
}

void SubnormalAt88200(AEffect* effect, float** inputs, float** outputs, int32_t frames) {
    gProcess(effect, inputs, outputs, frames);
    if (frames > 0 && vq318demo::InstanceOf(effect).sampleRate.load() == 88200.0f) {
        outputs[0][frames - 1] = std::numeric_limits<float>::denorm_min();
    }
}

void NanBeyond8192(AEffect* effect, float** inputs, float** outputs, int32_t frames) {
    gProcess(effect, inputs, outputs, frames);
    if (frames > 8192) outputs[0][frames - 1] = std::numeric_limits<float>::quiet_NaN();
}

// The instance's number, and the chunk it last handed out: the demo's chunk followed by it. Kept
// beside the instances, as an AEffect's user field belongs to the host.
struct NumberedChunk {
    uint32_t number = 0;
    unsigned char bytes[vq318demo::kBankChunkSize + sizeof(uint32_t)] = {};
};

std::mutex gNumberedMutex;
std::map<const AEffect*, NumberedChunk> gNumbered;
uint32_t gInstancesNumbered = 0;

intptr_t NumberingDispatch(AEffect* effect, int32_t opcode, int32_t index, intptr_t value,
                           void* ptr, float opt) {
    if (opcode == effClose) {
        std::lock_guard lock(gNumberedMutex);
        gNumbered.erase(effect);
    } else if (opcode == effGetChunk) {
        void* data = nullptr;
        const intptr_t size = gDispatch(effect, opcode, index, value, &data, opt);
        if (size != static_cast<intptr_t>(vq318demo::kBankChunkSize)) return size;
        std::lock_guard lock(gNumberedMutex);
        NumberedChunk& numbered = gNumbered[effect];
        if (numbered.number == 0) numbered.number = ++gInstancesNumbered;
        std::memcpy(numbered.bytes, data, vq318demo::kBankChunkSize);
        std::memcpy(numbered.bytes + vq318demo::kBankChunkSize, &numbered.number,
                    sizeof numbered.number);
        *static_cast<void**>(ptr) = numbered.bytes;
        return static_cast<intptr_t>(sizeof numbered.bytes);
    } else if (opcode == effSetChunk && value >= static_cast<intptr_t>(sizeof(uint32_t))) {
        value -= static_cast<intptr_t>(sizeof(uint32_t));
    }
    return gDispatch(effect, opcode, index, value, ptr, opt);
}

bool Readable(intptr_t size, const void* data) {
    float values[vq318demo::kParameterCount];
    return vq318demo::ReadBankChunk(data, size, values) == vq318demo::ChunkStatus::kOk;
}

intptr_t CrashOnBadChunk(AEffect* effect, int32_t opcode, int32_t index, intptr_t value, void* ptr,
                         float opt) {
    if (opcode == effSetChunk && !Readable(value, ptr)) Fault();
    return gDispatch(effect, opcode, index, value, ptr, opt);
}

intptr_t GarbageChunkResets(AEffect* effect, int32_t opcode, int32_t index, intptr_t value,
                            void* ptr, float opt) {
    if (opcode == effSetChunk && !Readable(value, ptr)) {
        effect->setParameter(effect, 0, 1.0f - effect->getParameter(effect, 0));
    }
    return gDispatch(effect, opcode, index, value, ptr, opt);
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
    // Only once the newest instance plays: values taken before its first block are the host's
    // set-up, which a restored or freshly made instance must still take.
    if (index >= 0 && index < kMostParameters && gBlocks.load() > 0) {
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
        gBlocks = 0;
        std::fill(std::begin(gLastSetAt), std::end(gLastSetAt), 0);
        effect->processReplacing = &CountingProcess;
        effect->setParameter = &QuickEditDroppingSet;
    }
    if (FaultIs("subnormals-at-88200")) effect->processReplacing = &SubnormalAt88200;
    if (FaultIs("nan-beyond-8192")) effect->processReplacing = &NanBeyond8192;
    if (FaultIs("chunk-of-its-instance")) effect->dispatcher = &NumberingDispatch;
    if (FaultIs("crash-on-bad-chunk")) effect->dispatcher = &CrashOnBadChunk;
    if (FaultIs("garbage-chunk-resets")) effect->dispatcher = &GarbageChunkResets;
    return effect;
}
