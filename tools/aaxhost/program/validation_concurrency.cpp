// The concurrency check of `aaxhost validate`: blocks render without pause on a real-time thread
// while one host thread sets parameters and services the instance and another saves and restores
// its state, as a workstation's audio, interface and session threads do.
#include <atomic>
#include <cmath>
#include <thread>

#include "tools/aaxhost/program/validation_context.h"

namespace aaxhost {
namespace {

constexpr int32_t kFrames = 128;

struct RenderOutcome {
    uint64_t blocks = 0;
    uint64_t notFinite = 0;
};

// Renders until `stop`; noise is made before the thread starts, so the loop allocates nothing.
RenderOutcome RenderUntil(EffectInstance& instance, const std::vector<std::vector<float>>& noise,
                          const std::atomic<bool>& stop) {
    RenderOutcome outcome;
    std::vector<std::vector<float>> out(noise.size(), std::vector<float>(kFrames));
    std::vector<const float*> inPointers;
    std::vector<float*> outPointers;
    for (size_t c = 0; c < noise.size(); ++c) {
        inPointers.push_back(noise[c].data());
        outPointers.push_back(out[c].data());
    }
    while (!stop.load(std::memory_order_acquire)) {
        instance.Render(inPointers.data(), outPointers.data(), kFrames);
        ++outcome.blocks;
        for (const auto& channel : out) {
            for (float sample : channel) outcome.notFinite += std::isfinite(sample) ? 0 : 1;
        }
    }
    return outcome;
}

}  // namespace

std::string CheckConcurrency(ValidationContext& context) {
    std::string failure;
    std::vector<std::string> identifiers;
    std::unique_ptr<EffectInstance> instance =
        context.InstantiateWithParameters(identifiers, failure);
    if (instance == nullptr) return failure;
    SavedState saved;
    const Result savedResult = instance->SaveState(saved);
    if (savedResult != AAX_SUCCESS) {
        context.Retire(std::move(instance));
        return "saving failed with " + std::to_string(savedResult);
    }
    const int32_t rounds = 200 * context.Level();
    std::vector<std::pair<size_t, double>> changes;
    for (int32_t i = 0; i < rounds; ++i) {
        changes.emplace_back(context.Random()() % identifiers.size(), context.RandomNormalized());
    }
    std::uniform_real_distribution<float> sample(-1.0f, 1.0f);
    std::vector<std::vector<float>> noise(static_cast<size_t>(instance->Channels()),
                                          std::vector<float>(kFrames));
    for (auto& channel : noise) {
        for (float& value : channel) value = sample(context.Random());
    }
    instance->Transport().state.playing = true;

    std::atomic<bool> stop{false};
    RenderOutcome rendered;
    std::atomic<int32_t> parameterFailures{0};
    std::atomic<int32_t> stateFailures{0};
    std::thread render([&] { rendered = RenderUntil(*instance, noise, stop); });
    std::thread parameters([&] {
        for (const auto& [index, value] : changes) {
            if (instance->Effect().SetParameterNormalizedValue(identifiers[index].c_str(), value) !=
                AAX_SUCCESS) {
                ++parameterFailures;
            }
            instance->Service();
        }
    });
    std::thread state([&] {
        for (int32_t i = 0; i < rounds / 5; ++i) {
            SavedState copy;
            if (instance->SaveState(copy) != AAX_SUCCESS) ++stateFailures;
            if (instance->LoadState(saved) != AAX_SUCCESS) ++stateFailures;
        }
    });
    parameters.join();
    state.join();
    stop.store(true, std::memory_order_release);
    render.join();
    context.Retire(std::move(instance));

    if (parameterFailures != 0) {
        return std::to_string(parameterFailures.load()) + " of " + std::to_string(rounds) +
               " parameter changes failed";
    }
    if (stateFailures != 0) {
        return std::to_string(stateFailures.load()) + " state saves or restores failed";
    }
    if (rendered.notFinite != 0) {
        return std::to_string(rendered.notFinite) + " output samples not finite in " +
               std::to_string(rendered.blocks) + " blocks";
    }
    return {};
}

}  // namespace aaxhost
