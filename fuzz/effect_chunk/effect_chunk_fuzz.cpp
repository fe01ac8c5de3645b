// Feeds arbitrary chunk records to SetChunk of the two kinds of effect: one that keeps the base's
// controls chunk, and the wrapper over the test plug-in, found through the registry stand-in.
//
// Input: byte 0 holds flags (bit 0: the size field comes from bytes 1 to 4 instead of the data's
// length; bit 1: a chunk identifier other than the effect's), then the data area. A size field
// larger than the data the record holds would be the host's own overrun, so it is cut to it.
//
// What must hold besides no sanitizer report: a negative size is refused before the plug-in
// sees it; the plug-in keeps the bytes it was given; a save right after a restore succeeds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "parameters/aaxwrapper_parameters.h"
#include "tests/parameters/controls_effect.h"
#include "tests/support/effect_host.h"
#include "tests/support/installed_plugin.h"
#include "tests/support/registry_fixture.h"

namespace {

constexpr size_t kHeaderBytes = 5;

struct Effect {
    EffectHost host;
    AAX_IACFEffectParameters_V2* effect = nullptr;

    explicit Effect(AAX_IACFEffectParameters_V2* created) : effect(created) {
        effect->AddRef();
        host.automation.AnswerSetRequests(effect, aaxhost::SetRequestAnswer::kAtOnce);
        if (effect->Initialize(host.Unknown()) != AAX_SUCCESS) std::abort();
    }
    TypeCode ChunkID() const {
        TypeCode id = 0;
        effect->GetChunkIDFromIndex(0, &id);
        return id;
    }
};

std::vector<unsigned char> MakeRecord(const uint8_t* data, size_t size, int32_t sizeField) {
    std::vector<unsigned char> record(kChunkHeaderSize + size);
    AAX_SPlugInChunk header{};
    header.fSize = sizeField;
    std::memcpy(record.data(), &header, kChunkHeaderSize);
    if (size > 0) std::memcpy(record.data() + kChunkHeaderSize, data, size);
    return record;
}

const AAX_SPlugInChunk* AsChunk(const std::vector<unsigned char>& record) {
    return reinterpret_cast<const AAX_SPlugInChunk*>(record.data());
}

// Saves as a host does; the save must succeed and is returned.
std::vector<unsigned char> Save(Effect& target) {
    uint32_t size = 0;
    if (target.effect->GetChunkSize(target.ChunkID(), &size) != AAX_SUCCESS) std::abort();
    std::vector<unsigned char> record(kChunkHeaderSize + size);
    auto* chunk = reinterpret_cast<AAX_SPlugInChunk*>(record.data());
    if (target.effect->GetChunk(target.ChunkID(), chunk) != AAX_SUCCESS) std::abort();
    if (chunk->fSize != static_cast<int32_t>(size)) std::abort();
    return record;
}

Effect* controls = nullptr;
Effect* wrapper = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static InstalledPlugin plugin(VQ318_TEST_PLUGIN, "fuzz-plugin");
    testsupport::ClearInstallDirectory();
    plugin.Register(testsupport::RegistryView::k64Bit);
    testplugin::Script script = testplugin::DefaultScript();
    script.recording = 0;
    plugin.Control().SetScript(script);
    controls = new Effect(new ControlsEffect);
    auto* created = new AAXWrapper_Parameters;
    if (created->GetVstInterface()->effect == nullptr) std::abort();
    wrapper = new Effect(created);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < kHeaderBytes || size > (1u << 20)) return 0;
    const uint8_t flags = data[0];
    const uint8_t* area = data + kHeaderBytes;
    const size_t areaSize = size - kHeaderBytes;
    int32_t sizeField = static_cast<int32_t>(areaSize);
    if ((flags & 1) != 0) {
        std::memcpy(&sizeField, data + 1, sizeof sizeField);
        if (sizeField > static_cast<int32_t>(areaSize)) sizeField = static_cast<int32_t>(areaSize);
    }
    const bool foreign = (flags & 2) != 0;
    const std::vector<unsigned char> record = MakeRecord(area, areaSize, sizeField);

    for (Effect* target : {controls, wrapper}) {
        // Each run's calls are of no interest; kept, they would fill the memory.
        target->host.automation.Log().Clear();
        const TypeCode id = foreign ? target->ChunkID() ^ 0x01010101u : target->ChunkID();
        const Result result = target->effect->SetChunk(id, AsChunk(record));
        if (foreign) {
            if (result != AAX_ERROR_INVALID_CHUNK_ID) std::abort();
            continue;
        }
        bool equal = false;
        target->effect->CompareActiveChunk(AsChunk(record), &equal);
        const std::vector<unsigned char> saved = Save(*target);
        if (target != wrapper) continue;
        if (sizeField < 0) {
            if (result != AAX_ERROR_INCORRECT_CHUNK_SIZE) std::abort();
            continue;
        }
        // The test plug-in keeps a chunk it is given whole.
        const int32_t kept = sizeField;
        if (result != AAX_SUCCESS || AsChunk(saved)->fSize != kept ||
            std::memcmp(saved.data() + kChunkHeaderSize, area, static_cast<size_t>(kept)) != 0) {
            std::abort();
        }
    }
    return 0;
}
