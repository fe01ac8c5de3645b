// The checks of `aaxhost validate`, run in the manner of plug-in validators against a module
// through its exports: each check gives one result under a stable name. The level (1 to 10)
// scales how many instances, blocks and values each check goes through; concurrency is checked
// from level 6.
#pragma once

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "tools/aaxhost/session/effect_instance.h"
#include "tools/aaxhost/session/module_session.h"

namespace aaxhost {

struct CheckResult {
    std::string name;
    std::string failure;    // empty when the check passed
    std::string note = {};  // what the check found beside passing or failing, or empty

    bool Passed() const { return failure.empty(); }
};

inline constexpr int32_t kConcurrencyLevel = 6;

// Runs every check on the module at `path` in order: load, lifecycle, render at each rate,
// parameter fuzzing, state round trip, editor, concurrency (from kConcurrencyLevel), unload and
// references. A module that does not load gives the one failed check "load"; one that loads notes
// there whether the plug-in it wraps is installed, and if not, the step at which the search stops.
std::vector<CheckResult> Validate(const std::string& path, int32_t level, uint64_t seed);

// The results as one JSON object: module, level, seed, checks (each with its note when it has one),
// passed and failed counts.
std::string ValidationJson(const std::string& path, int32_t level, uint64_t seed,
                           const std::vector<CheckResult>& results);

}  // namespace aaxhost
