#include "bench/module/bench_module.h"

#include <stdexcept>
#include <string>

#include "bridge/vst_interface.h"
#include "platform/platform.h"
#include "tests/support/installed_plugin.h"
#include "tests/support/registry_fixture.h"

namespace bench {
namespace {

InstalledPlugin& Plugin() {
    static InstalledPlugin plugin(VQ318_TEST_PLUGIN, "bench-plugin");
    static const bool registered = [] {
        testsupport::ClearInstallDirectory();
        plugin.Register(testsupport::RegistryView::k64Bit);
        return true;
    }();
    (void)registered;
    return plugin;
}

intptr_t SilentHost(AEffect*, int32_t, int32_t, intptr_t, void*, float) {
    return 0;
}

}  // namespace

testplugin::Script ScriptWith(int32_t parameters, testplugin::Dsp dsp) {
    testplugin::Script script = testplugin::DefaultScript();
    script.recording = 0;
    script.dsp = dsp;
    script.numParams = parameters;
    testplugin::NameLikeGenerated(script, parameters);
    return script;
}

void UseScript(const testplugin::Script& script) {
    Plugin().Control().SetScript(script);
}

std::unique_ptr<aaxhost::ModuleSession> OpenModule() {
    Plugin();
    std::string error;
    auto module = aaxhost::ModuleSession::Open(VQ318_PRODUCT_MODULE, error);
    if (module == nullptr) throw std::runtime_error("the module does not open: " + error);
    return module;
}

std::unique_ptr<aaxhost::EffectInstance> MakeInstance(aaxhost::ModuleSession& module,
                                                      aaxhost::SetRequestAnswer answer) {
    auto instance = std::make_unique<aaxhost::EffectInstance>(
        module, aaxhost::InstanceOptions{2, 48000.0f, answer});
    if (!instance->Ready()) throw std::runtime_error("no instance: " + instance->Failure());
    return instance;
}

AEffect* MakeDirectEffect() {
    void* entry = platform::FindLibrarySymbol(
        platform::LoadLibraryFile(Plugin().LibraryPath().c_str()), "main");
    if (entry == nullptr) throw std::runtime_error("the installed plug-in has no main");
    AEffect* effect = reinterpret_cast<VstPluginMainProc>(entry)(&SilentHost);
    if (effect == nullptr) throw std::runtime_error("the plug-in made no instance");
    return effect;
}

StereoBlock::StereoBlock(int32_t frames) {
    for (int channel = 0; channel < 2; ++channel) {
        in[channel].resize(static_cast<size_t>(frames) + 1);
        out[channel].resize(static_cast<size_t>(frames) + 1);
        for (size_t i = 0; i < in[channel].size(); ++i) {
            in[channel][i] = 0.001f * static_cast<float>(i % 100);
        }
        inputs[channel] = in[channel].data();
        mutableInputs[channel] = in[channel].data();
        outputs[channel] = out[channel].data();
    }
}

RenderFixture::RenderFixture(int64_t instanceCount, int32_t blockFrames) : frames(blockFrames) {
    UseScript(ScriptWith(2, testplugin::Dsp::kBiquad));
    module = OpenModule();
    for (int64_t i = 0; i < instanceCount; ++i) {
        instances.push_back(MakeInstance(*module));
        blocks.push_back(std::make_unique<StereoBlock>(frames));
        instances.back()->Transport().state.playing = true;
        instances.back()->SetBlock(blocks.back()->inputs, blocks.back()->outputs, frames);
        contexts.push_back(instances.back()->Context());
        effects.push_back(static_cast<VstInterface*>(*contexts.back()->vstInterface)->effect);
    }
    render = instances.front()->RenderProcedure();
}

RenderFixture::~RenderFixture() {
    instances.clear();
    module->Shutdown();
}

HostQueries::HostQueries(int64_t instanceCount) : transports(static_cast<size_t>(instanceCount)) {
    for (aaxhost::NodeTransport& transport : transports) {
        nodes.push_back(std::make_unique<aaxhost::HostMidiNode>(&transport));
    }
}

}  // namespace bench
