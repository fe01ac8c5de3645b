#include "tools/aaxhost/program/validation.h"

#include <cstdio>

#include "tools/aaxhost/program/validation_context.h"
#include "tools/aaxhost/session/installed_plugin_check.h"

namespace aaxhost {
namespace {

std::string JsonText(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof(escaped), "\\u%04x", c);
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

}  // namespace

std::vector<CheckResult> Validate(const std::string& path, int32_t level, uint64_t seed) {
    std::string error;
    std::unique_ptr<ModuleSession> session = ModuleSession::Open(path, error);
    if (session == nullptr) return {{"load", error}};
    std::vector<CheckResult> results{
        {"load", {}, "wrapped plug-in " + CheckInstalledPlugin().text}};
    {
        ValidationContext context(*session, level, seed);
        results.push_back({"lifecycle", CheckLifecycle(context)});
        for (const double rate : {44100.0, 48000.0, 96000.0}) {
            results.push_back(
                {"render-" + std::to_string(static_cast<int>(rate)), CheckRender(context, rate)});
        }
        results.push_back({"parameter-fuzz", CheckParameterFuzz(context)});
        results.push_back({"state-roundtrip", CheckStateRoundTrip(context)});
        results.push_back({"editor", CheckEditor(context)});
        if (level >= kConcurrencyLevel) {
            results.push_back({"concurrency", CheckConcurrency(context)});
        }
        const int32_t live = session->LiveObjects();
        results.push_back({"unload", live == 0 ? std::string()
                                               : "ACFCanUnloadNow answers " + std::to_string(live) +
                                                     " objects still alive"});
        session->Shutdown();
        const int64_t outstanding = session->OutstandingReferences();
        std::string references;
        for (const std::string& leak : context.Leaks()) {
            references += (references.empty() ? "" : "; ") + leak;
        }
        if (outstanding != 0) {
            references += (references.empty() ? "" : "; ") + std::to_string(outstanding) +
                          " references on the host's registration and service objects";
        }
        results.push_back({"references", references});
    }
    return results;
}

std::string ValidationJson(const std::string& path, int32_t level, uint64_t seed,
                           const std::vector<CheckResult>& results) {
    size_t passed = 0;
    std::string checks;
    for (const CheckResult& result : results) {
        passed += result.Passed() ? 1 : 0;
        checks += std::string(checks.empty() ? "" : ",") +
                  "\n    {\"name\": " + JsonText(result.name) +
                  ", \"passed\": " + (result.Passed() ? "true" : "false") +
                  ", \"failure\": " + JsonText(result.failure) +
                  (result.note.empty() ? "" : ", \"note\": " + JsonText(result.note)) + "}";
    }
    return "{\n  \"module\": " + JsonText(path) + ",\n  \"level\": " + std::to_string(level) +
           ",\n  \"seed\": " + std::to_string(seed) + ",\n  \"checks\": [" + checks +
           "\n  ],\n  \"passed\": " + std::to_string(passed) +
           ",\n  \"failed\": " + std::to_string(results.size() - passed) + "\n}\n";
}

}  // namespace aaxhost
