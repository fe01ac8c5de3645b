// Memory that one instance holds: the bytes still allocated through operator new once an instance
// of the module's effect is created and initialised, against the bytes that a plug-in instance
// made directly holds. The program replaces the global allocation functions; the module and the
// plug-in allocate through them too, since the program's definitions come first in the process.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "bench/module/bench_module.h"

namespace {

std::atomic<int64_t> liveBytes{0};

void* Allocate(std::size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block != nullptr) liveBytes += static_cast<int64_t>(malloc_usable_size(block));
    return block;
}

void Free(void* block) {
    if (block == nullptr) return;
    liveBytes -= static_cast<int64_t>(malloc_usable_size(block));
    std::free(block);
}

}  // namespace

void* operator new(std::size_t size) {
    void* block = Allocate(size);
    if (block == nullptr) throw std::bad_alloc();
    return block;
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}
void operator delete(void* block) noexcept {
    Free(block);
}
void operator delete[](void* block) noexcept {
    Free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    Free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    Free(block);
}

namespace {

// range(0): parameters. Reports the bytes held a module instance and a direct plug-in instance;
// the difference is the module's own share.
void BM_InstanceMemory(benchmark::State& state) {
    bench::UseScript(
        bench::ScriptWith(static_cast<int32_t>(state.range(0)), testplugin::Dsp::kCopy));
    auto module = bench::OpenModule();
    int64_t moduleBytes = 0;
    int64_t pluginBytes = 0;
    for (auto _ : state) {
        const int64_t before = liveBytes;
        auto instance = bench::MakeInstance(*module);
        moduleBytes = liveBytes - before;
        const int64_t beforeDirect = liveBytes;
        benchmark::DoNotOptimize(bench::MakeDirectEffect());
        pluginBytes = liveBytes - beforeDirect;
    }
    module->Shutdown();
    state.counters["instance_bytes"] = static_cast<double>(moduleBytes);
    state.counters["plugin_bytes"] = static_cast<double>(pluginBytes);
    state.counters["module_share_bytes"] = static_cast<double>(moduleBytes - pluginBytes);
}

}  // namespace

BENCHMARK(BM_InstanceMemory)->Arg(2)->Arg(100)->Arg(1000)->Iterations(3);

BENCHMARK_MAIN();
