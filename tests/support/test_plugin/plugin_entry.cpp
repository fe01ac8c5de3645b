// The test plug-in's entry point and its control functions. The entry's exported name is set by
// the build (TEST_PLUGIN_ENTRY_NAME): "main" for the plug-in, another name for the variant that
// a host must not accept.
#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

#include "tests/support/test_plugin/call_log.h"
#include "tests/support/test_plugin/export.h"
#include "tests/support/test_plugin/instance.h"

namespace testplugin {
namespace {

std::mutex stateMutex;
Script script = DefaultScript();
// Instances live until the library goes, so that calls arriving after effClose are recorded.
std::vector<std::unique_ptr<Instance>> instances;
std::atomic<int32_t> mainCalls{0};
std::atomic<audioMasterCallback> lastHost{nullptr};
std::atomic<int32_t> callsAfterClose{0};
std::atomic<AEffect*> lastEffect{nullptr};

AEffect* CreateInstance(audioMasterCallback host) {
    ++mainCalls;
    lastHost = host;
    const std::lock_guard<std::mutex> lock(stateMutex);
    if (script.mainReturnsNull != 0) return nullptr;
    auto instance = std::make_unique<Instance>();
    instance->script = script;
    instance->host = host;
    AEffect& effect = instance->effect;
    effect.magic = kEffectMagic;
    effect.numParams = script.numParams;
    effect.numInputs = script.numInputs;
    effect.numOutputs = script.numOutputs;
    effect.flags = effFlagsHasEditor | effFlagsCanReplacing |
                   (script.withoutChunks != 0 ? 0 : effFlagsProgramChunks);
    effect.object = instance.get();
    effect.user = instance.get();  // a host must not count on finding user empty
    effect.uniqueID = script.uniqueID;
    effect.version = 1;
    ConnectCallbacks(effect);
    instances.push_back(std::move(instance));
    lastEffect = &effect;
    return &effect;
}

}  // namespace

void CountCallAfterClose() {
    ++callsAfterClose;
}
}  // namespace testplugin

#if defined(_MSC_VER)
#pragma comment(linker, "/EXPORT:" TEST_PLUGIN_ENTRY_NAME "=TestPluginEntry")
extern "C" AEffect* TestPluginEntry(audioMasterCallback host);
#else
TEST_PLUGIN_EXPORT AEffect* TestPluginEntry(audioMasterCallback host) __asm__(
    TEST_PLUGIN_ENTRY_NAME);
#endif

extern "C" AEffect* TestPluginEntry(audioMasterCallback host) {
    return testplugin::CreateInstance(host);
}

TEST_PLUGIN_EXPORT void TestPlugin_SetScript(const testplugin::Script* script) {
    const std::lock_guard<std::mutex> lock(testplugin::stateMutex);
    testplugin::script = *script;
}

TEST_PLUGIN_EXPORT void TestPlugin_ResetLog() {
    testplugin::ResetLog();
}

TEST_PLUGIN_EXPORT int32_t TestPlugin_ReadLog(testplugin::Call* calls, int32_t capacity) {
    return testplugin::ReadLog(calls, capacity);
}

TEST_PLUGIN_EXPORT int32_t TestPlugin_MainCalls() {
    return testplugin::mainCalls.load();
}

TEST_PLUGIN_EXPORT intptr_t TestPlugin_CallHost(AEffect* effect, int32_t opcode, int32_t index,
                                                intptr_t value, void* ptr, float opt) {
    return testplugin::lastHost.load()(effect, opcode, index, value, ptr, opt);
}

TEST_PLUGIN_EXPORT int32_t TestPlugin_CallsAfterClose() {
    return testplugin::callsAfterClose.load();
}

TEST_PLUGIN_EXPORT void TestPlugin_ForgetClosed() {
    const std::lock_guard<std::mutex> lock(testplugin::stateMutex);
    std::erase_if(testplugin::instances, [](const auto& instance) {
        if (!instance->closed) return false;
        AEffect* closed = &instance->effect;
        testplugin::lastEffect.compare_exchange_strong(closed, nullptr);
        return true;
    });
}

TEST_PLUGIN_EXPORT AEffect* TestPlugin_LastEffect() {
    return testplugin::lastEffect.load();
}
