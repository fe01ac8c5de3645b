// What the checks of `aaxhost validate` share: the module, the level, the seeded random source,
// and the making and retiring of instances with their references accounted for.
#pragma once

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "tools/aaxhost/program/validation.h"
#include "tools/aaxhost/session/effect_instance.h"
#include "tools/aaxhost/session/module_session.h"
#include "tools/aaxhost/window/host_window.h"

namespace aaxhost {

class RenderThread;

class ValidationContext {
  public:
    ValidationContext(ModuleSession& session, int32_t level, uint64_t seed, CheckRange range,
                      StepReport step);

    ModuleSession& Session() { return mSession; }
    int32_t Level() const { return mLevel; }
    const CheckRange& Range() const { return mRange; }
    std::mt19937_64& Random() { return mRandom; }
    // The channel counts the module declares a component for, of 1 and 2.
    std::vector<int32_t> ChannelCounts() const;

    // An initialised instance, or null with `failure` saying why.
    std::unique_ptr<EffectInstance> Instantiate(int32_t channels, double sampleRate,
                                                std::string& failure);
    // An instance with every channel the module offers, at 48 kHz, that lists parameters; null
    // with `failure` saying why not. `identifiers` gets its parameters.
    std::unique_ptr<EffectInstance> InstantiateWithParameters(std::vector<std::string>& identifiers,
                                                              std::string& failure);
    // Closes the instance and notes it when the module kept references on its host objects.
    void Retire(std::unique_ptr<EffectInstance> instance);
    // What Retire noted, one text an instance that kept references.
    const std::vector<std::string>& Leaks() const { return mLeaks; }

    // A value from 0 to 1, now and then exactly 0 or 1.
    double RandomNormalized();

    // What the check found beside passing or failing, for its result's note.
    void SetNote(std::string note) { mNote = std::move(note); }
    // Ends the check as skipped, for `reason`, when it returns without a failure.
    void Skip(std::string reason) { mSkipped = std::move(reason); }
    const std::string& Skipped() const { return mSkipped; }
    // A real top-level window of this system's window system for an editor to open in; null after
    // Skip says why there is none (no display).
    std::unique_ptr<HostWindow> OpenWindow(const std::string& title);
    const std::string& Note() const { return mNote; }

    // Says what the check does next, so that a crash or hang can be placed.
    void Step(const std::string& step) const { mStep(step); }

    // Renders `blocks` blocks of random noise of `frames` frames on `thread`, with a note-on at a
    // random offset in every fourth block; the failure names the first sample that is not finite.
    std::string RenderNoise(EffectInstance& instance, RenderThread& thread, int32_t frames,
                            int32_t blocks);
    // As RenderNoise, one block of each size in `sizes`, in that order.
    std::string RenderSequence(EffectInstance& instance, RenderThread& thread,
                               const std::vector<int32_t>& sizes);
    // The subnormal output samples the renders so far gave, and where the first was.
    uint64_t Subnormals() const { return mSubnormals; }
    const std::string& FirstSubnormal() const { return mFirstSubnormal; }

  private:
    ModuleSession& mSession;
    int32_t mLevel;
    CheckRange mRange;
    std::mt19937_64 mRandom;
    uint64_t mSubnormals = 0;
    std::string mFirstSubnormal;
    std::vector<std::string> mLeaks;
    std::string mNote;
    std::string mSkipped;
    StepReport mStep;
};

// The checks, in the order they run; each gives its failure, or nothing when it passed.
std::string CheckLifecycle(ValidationContext& context);
std::string CheckRender(ValidationContext& context, double sampleRate);
std::string CheckBlockSizes(ValidationContext& context);
std::string CheckParameterFuzz(ValidationContext& context);
std::string CheckStateRoundTrip(ValidationContext& context);
std::string CheckStateRestore(ValidationContext& context);
std::string CheckStateRefusal(ValidationContext& context);
std::string CheckEditor(ValidationContext& context);
std::string CheckConcurrency(ValidationContext& context);
std::string CheckRealtime(ValidationContext& context);
std::string CheckRateChange(ValidationContext& context);
std::string CheckEditorReopen(ValidationContext& context);
std::string CheckPresetFromThread(ValidationContext& context);
std::string CheckTransportMoves(ValidationContext& context);
std::string CheckEditBursts(ValidationContext& context);

}  // namespace aaxhost
