// The session checks of `aaxhost validate`: what a workstation does to an instance while it plays
// (a rate change, the editor re-opened on new views, a preset loaded from another thread, the
// transport stopped, started and moved back, bursts of edits by host and plug-in), each judged by
// what the host and the plug-in report afterwards, not only by nothing having crashed.
#include <atomic>
#include <chrono>
#include <cmath>
#include <map>
#include <thread>
#include <variant>

#include "abi/host_view_container.h"
#include "tools/aaxhost/program/render_thread.h"
#include "tools/aaxhost/program/validation_context.h"

namespace aaxhost {
namespace {

constexpr int32_t kFrames = 256;
// Slot of the automation delegate's set requests.
constexpr int32_t kSetRequestSlot = 5;

std::string Failed(const std::string& what, Result result) {
    return what + " failed with " + std::to_string(result);
}

// Blocks of noise rendered without pause on a thread of their own, as a workstation's audio
// thread keeps going while its other threads act.
class Playback {
  public:
    Playback(EffectInstance& instance, std::mt19937_64& random)
        : mInstance(instance),
          mIn(static_cast<size_t>(instance.Channels()), std::vector<float>(kFrames)),
          mOut(mIn) {
        std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
        for (auto& channel : mIn) {
            for (float& sample : channel) sample = noise(random);
        }
        for (size_t c = 0; c < mIn.size(); ++c) {
            mInPointers.push_back(mIn[c].data());
            mOutPointers.push_back(mOut[c].data());
        }
        mInstance.Transport().state.playing = true;
        mThread = std::thread([this] { Loop(); });
    }
    ~Playback() { Stop(); }
    Playback(const Playback&) = delete;
    Playback& operator=(const Playback&) = delete;

    // Ends the thread after its block; the failure says how many samples were not finite.
    std::string Stop() {
        mStop.store(true, std::memory_order_release);
        if (mThread.joinable()) mThread.join();
        if (mNotFinite == 0) return {};
        return std::to_string(mNotFinite) + " output samples not finite in " +
               std::to_string(mBlocks) + " blocks";
    }

  private:
    void Loop() {
        // At least a few blocks, however quickly the host thread is done.
        while (mBlocks < 4 || !mStop.load(std::memory_order_acquire)) {
            mInstance.Render(mInPointers.data(), mOutPointers.data(), kFrames);
            ++mBlocks;
            for (const auto& channel : mOut) {
                for (float sample : channel) mNotFinite += std::isfinite(sample) ? 0 : 1;
            }
        }
    }

    EffectInstance& mInstance;
    std::vector<std::vector<float>> mIn;
    std::vector<std::vector<float>> mOut;
    std::vector<const float*> mInPointers;
    std::vector<float*> mOutPointers;
    uint64_t mBlocks = 0;
    uint64_t mNotFinite = 0;
    std::atomic<bool> mStop{false};
    std::thread mThread;
};

std::vector<double> Values(EffectInstance& instance, const std::vector<std::string>& identifiers) {
    std::vector<double> values;
    for (const std::string& id : identifiers) {
        double value = -1.0;
        instance.Effect().GetParameterNormalizedValue(id.c_str(), &value);
        values.push_back(value);
    }
    return values;
}

// The first parameter whose value differs, or nothing.
std::string Changed(const std::vector<std::string>& identifiers, const std::vector<double>& before,
                    const std::vector<double>& after) {
    for (size_t i = 0; i < identifiers.size(); ++i) {
        if (std::abs(before[i] - after[i]) > 1e-6) {
            return identifiers[i] + " was " + std::to_string(before[i]) + ", is " +
                   std::to_string(after[i]);
        }
    }
    return {};
}

void SetRandomly(ValidationContext& context, EffectInstance& instance,
                 const std::vector<std::string>& identifiers) {
    for (const std::string& id : identifiers) {
        instance.Effect().SetParameterNormalizedValue(id.c_str(), context.RandomNormalized());
    }
    instance.Service();
}

void Reapply(EffectInstance& instance, const std::vector<std::string>& identifiers,
             const std::vector<double>& values) {
    for (size_t i = 0; i < identifiers.size(); ++i) {
        instance.Effect().SetParameterNormalizedValue(identifiers[i].c_str(), values[i]);
    }
    instance.Service();
}

// An instance with parameters set at random, its state and values as they are then. A state
// that cannot be saved, or differs from one save to the next, is not compared: the state round
// trip reports that.
struct Prepared {
    std::unique_ptr<EffectInstance> instance;
    std::vector<std::string> identifiers;
    SavedState state;
    bool stable = false;
    std::vector<double> values;
};

// Saves the state and compares it with `expected`; the failure names `when`.
std::string SameAs(EffectInstance& instance, const SavedState& expected, const char* when) {
    SavedState now;
    const Result saved = instance.SaveState(now);
    if (saved != AAX_SUCCESS) return Failed(std::string("saving ") + when, saved);
    if (now.chunkID == expected.chunkID && now.data == expected.data) return {};
    return std::string("the state saved ") + when + " differs (" +
           std::to_string(expected.data.size()) + " bytes before, " +
           std::to_string(now.data.size()) + " after)";
}

std::string SameState(EffectInstance& instance, const Prepared& prepared, const char* when) {
    return prepared.stable ? SameAs(instance, prepared.state, when) : std::string();
}

std::string Prepare(ValidationContext& context, Prepared& prepared) {
    std::string failure;
    prepared.instance = context.InstantiateWithParameters(prepared.identifiers, failure);
    if (prepared.instance == nullptr) return failure;
    SetRandomly(context, *prepared.instance, prepared.identifiers);
    prepared.values = Values(*prepared.instance, prepared.identifiers);
    SavedState again;
    prepared.stable = prepared.instance->SaveState(prepared.state) == AAX_SUCCESS &&
                      prepared.instance->SaveState(again) == AAX_SUCCESS &&
                      again.chunkID == prepared.state.chunkID && again.data == prepared.state.data;
    return {};
}

std::string Finish(ValidationContext& context, Prepared& prepared, std::string failure) {
    if (prepared.instance != nullptr) context.Retire(std::move(prepared.instance));
    return failure;
}

}  // namespace

std::string CheckRateChange(ValidationContext& context) {
    Prepared prepared;
    std::string failure = Prepare(context, prepared);
    if (!failure.empty()) return Finish(context, prepared, failure);
    EffectInstance& instance = *prepared.instance;
    const double rates[] = {96000.0, 44100.0, 192000.0, 48000.0, 176400.0};
    instance.Transport().state.playing = true;
    std::unique_ptr<RenderThread> thread = std::make_unique<RenderThread>(instance);
    for (int32_t round = 0; round < context.Level() && failure.empty(); ++round) {
        const double rate = rates[static_cast<size_t>(round) % std::size(rates)];
        failure = context.RenderNoise(instance, *thread, kFrames, 4);
        if (!failure.empty()) break;
        context.Step("re-initialising at " + std::to_string(static_cast<int>(rate)) + " Hz");
        const Result changed = instance.ChangeSampleRate(static_cast<float>(rate));
        if (changed != AAX_SUCCESS) {
            failure =
                Failed("re-initialising at " + std::to_string(static_cast<int>(rate)), changed);
        } else if (!(failure = context.RenderNoise(instance, *thread, kFrames, 4)).empty()) {
            failure =
                "after the change to " + std::to_string(static_cast<int>(rate)) + " Hz: " + failure;
        } else if ((failure = SameState(instance, prepared, "after the rate change")).empty()) {
            // The host's own parameters (the bypass) start afresh; the host sets its values again.
            Reapply(instance, prepared.identifiers, prepared.values);
            failure = Changed(prepared.identifiers, prepared.values,
                              Values(instance, prepared.identifiers));
            if (!failure.empty()) {
                failure = "after the change to " + std::to_string(static_cast<int>(rate)) +
                          " Hz and the host's values set again, " + failure;
            }
        }
    }
    thread.reset();
    return Finish(context, prepared, failure);
}

std::string CheckEditorReopen(ValidationContext& context) {
    std::string failure;
    std::unique_ptr<EffectInstance> instance =
        context.Instantiate(context.ChannelCounts().back(), 48000.0, failure);
    if (instance == nullptr) return failure;
    // Each round's view holds a window of its own, all kept open so that none is handed out
    // twice.
    std::vector<std::unique_ptr<HostWindow>> windows;
    Playback playback(*instance, context.Random());
    for (int32_t round = 0; round < 2 * context.Level() + 1 && failure.empty(); ++round) {
        windows.push_back(
            context.OpenWindow("aaxhost validate: view " + std::to_string(round + 1)));
        if (windows.back() == nullptr) break;
        context.Step("attaching the editor to view " + std::to_string(round + 1));
        Result result = instance->OpenEditor(kViewTypeWindowHandle, windows.back()->NativeHandle());
        if (result != AAX_SUCCESS) {
            failure = Failed("attaching view " + std::to_string(round + 1), result);
            break;
        }
        for (int32_t i = 0; i < 3 && result == AAX_SUCCESS; ++i) {
            result = instance->IdleEditor();
            windows.back()->HandleEvents(std::chrono::milliseconds(0));
        }
        AAX_Point size{};
        if (result != AAX_SUCCESS) {
            failure = Failed("idling in view " + std::to_string(round + 1), result);
        } else if ((result = instance->EditorSize(size)) != AAX_SUCCESS) {
            failure = Failed("asking the size in view " + std::to_string(round + 1), result);
        } else if (size.horz <= 0.0f || size.vert <= 0.0f) {
            failure = "in view " + std::to_string(round + 1) + " the editor is " +
                      std::to_string(size.horz) + " by " + std::to_string(size.vert) +
                      ": it did not open in the new view";
        }
        context.Step("detaching the editor from view " + std::to_string(round + 1));
        result = instance->CloseEditor();
        if (failure.empty() && result != AAX_SUCCESS) failure = Failed("detaching", result);
    }
    const std::string rendered = playback.Stop();
    context.Retire(std::move(instance));
    return failure.empty() ? rendered : failure;
}

std::string CheckPresetFromThread(ValidationContext& context) {
    Prepared prepared;
    std::string failure = Prepare(context, prepared);
    if (!failure.empty()) return Finish(context, prepared, failure);
    if (!prepared.stable) {
        context.SetNote("no preset to load: the state does not save the same twice");
        return Finish(context, prepared, failure);
    }
    EffectInstance& instance = *prepared.instance;
    Playback playback(instance, context.Random());
    // The preset loaded from the host's own thread first, from the same values, gives what
    // loading it from another thread must give: a preset need not hold every parameter.
    for (int32_t round = 0; round < context.Level() && failure.empty(); ++round) {
        SetRandomly(context, instance, prepared.identifiers);
        const std::vector<double> before = Values(instance, prepared.identifiers);
        Result loaded = instance.LoadState(prepared.state);
        instance.Service();
        const std::vector<double> expected = Values(instance, prepared.identifiers);
        Reapply(instance, prepared.identifiers, before);
        context.Step("loading the preset from another thread while rendering");
        if (loaded == AAX_SUCCESS) {
            std::thread([&] { loaded = instance.LoadState(prepared.state); }).join();
        }
        instance.Service();
        if (loaded != AAX_SUCCESS) {
            failure = Failed("loading the preset", loaded);
        } else if (!(failure = Changed(prepared.identifiers, expected,
                                       Values(instance, prepared.identifiers)))
                        .empty()) {
            failure = "loaded from another thread, unlike from the host's: " + failure;
        } else {
            failure = SameState(instance, prepared, "after the preset loaded");
        }
    }
    const std::string rendered = playback.Stop();
    return Finish(context, prepared, failure.empty() ? rendered : failure);
}

std::string CheckTransportMoves(ValidationContext& context) {
    Prepared prepared;
    std::string failure = Prepare(context, prepared);
    if (!failure.empty()) return Finish(context, prepared, failure);
    EffectInstance& instance = *prepared.instance;
    NodeTransport& transport = instance.Transport();
    const struct {
        const char* what;
        bool playing;
        int64_t jump;  // samples moved before the move's blocks; negative goes back
    } moves[] = {{"playing", true, 0},
                 {"stopped", false, 0},
                 {"started further on", true, 480000},
                 {"jumped back while playing", true, -600000},
                 {"jumped back to the start", true, -1}};
    auto thread = std::make_unique<RenderThread>(instance);
    for (int32_t round = 0; round < context.Level() && failure.empty(); ++round) {
        for (const auto& move : moves) {
            context.Step(std::string("transport ") + move.what);
            transport.state.playing = move.playing;
            transport.state.sampleLocation =
                move.jump == -1 ? 0
                                : std::max<int64_t>(0, transport.state.sampleLocation + move.jump);
            failure = context.RenderNoise(instance, *thread, kFrames, 4);
            if (!failure.empty()) {
                failure = std::string("transport ") + move.what + ": " + failure;
                break;
            }
        }
    }
    thread.reset();
    instance.Service();
    if (failure.empty()) {
        failure =
            Changed(prepared.identifiers, prepared.values, Values(instance, prepared.identifiers));
        if (!failure.empty()) failure = "the transport changed a parameter: " + failure;
    }
    if (failure.empty()) failure = SameState(instance, prepared, "after the transport moved");
    return Finish(context, prepared, failure);
}

// The host's bursts: several values of one parameter between two blocks end, for host and
// plug-in, where that value set alone does. The plug-in's own edits, the modulation wheel swept
// inside blocks: the host ends on each edited parameter's last reported value, and the plug-in
// where the host setting those values would put it.
std::string CheckEditBursts(ValidationContext& context) {
    Prepared prepared;
    std::string failure = Prepare(context, prepared);
    if (!failure.empty()) return Finish(context, prepared, failure);
    EffectInstance& instance = *prepared.instance;
    instance.Transport().state.playing = true;
    auto thread = std::make_unique<RenderThread>(instance);
    std::vector<std::vector<float>> in(static_cast<size_t>(instance.Channels()),
                                       std::vector<float>(kFrames, 0.25f));
    std::vector<std::vector<float>> out = in;
    std::vector<const float*> inPointers;
    std::vector<float*> outPointers;
    for (size_t c = 0; c < in.size(); ++c) {
        inPointers.push_back(in[c].data());
        outPointers.push_back(out[c].data());
    }
    const auto set = [&](const std::string& id, double value) {
        instance.Effect().SetParameterNormalizedValue(id.c_str(), value);
        instance.Service();
        thread->RenderBlock(inPointers.data(), outPointers.data(), kFrames);
    };
    // Reached in single steps from the other end, so that the plug-in hears each value.
    const auto setAlone = [&](const std::string& id, double value) {
        set(id, value < 0.5 ? 1.0 : 0.0);
        set(id, value);
    };
    const auto saved = [&](SavedState& state) {
        return prepared.stable && instance.SaveState(state) == AAX_SUCCESS;
    };
    for (int32_t round = 0; round < 10 * context.Level() && failure.empty(); ++round) {
        const std::string& id =
            prepared.identifiers[context.Random()() % prepared.identifiers.size()];
        context.Step("a burst of values for " + id);
        double last = 0.0;
        for (uint64_t i = 0, n = 2 + context.Random()() % 30; i < n; ++i) {
            last = context.RandomNormalized();
            instance.Effect().SetParameterNormalizedValue(id.c_str(), last);
        }
        set(id, last);
        const double burst = Values(instance, {id})[0];
        SavedState afterBurst;
        const bool compare = saved(afterBurst);
        setAlone(id, last);
        if (std::abs(Values(instance, {id})[0] - burst) > 1e-6) {
            failure = id + " after a burst ending on " + std::to_string(last) + " is " +
                      std::to_string(burst) + ", set to that alone " +
                      std::to_string(Values(instance, {id})[0]);
        } else if (compare) {
            failure = SameAs(instance, afterBurst, "after a burst");
            if (!failure.empty()) failure += " from " + id + " set to its last value alone";
        }
    }
    context.Step("sweeping the modulation wheel inside blocks");
    instance.Automation().Log().SetRecording(true);
    std::vector<MidiPacket> wheel;
    for (int32_t i = 0; i < 32; ++i) {
        wheel.push_back({static_cast<uint32_t>(i * (kFrames / 32)),
                         3,
                         {0xB0, 1, static_cast<unsigned char>(i * 4), 0},
                         false});
    }
    for (int32_t block = 0; block < 4 * context.Level() && failure.empty(); ++block) {
        for (MidiPacket& packet : wheel) {
            packet.mData[2] = static_cast<unsigned char>((packet.mData[2] + 37) % 128);
        }
        instance.MidiInput().SetPackets(wheel.data(), wheel.size());
        thread->RenderBlock(inPointers.data(), outPointers.data(), kFrames);
        instance.Service();
    }
    instance.MidiInput().ClearPackets();
    instance.Service();
    instance.Automation().Log().SetRecording(false);
    std::map<std::string, double> requested;
    for (const Call& call : instance.Automation().Log().Calls()) {
        if (call.slot != kSetRequestSlot || call.arguments.size() != 2) continue;
        const auto* id = std::get_if<std::string>(&call.arguments[0]);
        const auto* value = std::get_if<double>(&call.arguments[1]);
        if (id != nullptr && value != nullptr) requested[*id] = *value;
    }
    for (const auto& [id, value] : requested) {
        const double now = Values(instance, {id})[0];
        if (failure.empty() && std::abs(now - value) > 1e-6) {
            failure = "the plug-in's last edit of " + id + " asked for " + std::to_string(value) +
                      ", the parameter is " + std::to_string(now);
        }
    }
    SavedState afterEdits;
    if (failure.empty() && saved(afterEdits)) {
        for (const auto& [id, value] : requested) setAlone(id, value);
        failure = SameAs(instance, afterEdits, "after the plug-in's edits");
        if (!failure.empty()) failure += " from the host setting the values it was told";
    }
    thread.reset();
    if (failure.empty()) {
        context.SetNote("parameters edited by the plug-in: " + std::to_string(requested.size()));
    }
    return Finish(context, prepared, failure);
}

}  // namespace aaxhost
