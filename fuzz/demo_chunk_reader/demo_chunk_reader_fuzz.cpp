// Feeds arbitrary bytes to the demo plug-in's effSetChunk. A refused chunk must leave the state
// as it was; an accepted one must come back from effGetChunk byte for byte.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "tools/demo-plugin/instance.h"

namespace {

intptr_t Dispatch(vq318demo::Instance& instance, int32_t opcode, intptr_t value, void* ptr) {
    return vq318demo::Dispatch(&instance.effect, opcode, 0, value, ptr, 0.0f);
}

// A copy of the bank chunk as it stands.
size_t SaveChunk(vq318demo::Instance& instance, unsigned char (&bytes)[vq318demo::kBankChunkSize]) {
    void* data = nullptr;
    const intptr_t size = Dispatch(instance, effGetChunk, 0, &data);
    if (size != static_cast<intptr_t>(sizeof bytes) || data == nullptr) std::abort();
    std::memcpy(bytes, data, sizeof bytes);
    return sizeof bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto instance = std::make_unique<vq318demo::Instance>();
    instance->effect.object = instance.get();
    unsigned char before[vq318demo::kBankChunkSize];
    SaveChunk(*instance, before);

    // An exact copy, so that reading one byte past the given size is caught.
    const auto input = std::make_unique<uint8_t[]>(size);
    if (size > 0) std::memcpy(input.get(), data, size);
    const intptr_t accepted =
        Dispatch(*instance, effSetChunk, static_cast<intptr_t>(size), input.get());

    unsigned char after[vq318demo::kBankChunkSize];
    SaveChunk(*instance, after);
    if (accepted == 0 && std::memcmp(before, after, sizeof after) != 0) std::abort();
    if (accepted != 0 && (size != sizeof after || std::memcmp(data, after, size) != 0)) {
        std::abort();
    }
    return 0;
}
