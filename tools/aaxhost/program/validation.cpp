#include "tools/aaxhost/program/validation.h"

#include <algorithm>
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

std::vector<CheckEntry> Catalog(int32_t level) {
    std::vector<CheckEntry> entries{
        {{"load", "the module loads, registers, and finds the plug-in it wraps"}, nullptr},
        {{"lifecycle", "instances of every channel count are made and released, again and again"},
         CheckLifecycle}};
    for (const double rate : {44100.0, 48000.0, 96000.0}) {
        const std::string hz = std::to_string(static_cast<int>(rate));
        entries.push_back(
            {{"render-" + hz, "noise and notes rendered at " + hz +
                                  " Hz in blocks of 32 to 1024 frames, output finite"},
             [rate](ValidationContext& context) { return CheckRender(context, rate); }});
    }
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

}  // namespace

std::vector<CheckInfo> ChecksAt(int32_t level) {
    std::vector<CheckInfo> checks;
    for (const CheckEntry& entry : Catalog(level)) checks.push_back(entry.info);
    return checks;
}

CheckResult RunCheck(const std::string& path, const std::string& name, int32_t level, uint64_t seed,
                     const StepReport& step) {
    const std::vector<CheckEntry> catalog = Catalog(level);
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
    ValidationContext context(*session, level, seed, step);
    CheckResult result{name, entry->run(context), {}};
    result.note = context.Note();
    const std::string leaked = LeakedReferences(context);
    if (result.Passed() && !leaked.empty()) result.failure = "left behind: " + leaked;
    return result;
}

}  // namespace aaxhost
