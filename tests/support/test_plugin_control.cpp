#include "tests/support/test_plugin_control.h"

#include <algorithm>
#include <map>
#include <sstream>
#include <stdexcept>

#include "platform/platform.h"

namespace {

template <typename Proc>
Proc Find(void* library, const char* name) {
    void* symbol = platform::FindLibrarySymbol(library, name);
    if (symbol == nullptr) throw std::runtime_error(std::string("test plug-in lacks ") + name);
    return reinterpret_cast<Proc>(symbol);
}

}  // namespace

TestPluginControl::TestPluginControl(const std::string& path) {
    void* library = platform::LoadLibraryFile(path.c_str());
    if (library == nullptr) throw std::runtime_error("cannot load the test plug-in " + path);
    setScript_ = Find<testplugin::SetScriptProc>(library, testplugin::kSetScript);
    resetLog_ = Find<testplugin::ResetLogProc>(library, testplugin::kResetLog);
    readLog_ = Find<testplugin::ReadLogProc>(library, testplugin::kReadLog);
    mainCalls_ = Find<testplugin::MainCallsProc>(library, testplugin::kMainCalls);
    callHost_ = Find<testplugin::CallHostProc>(library, testplugin::kCallHost);
    callsAfterClose_ = Find<testplugin::CallsAfterCloseProc>(library, testplugin::kCallsAfterClose);
    forgetClosed_ = Find<testplugin::ForgetClosedProc>(library, testplugin::kForgetClosed);
    lastEffect_ = Find<testplugin::LastEffectProc>(library, testplugin::kLastEffect);
}

void TestPluginControl::SetScript(const testplugin::Script& script) const {
    setScript_(&script);
}

void TestPluginControl::ResetLog() const {
    resetLog_();
}

std::vector<testplugin::Call> TestPluginControl::Calls() const {
    const int32_t count = readLog_(nullptr, 0);
    std::vector<testplugin::Call> calls(static_cast<size_t>(std::max(count, 0)));
    const int32_t read = readLog_(calls.data(), static_cast<int32_t>(calls.size()));
    if (count < 0 || read < 0) {
        // What filled the log says where the calls came from.
        calls.resize(testplugin::kCallLogCapacity);
        readLog_(calls.data(), static_cast<int32_t>(calls.size()));
        std::map<std::pair<int, int32_t>, int> kinds;
        for (const testplugin::Call& call : calls)
            ++kinds[{static_cast<int>(call.kind), call.opcode}];
        std::ostringstream most;
        most << "the test plug-in's call log overflowed; calls by kind/opcode:";
        for (const auto& [kind, times] : kinds) {
            most << ' ' << kind.first << '/' << kind.second << ' ' << times << 'x';
        }
        throw std::runtime_error(most.str());
    }
    calls.resize(static_cast<size_t>(std::min(count, read)));
    return calls;
}

std::vector<testplugin::Call> TestPluginControl::CallsTo(const AEffect* effect) const {
    std::vector<testplugin::Call> calls = Calls();
    std::erase_if(calls, [effect](const testplugin::Call& call) { return call.effect != effect; });
    return calls;
}

int32_t TestPluginControl::MainCalls() const {
    return mainCalls_();
}

intptr_t TestPluginControl::CallHost(AEffect* effect, int32_t opcode, int32_t index, intptr_t value,
                                     void* ptr, float opt) const {
    return callHost_(effect, opcode, index, value, ptr, opt);
}

int32_t TestPluginControl::CallsAfterClose() const {
    return callsAfterClose_();
}

void TestPluginControl::ForgetClosed() const {
    forgetClosed_();
}

AEffect* TestPluginControl::LastEffect() const {
    return lastEffect_();
}
