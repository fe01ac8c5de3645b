// The render measurements of module_bench without the benchmark library, which the Windows build
// lacks: a block through the module against the same plug-in instances called directly on the same
// buffers (1 and 64 instances, 0, 32 and 256 frames), and the host's answers to subtract. Prints
// the render lines that ratios.py prints for a run of module_bench.
//
// Usage: module_timing [seconds a repetition, 0.5] [repetitions, 5]
// Each time is the least of the repetitions, counted in the calling thread's CPU time, so that the
// time the thread waited for a core on a shared machine is left out. The two sides of a ratio take
// turns, so that both see the same load. A repetition runs long enough for a clock that counts in
// 10 ms ticks, as the thread clock under Wine does.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <limits>

#include "bench/module/bench_module.h"

namespace {

double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// One side of a ratio: how many iterations a repetition runs, found by the first repetition, and
// the least CPU time an iteration took.
template <class Step>
class Timed {
  public:
    Timed(Step step, double seconds) : mStep(step), mSeconds(seconds) {}

    void Repeat() {
        for (;;) {
            const double start = ThreadSeconds();
            for (int64_t i = 0; i < mIterations; ++i) mStep();
            const double spent = ThreadSeconds() - start;
            if (spent >= mSeconds || mCalibrated) {
                mCalibrated = true;
                mLeast = std::min(mLeast, spent * 1e9 / static_cast<double>(mIterations));
                return;
            }
            // Grows tenfold while the clock has not ticked, then aims a little past the length.
            const double factor =
                spent <= 0.0 ? 10.0 : std::clamp(1.4 * mSeconds / spent, 2.0, 10.0);
            mIterations = static_cast<int64_t>(static_cast<double>(mIterations) * factor);
        }
    }
    double LeastNanoseconds() const { return mLeast; }

  private:
    Step mStep;
    const double mSeconds;
    int64_t mIterations = 1;
    bool mCalibrated = false;
    double mLeast = std::numeric_limits<double>::infinity();
};

template <class Step>
Timed<Step> MakeTimed(Step step, double seconds) {
    return Timed<Step>(step, seconds);
}

double HostNanoseconds(int64_t instances, double seconds, int repetitions) {
    bench::HostQueries queries(instances);
    auto host = MakeTimed([&] { queries.Ask(); }, seconds);
    for (int r = 0; r < repetitions; ++r) host.Repeat();
    return host.LeastNanoseconds();
}

void TimeRender(int64_t instances, int32_t frames, double host, double seconds, int repetitions) {
    bench::RenderFixture fixture(instances, frames);
    auto direct = MakeTimed([&] { fixture.RenderDirect(); }, seconds);
    auto module = MakeTimed([&] { fixture.RenderModule(); }, seconds);
    for (int r = 0; r < repetitions; ++r) {
        direct.Repeat();
        module.Repeat();
    }
    const double d = direct.LeastNanoseconds();
    const double m = module.LeastNanoseconds();
    const double n = static_cast<double>(instances);
    std::printf(
        "render %2lld instances %3d frames: direct %9.1f ns, module %9.1f ns, ratio %.3f, "
        "without the host's answers %.3f, fixed a block and instance %.1f ns "
        "(module's own %.1f ns)\n",
        static_cast<long long>(instances), frames, d, m, m / d, (m - host) / d, (m - d) / n,
        (m - d - host) / n);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 0.5;
    const int repetitions = argc > 2 ? std::atoi(argv[2]) : 5;
    if (seconds <= 0.0 || repetitions < 1) {
        std::fprintf(stderr, "usage: module_timing [seconds a repetition] [repetitions]\n");
        return 2;
    }
    try {
        const auto wallStart = std::chrono::steady_clock::now();
        const double cpuStart = ThreadSeconds();
        for (const int64_t instances : {1, 64}) {
            const double host = HostNanoseconds(instances, seconds, repetitions);
            for (const int32_t frames : {0, 32, 256}) {
                TimeRender(instances, frames, host, seconds, repetitions);
            }
        }
        const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - wallStart;
        std::printf("the timing thread ran on a core %.0f%% of %.1f s\n",
                    100.0 * (ThreadSeconds() - cpuStart) / wall.count(), wall.count());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "module_timing: %s\n", e.what());
        return 1;
    }
    return 0;
}
