// The demo plug-in with one fault, chosen when an instance is made by the environment variable
// VQ318_FAULT: "crash-in-block" (a block faults on a null pointer), "hang-in-open" (effOpen
// never returns) or "nan-output" (every block ends with a NaN). The variable reaches the child
// processes that validate starts, which a test's script in memory would not.
// Faults that show only where one check looks: "subnormals-at-88200" (blocks at 88.2 kHz end with
// a subnormal number), "nan-beyond-8192" (a block of more than 8192 frames ends with a NaN),
// "chunk-of-its-instance" (the chunk carries a number of the instance that saved it, which a
// restore does not take over), "crash-on-bad-chunk" (the chunk reader faults on a chunk it cannot
// read) and "garbage-chunk-resets" (a chunk it cannot read still changes the first parameter).
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <map>
#include <mutex>
#include <thread>

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

void CrashingProcess(AEffect*, float**, float**, int32_t) {
    volatile float* nowhere = nullptr;
    *nowhere = 1.0f;
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
    if (opcode == effSetChunk && !Readable(value, ptr)) {
        volatile int* nowhere = nullptr;
        *nowhere = 1;
    }
    return gDispatch(effect, opcode, index, value, ptr, opt);
}

intptr_t GarbageChunkResets(AEffect* effect, int32_t opcode, int32_t index, intptr_t value,
                            void* ptr, float opt) {
    if (opcode == effSetChunk && !Readable(value, ptr)) {
        effect->setParameter(effect, 0, 1.0f - effect->getParameter(effect, 0));
    }
    return gDispatch(effect, opcode, index, value, ptr, opt);
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
    if (FaultIs("subnormals-at-88200")) effect->processReplacing = &SubnormalAt88200;
    if (FaultIs("nan-beyond-8192")) effect->processReplacing = &NanBeyond8192;
    if (FaultIs("chunk-of-its-instance")) effect->dispatcher = &NumberingDispatch;
    if (FaultIs("crash-on-bad-chunk")) effect->dispatcher = &CrashOnBadChunk;
    if (FaultIs("garbage-chunk-resets")) effect->dispatcher = &GarbageChunkResets;
    return effect;
}
