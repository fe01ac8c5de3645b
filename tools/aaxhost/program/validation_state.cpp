// The state checks of `aaxhost validate` that go beyond one instance: a saved state restored into
// fresh instances, and chunks that must be refused.
#include <bit>
#include <cstdint>
#include <random>

#include "abi/result.h"
#include "tools/aaxhost/objects/host_string.h"
#include "tools/aaxhost/program/validation_context.h"

namespace aaxhost {
namespace {

constexpr int32_t kCompareFrames = 256;
constexpr int32_t kCompareBlocks = 8;

std::string Failed(const std::string& what, Result result) {
    return what + " failed with " + std::to_string(result);
}

// An initialised instance with `values` set on its parameters, in the order of `identifiers`.
std::unique_ptr<EffectInstance> InstantiateWithValues(ValidationContext& context, int32_t channels,
                                                      double sampleRate,
                                                      const std::vector<std::string>& identifiers,
                                                      const std::vector<double>& values,
                                                      std::string& failure) {
    std::unique_ptr<EffectInstance> instance = context.Instantiate(channels, sampleRate, failure);
    if (instance == nullptr) return nullptr;
    for (size_t i = 0; i < identifiers.size() && i < values.size(); ++i) {
        instance->Effect().SetParameterNormalizedValue(identifiers[i].c_str(), values[i]);
    }
    instance->Service();
    return instance;
}

// Renders the same noise through both instances, block by block; the failure names the first
// sample where they part.
std::string CompareOutput(ValidationContext& context, EffectInstance& expected,
                          EffectInstance& actual) {
    const auto channels = static_cast<size_t>(expected.Channels());
    std::vector<std::vector<float>> in(channels, std::vector<float>(kCompareFrames));
    std::vector<std::vector<float>> outExpected = in;
    std::vector<std::vector<float>> outActual = in;
    std::vector<const float*> inPointers;
    std::vector<float*> expectedPointers;
    std::vector<float*> actualPointers;
    for (size_t c = 0; c < channels; ++c) {
        inPointers.push_back(in[c].data());
        expectedPointers.push_back(outExpected[c].data());
        actualPointers.push_back(outActual[c].data());
    }
    std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
    for (int32_t block = 0; block < kCompareBlocks; ++block) {
        for (auto& channel : in) {
            for (float& sample : channel) sample = noise(context.Random());
        }
        expected.Render(inPointers.data(), expectedPointers.data(), kCompareFrames);
        actual.Render(inPointers.data(), actualPointers.data(), kCompareFrames);
        for (size_t c = 0; c < channels; ++c) {
            for (size_t i = 0; i < outExpected[c].size(); ++i) {
                // Bit for bit: the same NaN counts as the same output here; whether output is
                // finite is for the render checks to say.
                if (std::bit_cast<uint32_t>(outExpected[c][i]) ==
                    std::bit_cast<uint32_t>(outActual[c][i])) {
                    continue;
                }
                return "output sample " + std::to_string(i) + " of channel " + std::to_string(c) +
                       " in block " + std::to_string(block) + " is " +
                       std::to_string(outActual[c][i]) + " instead of " +
                       std::to_string(outExpected[c][i]);
            }
        }
    }
    return {};
}

std::string DescribeRestore(int32_t channels, double sampleRate) {
    return "restoring into a fresh " + std::to_string(channels) + "-channel instance at " +
           std::to_string(static_cast<int>(sampleRate)) + " Hz";
}

// The state restored into a fresh instance must save again as it was, and the instance must
// sound as one whose parameters were set to the same values.
std::string RestoreInto(ValidationContext& context, int32_t channels, double sampleRate,
                        const SavedState& saved, const std::vector<std::string>& identifiers,
                        const std::vector<double>& values) {
    const std::string what = DescribeRestore(channels, sampleRate);
    std::string failure;
    std::unique_ptr<EffectInstance> direct =
        InstantiateWithValues(context, channels, sampleRate, identifiers, values, failure);
    if (direct == nullptr) return failure;
    std::unique_ptr<EffectInstance> restored = context.Instantiate(channels, sampleRate, failure);
    if (restored == nullptr) {
        context.Retire(std::move(direct));
        return failure;
    }
    context.Step(what);
    SavedState again;
    Result result = restored->LoadState(saved);
    restored->Service();
    if (result != AAX_SUCCESS) {
        failure = Failed(what, result);
    } else if ((result = restored->SaveState(again)) != AAX_SUCCESS) {
        failure = Failed("saving after " + what, result);
    } else if (again.chunkID != saved.chunkID || again.data != saved.data) {
        failure = what + ": saved " + std::to_string(saved.data.size()) + " bytes, it saves " +
                  std::to_string(again.data.size()) + " bytes that differ";
    } else {
        context.Step("comparing the output after " + what);
        failure = CompareOutput(context, *direct, *restored);
        if (!failure.empty()) failure = what + ": " + failure;
    }
    context.Retire(std::move(restored));
    context.Retire(std::move(direct));
    return failure;
}

struct BadChunk {
    std::string what;
    SavedState state;
};

std::vector<unsigned char> RandomBytes(ValidationContext& context, size_t size) {
    std::vector<unsigned char> bytes(size);
    for (unsigned char& byte : bytes) byte = static_cast<unsigned char>(context.Random()());
    return bytes;
}

// Chunks no plug-in wrote: each of them must leave the state as it was.
std::vector<BadChunk> BadChunks(ValidationContext& context, const SavedState& good) {
    const std::vector<unsigned char>& data = good.data;
    std::vector<BadChunk> chunks;
    chunks.push_back({"an empty chunk", {good.chunkID, {}}});
    if (!data.empty()) {
        chunks.push_back(
            {"a chunk one byte short", {good.chunkID, {data.begin(), data.end() - 1}}});
        chunks.push_back({"the first half of the chunk",
                          {good.chunkID, {data.begin(), data.begin() + data.size() / 2}}});
    }
    chunks.push_back(
        {"random bytes of the chunk's size", {good.chunkID, RandomBytes(context, data.size())}});
    SavedState oversized = good;
    const std::vector<unsigned char> tail = RandomBytes(context, 1 << 20);
    oversized.data.insert(oversized.data.end(), tail.begin(), tail.end());
    chunks.push_back({"the chunk followed by a mebibyte of random bytes", oversized});
    return chunks;
}

}  // namespace

std::string CheckStateRestore(ValidationContext& context) {
    std::string failure;
    std::vector<std::string> identifiers;
    std::unique_ptr<EffectInstance> source =
        context.InstantiateWithParameters(identifiers, failure);
    if (source == nullptr) return failure;
    // The bypass is the host's to keep, not part of the plug-in's state.
    HostString bypass;
    if (source->Effect().GetMasterBypassParameter(&bypass) == AAX_SUCCESS) {
        std::erase(identifiers, std::string(bypass.Text()));
    }
    std::vector<double> values;
    for (size_t i = 0; i < identifiers.size(); ++i) values.push_back(context.RandomNormalized());
    for (size_t i = 0; i < identifiers.size(); ++i) {
        source->Effect().SetParameterNormalizedValue(identifiers[i].c_str(), values[i]);
    }
    source->Service();
    SavedState saved;
    const Result result = source->SaveState(saved);
    context.Retire(std::move(source));
    if (result != AAX_SUCCESS) return Failed("saving", result);
    for (const double rate : context.Range().rates) {
        for (const int32_t channels : context.ChannelCounts()) {
            failure = RestoreInto(context, channels, rate, saved, identifiers, values);
            if (!failure.empty()) return failure;
        }
    }
    return {};
}

std::string CheckStateRefusal(ValidationContext& context) {
    std::string failure;
    std::vector<std::string> identifiers;
    std::unique_ptr<EffectInstance> instance =
        context.InstantiateWithParameters(identifiers, failure);
    if (instance == nullptr) return failure;
    for (const std::string& id : identifiers) {
        instance->Effect().SetParameterNormalizedValue(id.c_str(), context.RandomNormalized());
    }
    instance->Service();
    SavedState before;
    Result result = instance->SaveState(before);
    if (result != AAX_SUCCESS) failure = Failed("saving", result);
    std::vector<BadChunk> chunks;
    if (failure.empty()) chunks = BadChunks(context, before);
    // The wrapper hands a chunk of its own identifier to the plug-in and reports success whatever
    // the plug-in makes of it; a chunk of another identifier it must refuse itself.
    chunks.push_back(
        {"the chunk under another identifier", {before.chunkID ^ 0x20202020u, before.data}});
    for (const BadChunk& chunk : chunks) {
        if (!failure.empty()) break;
        context.Step("restoring " + chunk.what);
        result = instance->LoadState(chunk.state);
        instance->Service();
        SavedState after;
        const Result saved = instance->SaveState(after);
        if (chunk.state.chunkID != before.chunkID && result == AAX_SUCCESS) {
            failure = "restoring " + chunk.what + " succeeded";
        } else if (saved != AAX_SUCCESS) {
            failure = Failed("saving after restoring " + chunk.what, saved);
        } else if (after.chunkID != before.chunkID || after.data != before.data) {
            failure = "restoring " + chunk.what + " (answered " + std::to_string(result) +
                      ") changed the saved state";
        }
    }
    context.Retire(std::move(instance));
    return failure;
}

}  // namespace aaxhost
