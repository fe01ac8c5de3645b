// The single-threaded checks of `aaxhost validate`.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>

#include "abi/host_view_container.h"
#include "tools/aaxhost/objects/host_string.h"
#include "tools/aaxhost/program/render_thread.h"
#include "tools/aaxhost/program/validation_context.h"

namespace aaxhost {
namespace {

constexpr int32_t kBlockSizes[] = {32, 64, 128, 256, 512, 1024};
constexpr int32_t kMinBlock = 32;
constexpr int32_t kMaxBlock = 1024;

std::string Failed(const char* what, Result result) {
    return std::string(what) + " failed with " + std::to_string(result);
}

}  // namespace

std::string CheckLifecycle(ValidationContext& context) {
    const std::vector<int32_t> counts = context.ChannelCounts();
    if (counts.empty()) return "the module declares no mono or stereo component";
    for (int32_t round = 0; round < 2 * context.Level(); ++round) {
        for (int32_t channels : counts) {
            std::string failure;
            std::unique_ptr<EffectInstance> instance =
                context.Instantiate(channels, 48000.0, failure);
            if (instance == nullptr) return failure;
            if (instance->ParameterIdentifiers().empty()) {
                return "a " + std::to_string(channels) + "-channel instance lists no parameters";
            }
            context.Retire(std::move(instance));
            const int32_t live = context.Session().LiveObjects();
            if (live != 0) {
                return std::to_string(live) + " module objects still alive after instance " +
                       std::to_string(round + 1) + " was released";
            }
        }
    }
    return {};
}

namespace {

// Renders each sequence of block sizes through a mono and a stereo instance at `sampleRate`, the
// transport playing; fails on output that is not finite.
std::string RenderSequences(ValidationContext& context, double sampleRate,
                            const std::vector<std::vector<int32_t>>& sequences) {
    for (int32_t channels : context.ChannelCounts()) {
        std::string failure;
        std::unique_ptr<EffectInstance> instance =
            context.Instantiate(channels, sampleRate, failure);
        if (instance == nullptr) return failure;
        instance->Transport().state.playing = true;
        {
            RenderThread thread(*instance);
            for (const std::vector<int32_t>& sizes : sequences) {
                failure = context.RenderSequence(*instance, thread, sizes);
                if (!failure.empty()) break;
            }
        }
        context.Retire(std::move(instance));
        if (!failure.empty()) return std::to_string(channels) + " channels: " + failure;
    }
    return {};
}

}  // namespace

std::string CheckRender(ValidationContext& context, double sampleRate) {
    std::vector<int32_t> sizes(std::begin(kBlockSizes), std::end(kBlockSizes));
    for (int32_t i = 0; i < context.Level(); ++i) {
        sizes.push_back(kMinBlock +
                        static_cast<int32_t>(context.Random()() % (kMaxBlock - kMinBlock + 1)));
    }
    const auto blocks = static_cast<size_t>(4 * context.Level());
    std::vector<std::vector<int32_t>> sequences;
    for (int32_t frames : sizes) sequences.emplace_back(blocks, frames);
    return RenderSequences(context, sampleRate, sequences);
}

// Small blocks get more of them and large ones fewer, so that each size renders about as much
// sound and level 10 stays quick.
std::string CheckBlockSizes(ValidationContext& context) {
    const std::vector<int32_t>& list = context.Range().blocks;
    if (list.empty()) return "no block sizes to render";
    const int32_t level = context.Level();
    std::vector<std::vector<int32_t>> sequences;
    for (int32_t frames : list) {
        const int32_t blocks = std::clamp(level * 2048 / frames, 2, 4 * level);
        sequences.emplace_back(static_cast<size_t>(blocks), frames);
    }
    const auto [smallest, largest] = std::minmax_element(list.begin(), list.end());
    std::vector<int32_t> fromList;
    std::vector<int32_t> anySize;
    std::vector<int32_t> extremes;
    std::uniform_int_distribution<int32_t> size(*smallest, *largest);
    for (int32_t i = 0; i < 8 * level; ++i) {
        fromList.push_back(list[context.Random()() % list.size()]);
        anySize.push_back(size(context.Random()));
    }
    for (int32_t i = 0; i < 2 * level; ++i) extremes.push_back(i % 2 == 0 ? *smallest : *largest);
    sequences.push_back(fromList);
    sequences.push_back(anySize);
    sequences.push_back(extremes);
    return RenderSequences(context, 48000.0, sequences);
}

std::string CheckParameterFuzz(ValidationContext& context) {
    std::string failure;
    std::vector<std::string> identifiers;
    std::unique_ptr<EffectInstance> instance =
        context.InstantiateWithParameters(identifiers, failure);
    if (instance == nullptr) return failure;
    AAX_IACFEffectParameters_V2& effect = instance->Effect();
    {
        RenderThread thread(*instance);
        for (int32_t i = 0; i < 100 * context.Level() && failure.empty(); ++i) {
            const std::string& id = identifiers[context.Random()() % identifiers.size()];
            const double wanted = context.RandomNormalized();
            context.Step("setting " + id + " to " + std::to_string(wanted));
            const Result set = effect.SetParameterNormalizedValue(id.c_str(), wanted);
            if (set != AAX_SUCCESS) {
                failure = Failed(("setting " + id).c_str(), set);
                break;
            }
            instance->Service();
            double value = -1.0;
            const Result got = effect.GetParameterNormalizedValue(id.c_str(), &value);
            HostString text;
            const Result shown = effect.GetParameterValueString(id.c_str(), &text, 32);
            if (got != AAX_SUCCESS || shown != AAX_SUCCESS) {
                failure = id + ": reading the value back failed with " +
                          std::to_string(got != AAX_SUCCESS ? got : shown);
            } else if (!std::isfinite(value) || value < 0.0 || value > 1.0) {
                failure = id + ": set to " + std::to_string(wanted) + ", reads back " +
                          std::to_string(value);
            } else if (i % 10 == 9) {
                failure = context.RenderNoise(*instance, thread, 256, 1);
            }
        }
    }
    context.Retire(std::move(instance));
    return failure;
}

std::string CheckStateRoundTrip(ValidationContext& context) {
    std::string failure;
    std::vector<std::string> identifiers;
    std::unique_ptr<EffectInstance> instance =
        context.InstantiateWithParameters(identifiers, failure);
    if (instance == nullptr) return failure;
    for (int32_t round = 0; round < context.Level() && failure.empty(); ++round) {
        SavedState before;
        SavedState after;
        Result result = instance->SaveState(before);
        if (result != AAX_SUCCESS) {
            failure = Failed("saving", result);
            break;
        }
        for (const std::string& id : identifiers) {
            instance->Effect().SetParameterNormalizedValue(id.c_str(), context.RandomNormalized());
        }
        instance->Service();
        result = instance->LoadState(before);
        instance->Service();
        if (result != AAX_SUCCESS) {
            failure = Failed("restoring", result);
        } else if ((result = instance->SaveState(after)) != AAX_SUCCESS) {
            failure = Failed("saving after the restore", result);
        } else if (after.chunkID != before.chunkID || after.data != before.data) {
            failure = "saved " + std::to_string(before.data.size()) +
                      " bytes, after change and restore " + std::to_string(after.data.size()) +
                      " bytes that differ";
        }
    }
    context.Retire(std::move(instance));
    return failure;
}

std::string CheckEditor(ValidationContext& context) {
    std::string failure;
    std::unique_ptr<EffectInstance> instance =
        context.Instantiate(context.ChannelCounts().back(), 48000.0, failure);
    if (instance == nullptr) return failure;
    std::unique_ptr<HostWindow> window = context.OpenWindow("aaxhost validate: editor");
    for (int32_t round = 0; window != nullptr && round < 2 && failure.empty(); ++round) {
        context.Step("attaching the editor to a view");
        Result result = instance->OpenEditor(kViewTypeWindowHandle, window->NativeHandle());
        if (result != AAX_SUCCESS) {
            failure = Failed("attaching", result);
            break;
        }
        context.Step("idling the editor");
        for (int32_t i = 0; i < 5 * context.Level() && failure.empty(); ++i) {
            result = instance->IdleEditor();
            if (result != AAX_SUCCESS) failure = Failed("idling", result);
            window->HandleEvents(std::chrono::milliseconds(0));
        }
        AAX_Point size{};
        if (failure.empty() && (result = instance->EditorSize(size)) != AAX_SUCCESS) {
            failure = Failed("asking the size", result);
        } else if (failure.empty() && (size.horz <= 0.0f || size.vert <= 0.0f)) {
            failure =
                "the editor is " + std::to_string(size.horz) + " by " + std::to_string(size.vert);
        } else if (failure.empty()) {
            window->Resize(static_cast<int32_t>(size.horz), static_cast<int32_t>(size.vert));
            window->HandleEvents(std::chrono::milliseconds(0));
        }
        context.Step("detaching the editor");
        result = instance->CloseEditor();
        if (failure.empty() && result != AAX_SUCCESS) failure = Failed("detaching", result);
    }
    context.Retire(std::move(instance));
    return failure;
}

}  // namespace aaxhost
