// The real-time check of `aaxhost validate`: blocks of changing sizes with notes, the modulation
// wheel, a transport that stops and starts, and the host's automation between blocks, while the
// render thread's forbidden calls are counted (realtime_calls.h).
#include <algorithm>

#include "tools/aaxhost/program/code_location.h"
#include "tools/aaxhost/program/realtime_calls.h"
#include "tools/aaxhost/program/render_thread.h"
#include "tools/aaxhost/program/validation_context.h"

namespace aaxhost {
namespace {

constexpr int32_t kBlockSizes[] = {1, 17, 64, 256, 1024};

std::string Counted() {
    static constexpr const char* kNames[] = {"allocation", "mutex", "condition variable",
                                             "blocking"};
    std::string counts;
    for (int kind = 0; kind < kRealtimeKindCount; ++kind) {
        counts += std::string(kind == 0 ? "" : ", ") +
                  std::to_string(RealtimeCount(static_cast<RealtimeCallKind>(kind))) + " " +
                  kNames[kind];
    }
    return counts;
}

long Total() {
    long total = 0;
    for (int kind = 0; kind < kRealtimeKindCount; ++kind) {
        total += RealtimeCount(static_cast<RealtimeCallKind>(kind));
    }
    return total;
}

// Plays `instance` on a render thread; the host's changes come between blocks.
void Play(ValidationContext& context, EffectInstance& instance,
          const std::vector<std::string>& identifiers) {
    const auto channels = static_cast<size_t>(instance.Channels());
    const auto most =
        static_cast<size_t>(*std::max_element(std::begin(kBlockSizes), std::end(kBlockSizes)));
    std::vector<std::vector<float>> in(channels, std::vector<float>(most));
    std::vector<std::vector<float>> out = in;
    std::vector<const float*> inPointers;
    std::vector<float*> outPointers;
    for (size_t c = 0; c < channels; ++c) {
        for (float& sample : in[c]) sample = static_cast<float>(context.RandomNormalized() - 0.5);
        inPointers.push_back(in[c].data());
        outPointers.push_back(out[c].data());
    }
    RenderThread thread(instance);
    const int32_t blocks = 40 * context.Level();
    for (int32_t block = 0; block < blocks; ++block) {
        const int32_t frames = kBlockSizes[static_cast<size_t>(block) % std::size(kBlockSizes)];
        if (block % 7 == 0 && !identifiers.empty()) {
            const std::string& id = identifiers[context.Random()() % identifiers.size()];
            instance.Effect().SetParameterNormalizedValue(id.c_str(), context.RandomNormalized());
        }
        instance.Service();
        const MidiPacket midi[] = {
            {0, 3, {0xB0, 1, static_cast<unsigned char>(block % 128), 0}, false},
            {static_cast<uint32_t>(frames / 2), 3, {0x90, 60, 100, 0}, false}};
        instance.MidiInput().SetPackets(midi, block % 4 == 0 ? 2 : 1);
        instance.Transport().state.playing = block % 50 < 40;
        thread.RenderBlock(inPointers.data(), outPointers.data(), frames);
    }
    instance.MidiInput().ClearPackets();
    instance.Service();
}

}  // namespace

std::string CheckRealtime(ValidationContext& context) {
    if (RealtimeInterposed() == 0) {
        context.SetNote(
            "only operator new and delete counted: the C library is not interposed in this build");
    }
    RealtimeReset();
    for (const int32_t channels : context.ChannelCounts()) {
        std::string failure;
        std::unique_ptr<EffectInstance> instance = context.Instantiate(channels, 48000.0, failure);
        if (instance == nullptr) return failure;
        const std::vector<std::string> identifiers = instance->ParameterIdentifiers();
        context.Step("rendering " + std::to_string(channels) +
                     " channels with the render thread's calls counted");
        Play(context, *instance, identifiers);
        RealtimeCall first{};
        if (Total() != 0 && RealtimeFirst(&first) != 0) {
            // Placed while the plug-in's library is still loaded.
            failure = std::to_string(Total()) + " forbidden calls on the render thread (" +
                      Counted() + ", " + std::to_string(channels) +
                      " channels); the first: " + first.function + " called from " +
                      CodeLocation(first.caller);
        }
        context.Retire(std::move(instance));
        if (!failure.empty()) return failure;
    }
    return {};
}

}  // namespace aaxhost
