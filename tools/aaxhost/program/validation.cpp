#include "tools/aaxhost/program/validation.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "tools/aaxhost/program/render_thread.h"
#include "tools/aaxhost/program/validation_context.h"
#include "tools/aaxhost/session/installed_plugin_check.h"
#include "tools/aaxhost/session/module_session.h"

namespace aaxhost {
namespace {

struct CheckEntry {
    CheckInfo info;
    std::function<std::string(ValidationContext&)> run;
};

// An instance of every channel count made, played for a few blocks and released: what the
// module must be able to end cleanly.
std::string PlayBriefly(ValidationContext& context) {
    for (const int32_t channels : context.ChannelCounts()) {
        std::string failure;
        std::unique_ptr<EffectInstance> instance = context.Instantiate(channels, 48000.0, failure);
        if (instance == nullptr) return failure;
        {
            RenderThread thread(*instance);
            failure = context.RenderNoise(*instance, thread, 256, 4);
        }
        context.Retire(std::move(instance));
        if (!failure.empty()) return failure;
    }
    return {};
}

std::string CheckUnload(ValidationContext& context) {
    std::string failure = PlayBriefly(context);
    if (!failure.empty()) return failure;
    const int32_t live = context.Session().LiveObjects();
    return live == 0 ? std::string()
                     : "ACFCanUnloadNow answers " + std::to_string(live) + " objects still alive";
}

std::string CheckReferences(ValidationContext& context) {
    std::string failure = PlayBriefly(context);
    if (!failure.empty()) return failure;
    context.Step("shutting the module down");
    context.Session().Shutdown();
    const int64_t outstanding = context.Session().OutstandingReferences();
    if (outstanding == 0) return {};
    return std::to_string(outstanding) +
           " references on the host's registration and service objects";
}

std::string RateName(double rate) {
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", rate);
    return text;
}

std::vector<CheckEntry> Catalog(int32_t level, const CheckRange& range) {
    std::vector<CheckEntry> entries{
        {{"load", "the module loads, registers, and finds the plug-in it wraps"}, nullptr},
        {{"lifecycle", "instances of every channel count are made and released, again and again"},
         CheckLifecycle}};
    for (const double rate : range.rates) {
        const std::string hz = RateName(rate);
        entries.push_back(
            {{"render-" + hz, "noise and notes rendered at " + hz +
                                  " Hz in blocks of 32 to 1024 frames, mono and stereo, output "
                                  "finite"},
             [rate](ValidationContext& context) { return CheckRender(context, rate); }});
    }
    entries.push_back({{"block-sizes",
                        "each size of the block list, then sizes changing every block, mono and "
                        "stereo, output finite"},
                       CheckBlockSizes});
    entries.push_back({{"realtime",
                        "no allocation, lock, wait or blocking call on the render thread, "
                        "while notes, automation and the transport change"},
                       CheckRealtime});
    entries.push_back({{"parameter-fuzz", "random values set, read back and shown while rendering"},
                       CheckParameterFuzz});
    entries.push_back({{"state-roundtrip",
                        "the saved state, restored after changes, saves again "
                        "to the same bytes"},
                       CheckStateRoundTrip});
    entries.push_back({{"state-restore",
                        "the saved state restored into fresh instances at every rate saves the "
                        "same bytes and renders as the instance it came from"},
                       CheckStateRestore});
    entries.push_back(
        {{"state-refusal", "empty, truncated, random, oversized and foreign chunks change nothing"},
         CheckStateRefusal});
    entries.push_back(
        {{"editor", "the editor attached, idled, sized and detached twice"}, CheckEditor});
    const CheckEntry sessions[] = {
        {{"session-rate-change",
          "re-initialised at another rate between blocks: state kept, values taken again"},
         CheckRateChange},
        {{"session-editor-reopen", "the editor closed and opened on a new view while rendering"},
         CheckEditorReopen},
        {{"session-preset-thread",
          "a preset loaded from another thread while rendering: its values and state taken"},
         CheckPresetFromThread},
        {{"session-transport",
          "the transport stopped, started further on and moved back: parameters and state kept"},
         CheckTransportMoves},
        {{"session-edit-bursts",
          "bursts of host and plug-in edits end where their last value says"},
         CheckEditBursts}};
    entries.insert(entries.end(), std::begin(sessions), std::end(sessions));
    if (level >= kConcurrencyLevel) {
        entries.push_back({{"concurrency",
                            "parameters, state and editor used from other threads "
                            "while blocks render"},
                           CheckConcurrency});
    }
    entries.push_back(
        {{"unload", "no module object is left once every instance is released"}, CheckUnload});
    entries.push_back({{"references", "no reference is left on the host's objects at shut-down"},
                       CheckReferences});
    return entries;
}

std::string LeakedReferences(const ValidationContext& context) {
    std::string left;
    for (const std::string& leak : context.Leaks()) {
        left += (left.empty() ? "" : "; ") + leak;
    }
    return left;
}

// Subnormal output costs a plug-in's user time on most processors; strict levels fail it.
void JudgeSubnormals(const ValidationContext& context, CheckResult& result) {
    if (context.Subnormals() == 0 || !result.Passed()) return;
    const std::string found = std::to_string(context.Subnormals()) +
                              " subnormal output samples, the first: " + context.FirstSubnormal();
    if (context.Level() >= kStrictOutputLevel) {
        result.failure = found;
    } else {
        result.note += (result.note.empty() ? "" : "; ") + found;
    }
}

}  // namespace

std::vector<CheckInfo> ChecksAt(int32_t level, const CheckRange& range) {
    std::vector<CheckInfo> checks;
    for (const CheckEntry& entry : Catalog(level, range)) checks.push_back(entry.info);
    return checks;
}

CheckResult RunCheck(const std::string& path, const std::string& name, int32_t level, uint64_t seed,
                     const CheckRange& range, const StepReport& step) {
    const std::vector<CheckEntry> catalog = Catalog(level, range);
    const auto entry = std::find_if(catalog.begin(), catalog.end(),
                                    [&](const CheckEntry& e) { return e.info.name == name; });
    if (entry == catalog.end()) return {name, "no such check at level " + std::to_string(level)};
    step("loading the module");
    std::string error;
    std::unique_ptr<ModuleSession> session = ModuleSession::Open(path, error);
    if (session == nullptr) {
        return {name, name == "load" ? error : "the module does not load: " + error};
    }
    if (entry->run == nullptr) {
        step("looking for the wrapped plug-in");
        return {name, {}, "wrapped plug-in " + CheckInstalledPlugin().text};
    }
    ValidationContext context(*session, level, seed, range, step);
    CheckResult result{name, entry->run(context), {}};
    result.note = context.Note();
    if (result.Passed()) result.skipped = context.Skipped();
    const std::string leaked = LeakedReferences(context);
    if (result.Passed() && !leaked.empty()) result.failure = "left behind: " + leaked;
    JudgeSubnormals(context, result);
    return result;
}

}  // namespace aaxhost
