// The render callback's cost over calling the plug-in directly: the same light plug-in (a
// stereo biquad) on the same buffers, once through its processReplacing alone and once through
// RenderCallback with a playing transport and MIDI.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "bridge/host_callback_entry.h"
#include "bridge/vst_callback.h"
#include "bridge/vst_interface.h"
#include "platform/platform.h"
#include "tests/process/render_harness.h"
#include "tests/support/test_plugin_control.h"

namespace {

// One plug-in instance linked to its VstCallBack as the effect-parameters object links it.
class BenchInstance {
  public:
    BenchInstance() {
        const TestPluginControl control(VQ318_TEST_PLUGIN);
        testplugin::Script script = testplugin::DefaultScript();
        script.dsp = testplugin::Dsp::kBiquad;
        script.recording = 0;
        control.SetScript(script);
        void* entry =
            platform::FindLibrarySymbol(platform::LoadLibraryFile(VQ318_TEST_PLUGIN), "main");
        if (entry == nullptr) throw std::runtime_error("the bench plug-in has no main");
        bridge.callBack = &callBack;
        bridge.Attach(reinterpret_cast<VstPluginMainProc>(entry)(&HostCallbackEntry));
    }

    VstCallBack callBack{nullptr};
    VstInterface bridge;
};

// A stereo context with the instance posted and the transport playing.
class BenchHost : public RenderHarness {
  public:
    BenchHost(BenchInstance& instance, int32_t blockFrames) : RenderHarness(2, 2, blockFrames) {
        transport.playing = true;
        transport.bars = 3;
        SetMidiPackets({});
        Post(&instance.bridge, 1);
    }
};

void BM_Direct(benchmark::State& state) {
    BenchInstance instance;
    BenchHost host(instance, static_cast<int32_t>(state.range(0)));
    AEffect* effect = instance.bridge.effect;
    float* inputs[2] = {host.inputs[0], host.inputs[1]};
    float* outputs[2] = {host.outputs[0], host.outputs[1]};
    for (auto _ : state) {
        effect->processReplacing(effect, inputs, outputs, host.frames);
        benchmark::ClobberMemory();
    }
}

void BM_RenderCallback(benchmark::State& state) {
    BenchInstance instance;
    BenchHost host(instance, static_cast<int32_t>(state.range(0)));
    for (auto _ : state) {
        host.Render();
        benchmark::ClobberMemory();
    }
}

void BM_RenderCallbackMidi(benchmark::State& state) {
    BenchInstance instance;
    BenchHost host(instance, 256);
    std::vector<MidiPacket> packets;
    for (int64_t i = 0; i < state.range(0); ++i) {
        const auto offset = static_cast<uint32_t>(i * 256 / state.range(0));
        packets.push_back(MidiPacket{offset, 3, {0x90, 60, 100, 0}, false});
    }
    host.SetMidiPackets(packets);
    for (auto _ : state) {
        host.Render();
        benchmark::ClobberMemory();
    }
    state.counters["events"] = static_cast<double>(state.range(0));
}

// The machine is shared: the least time of the repetitions is the one least disturbed.
double Least(const std::vector<double>& values) {
    return *std::min_element(values.begin(), values.end());
}

// 0 frames: the fixed cost of a block alone.
BENCHMARK(BM_Direct)->Arg(0)->Arg(32)->Arg(64)->Arg(256)->Arg(1024)->ComputeStatistics("min",
                                                                                       Least);
BENCHMARK(BM_RenderCallback)
    ->Arg(0)
    ->Arg(32)
    ->Arg(64)
    ->Arg(256)
    ->Arg(1024)
    ->ComputeStatistics("min", Least);
BENCHMARK(BM_RenderCallbackMidi)->Arg(1)->Arg(8)->Arg(64)->ComputeStatistics("min", Least);

}  // namespace

BENCHMARK_MAIN();
