// The module that ships, hosted through its exports, against its baselines in the same run: a
// block through the component's process procedure against the plug-in's processReplacing called
// directly (1 and 64 instances a call; 0 frames is the fixed cost of a block); saving and
// restoring state against a memcpy of as many bytes; setting a parameter against the plug-in's
// setParameter; creating and initialising an instance with 10 to 1,000 parameters.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "abi/chunk.h"
#include "abi/transport.h"
#include "bench/module/bench_module.h"

namespace {

using aaxhost::EffectInstance;
using aaxhost::ModuleSession;

double Least(const std::vector<double>& values) {
    return *std::min_element(values.begin(), values.end());
}

// range(0): instances, range(1): frames a block.
void BM_RenderDirect(benchmark::State& state) {
    bench::RenderFixture fixture(state.range(0), static_cast<int32_t>(state.range(1)));
    for (auto _ : state) fixture.RenderDirect();
}

void BM_RenderModule(benchmark::State& state) {
    bench::RenderFixture fixture(state.range(0), static_cast<int32_t>(state.range(1)));
    for (auto _ : state) fixture.RenderModule();
}

void BM_HostQueries(benchmark::State& state) {
    bench::HostQueries queries(state.range(0));
    for (auto _ : state) queries.Ask();
}

// A stored chunk of `bytes` and the record a host saves it into and restores it from.
class StateFixture {
  public:
    explicit StateFixture(int64_t bytes) {
        testplugin::Script script = bench::ScriptWith(2, testplugin::Dsp::kCopy);
        script.chunkSize = static_cast<int32_t>(bytes);
        bench::UseScript(script);
        module = bench::OpenModule();
        instance = bench::MakeInstance(*module);
        effect().GetChunkIDFromIndex(0, &chunkID);
        effect().GetChunkSize(chunkID, &size);
        record.resize((kChunkHeaderSize + size) / sizeof(uint64_t) + 1);
        if (effect().GetChunk(chunkID, Record()) != AAX_SUCCESS) {
            throw std::runtime_error("the chunk is not saved");
        }
    }
    ~StateFixture() {
        instance.reset();
        module->Shutdown();
    }
    AAX_IACFEffectParameters_V2& effect() { return instance->Effect(); }
    AAX_SPlugInChunk* Record() { return reinterpret_cast<AAX_SPlugInChunk*>(record.data()); }

    std::unique_ptr<ModuleSession> module;
    std::unique_ptr<EffectInstance> instance;
    TypeCode chunkID = 0;
    uint32_t size = 0;
    std::vector<uint64_t> record;
};

void BM_StateMemcpy(benchmark::State& state) {
    const auto bytes = static_cast<size_t>(state.range(0));
    std::vector<unsigned char> from(bytes, 1);
    std::vector<unsigned char> to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

// Size, then the chunk into a record the host keeps.
void BM_StateSave(benchmark::State& state) {
    StateFixture fixture(state.range(0));
    for (auto _ : state) {
        uint32_t size = 0;
        fixture.effect().GetChunkSize(fixture.chunkID, &size);
        benchmark::DoNotOptimize(fixture.effect().GetChunk(fixture.chunkID, fixture.Record()));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_StateRestore(benchmark::State& state) {
    StateFixture fixture(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(fixture.effect().SetChunk(fixture.chunkID, fixture.Record()));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_SetParameterDirect(benchmark::State& state) {
    bench::UseScript(bench::ScriptWith(2, testplugin::Dsp::kCopy));
    AEffect* effect = bench::MakeDirectEffect();
    float value = 0.0f;
    for (auto _ : state) {
        effect->setParameter(effect, 0, value);
        value = value > 0.5f ? 0.25f : 0.75f;
    }
}

// The host's answer to a set request reaching the plug-in.
void BM_UpdateParameterNormalizedValue(benchmark::State& state) {
    bench::UseScript(bench::ScriptWith(2, testplugin::Dsp::kCopy));
    auto module = bench::OpenModule();
    auto instance = bench::MakeInstance(*module);
    double value = 0.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            instance->Effect().UpdateParameterNormalizedValue("param0", value, 0));
        value = value > 0.5 ? 0.25 : 0.75;
    }
    instance.reset();
    module->Shutdown();
}

// The whole round trip: the request to the host, answered at once with the update.
void BM_SetParameterRoundTrip(benchmark::State& state) {
    bench::UseScript(bench::ScriptWith(2, testplugin::Dsp::kCopy));
    auto module = bench::OpenModule();
    auto instance = bench::MakeInstance(*module, aaxhost::SetRequestAnswer::kAtOnce);
    double value = 0.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(instance->Effect().SetParameterNormalizedValue("param0", value));
        value = value > 0.5 ? 0.25 : 0.75;
    }
    instance.reset();
    module->Shutdown();
}

// Creation and initialisation only; destruction is left out of the time.
void BM_CreateInstance(benchmark::State& state) {
    bench::UseScript(
        bench::ScriptWith(static_cast<int32_t>(state.range(0)), testplugin::Dsp::kCopy));
    auto module = bench::OpenModule();
    for (auto _ : state) {
        auto instance = bench::MakeInstance(*module);
        state.PauseTiming();
        instance.reset();
        state.ResumeTiming();
    }
    module->Shutdown();
}

}  // namespace

BENCHMARK(BM_RenderDirect)
    ->ArgsProduct({{1, 64}, {0, 32, 256}})
    ->Repetitions(5)
    ->ComputeStatistics("min", Least);
BENCHMARK(BM_RenderModule)
    ->ArgsProduct({{1, 64}, {0, 32, 256}})
    ->Repetitions(5)
    ->ComputeStatistics("min", Least);
BENCHMARK(BM_HostQueries)->Arg(1)->Arg(64)->Repetitions(5)->ComputeStatistics("min", Least);
BENCHMARK(BM_StateMemcpy)
    ->Arg(1 << 10)
    ->Arg(64 << 10)
    ->Arg(1 << 20)
    ->Repetitions(5)
    ->ComputeStatistics("min", Least);
BENCHMARK(BM_StateSave)
    ->Arg(1 << 10)
    ->Arg(64 << 10)
    ->Arg(1 << 20)
    ->Repetitions(5)
    ->ComputeStatistics("min", Least);
BENCHMARK(BM_StateRestore)
    ->Arg(1 << 10)
    ->Arg(64 << 10)
    ->Arg(1 << 20)
    ->Repetitions(5)
    ->ComputeStatistics("min", Least);
BENCHMARK(BM_SetParameterDirect)->Repetitions(5)->ComputeStatistics("min", Least);
BENCHMARK(BM_UpdateParameterNormalizedValue)->Repetitions(5)->ComputeStatistics("min", Least);
BENCHMARK(BM_SetParameterRoundTrip)->Repetitions(5)->ComputeStatistics("min", Least);
BENCHMARK(BM_CreateInstance)
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ComputeStatistics("min", Least);

BENCHMARK_MAIN();
