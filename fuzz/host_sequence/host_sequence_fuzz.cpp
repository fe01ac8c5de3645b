// Plays the fuzz input as a script of workstation operations on the module that ships, through
// its exports and by slot index only, over the test plug-in whose answers the same input
// scripts: registration and shutdown, up to two instances created, initialised at any rate,
// uninitialised and released in any order, parameters set, updated, touched and queried by any
// identifier and value, chunks saved and restored with any bytes, sizes and identifiers, blocks
// of 0 to 16,384 frames with MIDI and a jumping transport, the editor with its views and timers,
// and the plug-in calling its host at any moment, from any of its calls or another thread.
// After every operation the invariants of FuzzInstance and of the plug-in (no call after
// effClose) must hold; at the end every reference the module took must be back.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

#include "c_host.h"
#include "fuzz/host_sequence/byte_reader.h"
#include "fuzz/host_sequence/checks.h"
#include "fuzz/host_sequence/fuzz_instance.h"
#include "fuzz/host_sequence/plugin_script.h"
#include "platform/platform.h"
#include "tests/support/installed_plugin.h"
#include "tests/support/registry_fixture.h"

namespace {

constexpr int32_t kFramesPerInput = 65536;  // keeps one run cheap
constexpr int32_t kValuesChecked = 24;      // parameters whose values each operation checks
constexpr int kMaxOperations = 64;
// Each initialisation reads every parameter that the plug-in announces. A script may read this
// many in all, so two initialisations of a plug-in with 2,000 parameters, and any number of a
// small one; further ones are skipped. Without the budget a long run's grown corpus spends most
// of its time initialising the largest plug-ins again and again.
constexpr int32_t kParameterReadings = 4096;

InstalledPlugin* plugin = nullptr;
ck_module module{};

template <class Function>
Function Entry(void* library, const char* name) {
    return reinterpret_cast<Function>(platform::FindLibrarySymbol(library, name));
}

// The shared audio buffers of every block.
struct Buffers {
    std::vector<float> in[2];
    std::vector<float> out[2];
    float* inputs[2];
    float* outputs[2];
    Buffers() {
        for (int channel = 0; channel < 2; ++channel) {
            in[channel].assign(FuzzInstance::kMaxFrames, 0.25f);
            out[channel].assign(FuzzInstance::kMaxFrames, 0.0f);
            inputs[channel] = in[channel].data();
            outputs[channel] = out[channel].data();
        }
    }
};

enum Operation : uint8_t {
    kRegister,
    kShutdown,
    kCreate,
    kInitialize,
    kUninitialize,
    kRelease,
    kSetValue,
    kUpdateValue,
    kTouch,
    kQuery,
    kService,
    kChunkSize,
    kGetChunk,
    kSetChunk,
    kCompareChunk,
    kRender,
    kCreateEditor,
    kDestroyEditor,
    kAttachView,
    kDetachView,
    kViewSizeAndDraw,
    kTimers,
    kPluginCall,
    kTimeFromOtherThread,
    kTransport,
    kOperationCount
};

class Sequence {
  public:
    explicit Sequence(ByteReader& in) : in_(in) {}

    void Run() {
        const int32_t callsAfterClose = plugin->Control().CallsAfterClose();
        for (int i = 0; i < kMaxOperations && !in_.AtEnd(); ++i) {
            Step(static_cast<Operation>(in_.Byte() % kOperationCount));
            CheckAll(kValuesChecked);
            Check(plugin->Control().CallsAfterClose() == callsAfterClose,
                  "plug-in called after effClose");
        }
        TearDown();
        Check(plugin->Control().CallsAfterClose() == callsAfterClose,
              "plug-in called after effClose");
        plugin->Control().ForgetClosed();
    }

  private:
    void Step(Operation operation) {
        switch (operation) {
            case kRegister:
                return Register();
            case kShutdown:
                return Shutdown();
            case kCreate:
                return Create();
            default:
                break;
        }
        FuzzInstance* instance = Pick();
        if (instance == nullptr) return;
        switch (operation) {
            case kInitialize: {
                const float rate = in_.Rate();
                const int32_t reads = std::max(instance->AnnouncedParameters(), 1);
                if (parameterReadings_ + reads > kParameterReadings) return;
                parameterReadings_ += reads;
                return instance->Initialize(rate);
            }
            case kUninitialize:
                return instance->Uninitialize();
            case kRelease:
                return Release(instance);
            case kSetValue:
                return instance->SetValue(Identifier(*instance).data(), in_.Value());
            case kUpdateValue:
                return instance->UpdateValue(Identifier(*instance).data(), in_.Value());
            case kTouch:
                return instance->Touch(Identifier(*instance).data(), in_.Flag());
            case kQuery:
                return instance->QueryParameter(Identifier(*instance).data());
            case kService:
                instance->ServiceQueued();
                return instance->GenerateCoefficients();
            case kChunkSize:
                return instance->ChunkSize(ChunkID(*instance));
            case kGetChunk:
                return instance->GetChunk(ChunkID(*instance), in_.Flag());
            case kSetChunk:
                return SetChunk(*instance);
            case kCompareChunk:
                return CompareChunk(*instance);
            case kRender:
                return Render(*instance, false);
            case kCreateEditor:
                return instance->CreateEditor();
            case kDestroyEditor:
                return instance->DestroyEditor();
            case kAttachView:
                return instance->AttachView(in_.Byte() & 1);
            case kDetachView:
                return instance->DetachView();
            case kViewSizeAndDraw:
                return ViewSizeAndDraw(*instance);
            case kTimers:
                instance->EditorTimer();
                return instance->EffectTimer();
            case kPluginCall:
                return PluginCall(*instance);
            case kTimeFromOtherThread:
                return Render(*instance, true);
            case kTransport:
                return Transport(*instance);
            default:
                return;
        }
    }

    void Register() {
        if (registered_) return;
        ck_host_init(&host_);
        registered_ = Known(ck_host_register(&host_, &module)) == AAX_SUCCESS;
    }

    void Shutdown() {
        if (!registered_) return;
        module.canUnloadNow(&host_.factory);
        Known(module.shutdown(&host_.factory));
        Check(ck_host_references(&host_) == 0, "host references kept after shutdown",
              ck_host_references(&host_));
        registered_ = false;
    }

    void Create() {
        if (!registered_ || live_.size() >= 2) return;
        const bool stereo = in_.Flag();
        const bool atOnce = in_.Flag();
        const testplugin::Script script = ReadPluginScript(in_);
        plugin->Control().SetScript(script);
        const ck_render_proc render = host_.renderProcs[stereo ? 1 : 0];
        if (host_.createProcs[0] == nullptr || host_.createProcs[1] == nullptr ||
            render == nullptr) {
            return;
        }
        auto instance = std::make_unique<FuzzInstance>(host_.createProcs, render, stereo, atOnce);
        if (!instance->Alive()) return;
        instance->SetPlugin(script.mainReturnsNull != 0 ? nullptr : plugin->Control().LastEffect());
        instance->SetAnnouncedParameters(std::max(script.numParams, script.numParamsAfterOpen));
        live_.push_back(std::move(instance));
    }

    FuzzInstance* Pick() {
        if (live_.empty()) return nullptr;
        return live_[in_.Byte() % live_.size()].get();
    }

    void Release(FuzzInstance* instance) {
        for (auto it = live_.begin(); it != live_.end(); ++it) {
            if (it->get() != instance) continue;
            instance->Release();
            retired_.push_back(std::move(*it));
            live_.erase(it);
            return;
        }
    }

    // An identifier the module offers, or one it does not know.
    std::array<char, 64> Identifier(const FuzzInstance& instance) {
        std::array<char, 64> id{};
        const uint8_t pick = in_.Byte();
        if (pick < 200) {
            char text[64];
            instance.IdentifierAt(pick % 24 - 1, text);
            std::memcpy(id.data(), text, sizeof text);
            return id;
        }
        switch (pick % 5) {
            case 0:
                std::strcpy(id.data(), "MasterBypassID");
                break;
            case 1:
                break;
            case 2:
                std::memset(id.data(), 'i', 32);
                break;
            case 3:
                std::memset(id.data(), 'j', 63);
                break;
            default:
                std::strcpy(id.data(), "p1");
                break;
        }
        return id;
    }

    uint32_t ChunkID(const FuzzInstance& instance) {
        const uint8_t pick = in_.Byte();
        if (pick < 192) return instance.ChunkID();
        if (pick < 224) return 0x656C636B;  // the base's controls chunk
        return in_.Long();
    }

    void SetChunk(FuzzInstance& instance) {
        const uint32_t id = ChunkID(instance);
        unsigned char data[512];
        const auto size = static_cast<uint32_t>(in_.Take(data, in_.Word() % sizeof data));
        int32_t sizeField = static_cast<int32_t>(size);
        if (in_.Flag()) {
            // A size field larger than the record would be the host's own overrun.
            sizeField = std::min(in_.Signed(), sizeField);
        }
        instance.SetChunk(id, data, size, sizeField);
    }

    void CompareChunk(FuzzInstance& instance) {
        unsigned char data[256];
        const auto size = static_cast<uint32_t>(in_.Take(data, in_.Byte()));
        instance.CompareChunk(data, size);
    }

    int32_t Frames() {
        static constexpr int32_t kFrames[] = {0, 1, 32, 64, 128, 256, 512, 1024, 4096, 16384};
        const uint8_t pick = in_.Byte();
        const int32_t frames = pick < 240 ? kFrames[pick % 10] : in_.Word() % 16385;
        return std::min(frames, kFramesPerInput - framesRendered_);
    }

    void Midi(FuzzInstance& instance) {
        std::array<ck_midi_packet, FuzzInstance::kMaxPackets> packets{};
        const size_t count = in_.Byte() % (packets.size() + 1);
        for (size_t i = 0; i < count; ++i) {
            packets[i].timestamp = in_.Flag() ? in_.Long() : in_.Byte();
            packets[i].length = in_.Byte() % 6;
            in_.Take(packets[i].data, sizeof packets[i].data);
            packets[i].isImmediate = in_.Flag();
        }
        instance.SetMidi(packets.data(), count);
    }

    void Render(FuzzInstance& instance, bool timeFromOtherThread) {
        const int32_t frames = Frames();
        Midi(instance);
        void* const contexts[1] = {
            instance.PrepareBlock(buffers_.inputs, buffers_.outputs, frames)};
        framesRendered_ += frames;
        AEffect* effect = instance.Plugin();
        if (!timeFromOtherThread || effect == nullptr) {
            instance.Renderer()(contexts, contexts + 1);
            return;
        }
        std::thread other([effect] {
            for (int i = 0; i < 8; ++i) {
                plugin->Control().CallHost(effect, audioMasterGetTime, 0, 0xFFFF);
            }
        });
        instance.Renderer()(contexts, contexts + 1);
        other.join();
    }

    void ViewSizeAndDraw(FuzzInstance& instance) {
        instance.ViewSize();
        float rect[4];
        for (float& side : rect) side = static_cast<float>(in_.Value() * 1000.0);
        instance.Draw(rect);
    }

    // The plug-in calls its host from the host's thread, outside any call of the host.
    void PluginCall(FuzzInstance& instance) {
        static constexpr int32_t kOpcodes[] = {audioMasterAutomate,      audioMasterBeginEdit,
                                               audioMasterEndEdit,       audioMasterUpdateDisplay,
                                               audioMasterSizeWindow,    audioMasterGetTime,
                                               audioMasterGetSampleRate, audioMasterIdle,
                                               audioMasterVersion,       audioMasterCanDo};
        if (instance.Plugin() == nullptr) return;
        const int32_t opcode = kOpcodes[in_.Byte() % 10];
        const uint8_t pick = in_.Byte();
        const int32_t index = pick < 240 ? pick % 24 - 1 : in_.Signed();
        const intptr_t value = in_.Flag() ? in_.Signed() : 0;
        const auto opt = static_cast<float>(in_.Value());
        void* ptr = nullptr;
        char text[64] = "sendVstEvents";
        if (opcode == audioMasterCanDo && in_.Flag()) ptr = text;
        plugin->Control().CallHost(instance.Plugin(), opcode, index, value, ptr, opt);
    }

    void Transport(FuzzInstance& instance) {
        ck_transport_state& state = instance.Transport();
        state.playing = in_.Flag();
        state.sampleLocation = static_cast<int64_t>(in_.Signed()) * (in_.Flag() ? 65536 : 1);
        state.tempo = in_.Value() * 300.0;
        state.numerator = static_cast<int8_t>(in_.Byte());
        state.denominator = static_cast<int8_t>(in_.Byte());
        state.bars = in_.Signed();
        state.beats = static_cast<int8_t>(in_.Byte());
        state.ticks = in_.Signed();
        const uint8_t failures = in_.Byte();
        state.locationResult = (failures & 1) != 0 ? AAX_ERROR_NULL_OBJECT : 0;
        state.tempoResult = (failures & 2) != 0 ? AAX_ERROR_NULL_OBJECT : 0;
        state.meterResult = (failures & 4) != 0 ? AAX_ERROR_NULL_OBJECT : 0;
        state.barBeatResult = (failures & 8) != 0 ? AAX_ERROR_NULL_OBJECT : 0;
    }

    void CheckAll(int32_t limit) {
        for (auto& instance : live_) instance->CheckAfterOperation(limit);
        for (auto& instance : retired_) instance->CheckAfterOperation(limit);
    }

    // As a workstation closes a session: every editor, every instance, then the module.
    void TearDown() {
        CheckAll(1 << 30);
        while (!live_.empty()) {
            FuzzInstance* instance = live_.back().get();
            instance->DestroyEditor();
            instance->Uninitialize();
            Release(instance);
            CheckAll(0);
        }
        Shutdown();
    }

    ByteReader& in_;
    ck_host host_{};
    bool registered_ = false;
    std::vector<std::unique_ptr<FuzzInstance>> live_;
    std::vector<std::unique_ptr<FuzzInstance>> retired_;
    static Buffers buffers_;
    int32_t framesRendered_ = 0;
    int32_t parameterReadings_ = 0;
};

Buffers Sequence::buffers_;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static InstalledPlugin installed(VQ318_TEST_PLUGIN, "host-sequence-plugin");
    testsupport::ClearInstallDirectory();
    installed.Register(testsupport::RegistryView::k64Bit);
    plugin = &installed;
    void* library = platform::LoadLibraryFile(VQ318_PRODUCT_MODULE);
    if (library == nullptr) Broken("the module does not load");
    module = ck_module{Entry<ck_entry_unknown>(library, "ACFStartup"),
                       Entry<ck_entry_unknown>(library, "ACFShutdown"),
                       Entry<ck_entry_register>(library, "ACFRegisterPlugin"),
                       Entry<ck_entry_unknown>(library, "ACFCanUnloadNow")};
    if (module.startup == nullptr || module.shutdown == nullptr ||
        module.registerPlugin == nullptr || module.canUnloadNow == nullptr) {
        Broken("the module lacks an entry point");
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ByteReader in(data, size);
    Sequence(in).Run();
    return 0;
}
