// The checks of `aaxhost validate`, run in the manner of plug-in validators against a module
// through its exports: each check gives one result under a stable name. The level (1 to 10)
// scales how many instances, blocks and values each check goes through; concurrency is checked
// from level 6. Every check opens the module afresh, so that it can run in a process of its own.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace aaxhost {

struct CheckResult {
    std::string name;
    std::string failure;       // empty when the check passed
    std::string note = {};     // what the check found beside passing or failing, or empty
    std::string skipped = {};  // why the check could not run here, or empty

    bool Passed() const { return failure.empty(); }
};

inline constexpr int32_t kConcurrencyLevel = 6;
// From this level on, subnormal output samples fail a check; below it they are noted.
inline constexpr int32_t kStrictOutputLevel = 8;

// The sample rates and block sizes that the rendering checks go through.
struct CheckRange {
    std::vector<double> rates;    // a render-<rate> check each
    std::vector<int32_t> blocks;  // rendered by the block-sizes check, also in changing sequences
};

struct CheckInfo {
    std::string name;
    std::string summary;  // one line
};

// The checks of `level` in the order they run: load, lifecycle, render at each rate, block sizes,
// the render thread's forbidden calls, parameter fuzzing, the state checks, editor, the session
// scenarios, concurrency (from kConcurrencyLevel), unload and references.
std::vector<CheckInfo> ChecksAt(int32_t level, const CheckRange& range);

// Told what a check is doing now, before it does it.
using StepReport = std::function<void(const std::string& step)>;

// Runs the check `name` (one of ChecksAt) on the module at `path`. "load" notes whether the plug-in
// the module wraps is installed, and if not, the step at which the search stops. Every other check
// also fails when it leaves references on the host's objects or module objects alive, and when its
// output held subnormal numbers at kStrictOutputLevel or above (below, they are noted).
CheckResult RunCheck(const std::string& path, const std::string& name, int32_t level, uint64_t seed,
                     const CheckRange& range, const StepReport& step);

}  // namespace aaxhost
