#include "tools/aaxhost/program/validation_context.h"

#include <algorithm>
#include <cmath>

#include "tools/aaxhost/program/program.h"
#include "tools/aaxhost/program/render_thread.h"

namespace aaxhost {

ValidationContext::ValidationContext(ModuleSession& session, int32_t level, uint64_t seed,
                                     CheckRange range, StepReport step)
    : mSession(session),
      mLevel(level),
      mRange(std::move(range)),
      mRandom(seed),
      mStep(std::move(step)) {}

std::vector<int32_t> ValidationContext::ChannelCounts() const {
    std::vector<int32_t> counts;
    for (int32_t channels : {1, 2}) {
        if (mSession.ComponentFor(channels) != nullptr) counts.push_back(channels);
    }
    return counts;
}

std::unique_ptr<EffectInstance> ValidationContext::Instantiate(int32_t channels, double sampleRate,
                                                               std::string& failure) {
    Step("making a " + std::to_string(channels) + "-channel instance at " +
         std::to_string(static_cast<int>(sampleRate)) + " Hz");
    auto instance =
        std::make_unique<EffectInstance>(mSession, ProgramInstance(channels, sampleRate));
    if (instance->Ready()) return instance;
    failure = "a " + std::to_string(channels) + "-channel instance at " +
              std::to_string(static_cast<int>(sampleRate)) +
              " Hz cannot be made: " + instance->Failure();
    Retire(std::move(instance));
    return nullptr;
}

std::unique_ptr<EffectInstance> ValidationContext::InstantiateWithParameters(
    std::vector<std::string>& identifiers, std::string& failure) {
    std::unique_ptr<EffectInstance> instance =
        Instantiate(ChannelCounts().back(), 48000.0, failure);
    if (instance == nullptr) return nullptr;
    identifiers = instance->ParameterIdentifiers();
    if (!identifiers.empty()) return instance;
    failure = "the instance lists no parameters";
    Retire(std::move(instance));
    return nullptr;
}

void ValidationContext::Retire(std::unique_ptr<EffectInstance> instance) {
    Step("releasing a " + std::to_string(instance->Channels()) + "-channel instance");
    instance->Close();
    const int64_t outstanding = instance->OutstandingReferences();
    if (outstanding != 0) {
        mLeaks.push_back(std::to_string(outstanding) + " references on a " +
                         std::to_string(instance->Channels()) + "-channel instance's host objects");
    }
}

std::unique_ptr<HostWindow> ValidationContext::OpenWindow(const std::string& title) {
    Step("opening a window for the editor");
    std::string error;
    // The editor's own size is asked once it is open; the window follows it.
    std::unique_ptr<HostWindow> window = HostWindow::Open(title, 100, 100, error);
    if (window == nullptr) Skip("no window for the editor: " + error);
    return window;
}

double ValidationContext::RandomNormalized() {
    const uint64_t pick = mRandom() % 10;
    if (pick == 0) return 0.0;
    if (pick == 1) return 1.0;
    return std::uniform_real_distribution<double>(0.0, 1.0)(mRandom);
}

std::string ValidationContext::RenderNoise(EffectInstance& instance, RenderThread& thread,
                                           int32_t frames, int32_t blocks) {
    return RenderSequence(instance, thread,
                          std::vector<int32_t>(static_cast<size_t>(blocks), frames));
}

std::string ValidationContext::RenderSequence(EffectInstance& instance, RenderThread& thread,
                                              const std::vector<int32_t>& sizes) {
    if (sizes.empty()) return {};
    const int32_t largest = *std::max_element(sizes.begin(), sizes.end());
    const bool steady = std::all_of(sizes.begin(), sizes.end(),
                                    [&](int32_t frames) { return frames == sizes.front(); });
    Step("rendering " + std::to_string(sizes.size()) + " blocks of " +
         (steady ? std::to_string(largest) : "changing sizes up to " + std::to_string(largest)) +
         " frames, " + std::to_string(instance.Channels()) + " channels");
    const auto channels = static_cast<size_t>(instance.Channels());
    std::vector<std::vector<float>> in(channels, std::vector<float>(static_cast<size_t>(largest)));
    std::vector<std::vector<float>> out = in;
    std::vector<const float*> inPointers;
    std::vector<float*> outPointers;
    for (size_t c = 0; c < channels; ++c) {
        inPointers.push_back(in[c].data());
        outPointers.push_back(out[c].data());
    }
    std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
    for (size_t block = 0; block < sizes.size(); ++block) {
        const int32_t frames = sizes[block];
        const auto length = static_cast<size_t>(frames);
        for (auto& channel : in) {
            for (size_t i = 0; i < length; ++i) channel[i] = noise(mRandom);
        }
        if (block % 4 == 0) {
            const MidiPacket note{static_cast<uint32_t>(mRandom() % static_cast<uint64_t>(frames)),
                                  3,
                                  {0x90, static_cast<unsigned char>(36 + mRandom() % 48), 100, 0},
                                  false};
            instance.MidiInput().SetPackets(&note, 1);
        } else {
            instance.MidiInput().ClearPackets();
        }
        thread.RenderBlock(inPointers.data(), outPointers.data(), frames);
        for (size_t c = 0; c < channels; ++c) {
            for (size_t i = 0; i < length; ++i) {
                const float sample = out[c][i];
                const int kind = std::fpclassify(sample);
                if (kind != FP_NAN && kind != FP_INFINITE && kind != FP_SUBNORMAL) continue;
                const auto where = [&] {
                    return "output sample " + std::to_string(i) + " of channel " +
                           std::to_string(c) + " in a block of " + std::to_string(frames) +
                           " frames";
                };
                if (kind == FP_SUBNORMAL) {
                    if (mSubnormals++ == 0) mFirstSubnormal = where();
                    continue;
                }
                instance.MidiInput().ClearPackets();
                return where() + " is " + (kind == FP_NAN ? "NaN" : "infinite");
            }
        }
    }
    instance.MidiInput().ClearPackets();
    return {};
}

}  // namespace aaxhost
