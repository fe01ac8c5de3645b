// Cost of the controls chunk: writing and reading a chunk of double entries, and finding every
// entry by name. Finding in write order is the case the parser is built for (one comparison a
// lookup, flat per lookup whatever the count); finding in reverse order is the baseline that
// scans the list for every name.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "parameters/aax_chunk_data_parser.h"

namespace {

std::vector<std::string> Names(int64_t count) {
    std::vector<std::string> names;
    for (int64_t i = 0; i < count; ++i) names.push_back("Parameter" + std::to_string(i));
    return names;
}

void Fill(AAX_CChunkDataParser& parser, const std::vector<std::string>& names) {
    parser.Clear();
    for (size_t i = 0; i < names.size(); ++i) parser.AddDouble(names[i].c_str(), 0.001 * i);
}

struct Record {
    explicit Record(int32_t dataSize)
        : storage(std::make_unique<unsigned char[]>(kChunkHeaderSize + dataSize)) {}
    AAX_SPlugInChunk* get() { return reinterpret_cast<AAX_SPlugInChunk*>(storage.get()); }
    std::unique_ptr<unsigned char[]> storage;
};

void BM_WriteChunk(benchmark::State& state) {
    const auto names = Names(state.range(0));
    AAX_CChunkDataParser parser;
    Fill(parser, names);
    Record record(parser.GetChunkDataSize());
    for (auto _ : state) {
        benchmark::DoNotOptimize(parser.GetChunkData(record.get()));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * parser.GetChunkDataSize());
}

void BM_ReadChunk(benchmark::State& state) {
    const auto names = Names(state.range(0));
    AAX_CChunkDataParser parser;
    Fill(parser, names);
    Record record(parser.GetChunkDataSize());
    parser.GetChunkData(record.get());
    for (auto _ : state) {
        parser.LoadChunk(record.get());
        benchmark::DoNotOptimize(parser.Entries().size());
    }
    state.SetBytesProcessed(state.iterations() * parser.GetChunkDataSize());
}

// Every name once, in the order given; reports the time a lookup.
void FindAll(benchmark::State& state, bool reverse) {
    auto names = Names(state.range(0));
    AAX_CChunkDataParser parser;
    Fill(parser, names);
    if (reverse) names.assign(names.rbegin(), names.rend());
    double value = 0.0;
    for (auto _ : state) {
        for (const std::string& name : names) {
            benchmark::DoNotOptimize(parser.FindDouble(name.c_str(), &value));
        }
    }
    state.counters["per_lookup"] = benchmark::Counter(
        static_cast<double>(names.size()),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_FindInWriteOrder(benchmark::State& state) {
    FindAll(state, false);
}
void BM_FindInReverseOrder(benchmark::State& state) {
    FindAll(state, true);
}

}  // namespace

BENCHMARK(BM_WriteChunk)->Arg(1000);
BENCHMARK(BM_ReadChunk)->Arg(1000);
BENCHMARK(BM_FindInWriteOrder)->Arg(100)->Arg(1000)->Arg(10000);
BENCHMARK(BM_FindInReverseOrder)->Arg(100)->Arg(1000)->Arg(10000);

BENCHMARK_MAIN();
