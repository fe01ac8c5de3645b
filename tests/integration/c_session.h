// A workstation session over the module that ships, played through its exports only with the C
// kit's host objects: registration, one instance (mono or stereo) with its controller,
// automation delegate, transport and MIDI input, blocks through the description's process
// procedure, the editor with its views, and what the host was asked (set, touch and release
// requests) in the order it was asked. Module objects are called by slot index, as a host built
// by another compiler calls them.
//
// Threads: blocks (Render) may run on a thread of their own; every other call on one host
// thread at a time, as a workstation makes them. The request log takes requests from any thread.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

#include "c_host.h"
#include "module_calls.h"
#include "platform/platform.h"

class CSession {
  public:
    enum class Answer { kQueued, kAtOnce };
    struct Request {
        int slot;  // 5 set, 7 touch, 8 release
        std::string id;
        double value;
    };
    static constexpr int32_t kMono = 1;
    static constexpr int32_t kStereo = 2;
    static constexpr int32_t kViewTypeWindow = 3;

    // Registers the module at `path`; no instance yet. Check Failure() before using it.
    explicit CSession(const char* path) {
        library_ = platform::LoadLibraryFile(path);
        if (library_ == nullptr) return;
        module_ =
            ck_module{Entry<ck_entry_unknown>("ACFStartup"), Entry<ck_entry_unknown>("ACFShutdown"),
                      Entry<ck_entry_register>("ACFRegisterPlugin"),
                      Entry<ck_entry_unknown>("ACFCanUnloadNow")};
        ck_host_init(&host_);
        registered_ = module_.registerPlugin != nullptr && ck_host_register(&host_, &module_) == 0;
    }
    CSession(const CSession&) = delete;
    CSession& operator=(const CSession&) = delete;

    // Tears down as a workstation does: editor, instance, then the module; every reference the
    // module took on the host's objects must be back.
    ~CSession() {
        DestroyEditor();
        if (effect_ != nullptr) {
            ck_effect_uninitialize(effect_);
            ck_release(effect_);
            effect_ = nullptr;
        }
        if (!registered_) return;
        EXPECT_EQ(module_.canUnloadNow(&host_.factory), 0);
        EXPECT_EQ(module_.shutdown(&host_.factory), 0);
        EXPECT_EQ(ck_host_references(&host_), 0);
        EXPECT_EQ(controller_.references, 1) << "controller references given back";
        EXPECT_EQ(automation_.references, 1) << "automation references given back";
    }

    bool Registered() const { return registered_; }

    // Creates and initialises the instance of `channels` at `rate`; false on any failure.
    bool CreateInstance(int32_t channels, float rate, Answer answer) {
        const int component = channels == kMono ? 0 : 1;
        if (!registered_ || host_.createProcs[0] == nullptr ||
            host_.renderProcs[component] == nullptr) {
            return false;
        }
        renderProc_ = host_.renderProcs[component];
        channels_ = channels;
        void* unknown = host_.createProcs[0]();
        if (unknown == nullptr) return false;
        // A created object holds no reference until it is asked for an interface.
        if (ck_query_interface(unknown, &kEffectParameters, &effect_) != 0) return false;

        ck_automation_init(&automation_);
        automation_.observer = &CSession::Observe;
        automation_.observerContext = this;
        if (answer == Answer::kAtOnce) automation_.answerTo = effect_;
        ck_controller_init(&controller_);
        controller_.sampleRate = rate;
        const int32_t stem = channels == kMono ? 0x00000001 : 0x00010002;
        controller_.inputStemFormat = stem;
        controller_.outputStemFormat = stem;
        controller_.automation = &automation_;
        controller_.effectParameters = effect_;
        controller_.context = fields_.data();
        ck_transport_init(&transport_);
        ck_midi_node_init(&transportNode_, &transport_);
        ck_midi_node_init(&midiNode_, nullptr);
        fields_[0] = inputs_.data();
        fields_[2] = outputs_.data();
        fields_[5] = &frames_;
        fields_[9] = &transportNode_;
        fields_[10] = &midiNode_;
        return ck_effect_initialize(effect_, &controller_) == 0;
    }

    // A change of the host's sample rate: the instance uninitialised, then initialised again
    // with the controller giving `rate`.
    int32_t Uninitialize() { return ck_effect_uninitialize(effect_); }
    int32_t Initialize(float rate) {
        controller_.sampleRate = rate;
        return ck_effect_initialize(effect_, &controller_);
    }

    // One block of `input` (frames per channel, one vector per channel) through the process
    // procedure; the output, and the transport moved on while it plays. [render thread]
    std::vector<std::vector<float>> Render(const std::vector<std::vector<float>>& input) {
        const auto frames = static_cast<int32_t>(input[0].size());
        std::vector<std::vector<float>> output(input.size(), std::vector<float>(input[0].size()));
        for (size_t channel = 0; channel < input.size() && channel < 2; ++channel) {
            inputs_[channel] = const_cast<float*>(input[channel].data());
            outputs_[channel] = output[channel].data();
        }
        frames_ = frames;
        void* const instances[1] = {fields_.data()};
        renderProc_(instances, instances + 1);
        if (transport_.state.playing) transport_.state.sampleLocation += frames;
        return output;
    }
    // A block of `frames` whose every channel is a ramp that goes on from the last block's.
    std::vector<std::vector<float>> NextInput(int32_t frames) {
        std::vector<std::vector<float>> input(static_cast<size_t>(channels_),
                                              std::vector<float>(static_cast<size_t>(frames)));
        for (size_t channel = 0; channel < input.size(); ++channel) {
            for (size_t i = 0; i < input[channel].size(); ++i) {
                input[channel][i] = 0.001f * static_cast<float>((rampAt_ + i) % 997) -
                                    0.5f * static_cast<float>(channel);
            }
        }
        rampAt_ += static_cast<size_t>(frames);
        return input;
    }
    void SetMidi(const std::vector<ck_midi_packet>& packets) {
        ck_midi_node_set_packets(&midiNode_, packets.data(), packets.size());
    }
    ck_transport_state& Transport() { return transport_.state; }

    // The host's next non-real-time call: queued set requests answered, oldest first, then the
    // coefficients generated.
    void Service() {
        std::vector<Request> answers;
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            answers.swap(queued_);
        }
        for (const Request& request : answers) {
            ck_effect_update_normalized(effect_, request.id.c_str(), request.value, 0);
        }
        using Generate = int32_t (*)(void*);
        reinterpret_cast<Generate>(ck_slot(effect_, kGenerateCoefficients))(effect_);
    }

    // The editor made by creation procedure 1 and initialised on the instance's controller.
    bool CreateEditor() {
        void* unknown = host_.createProcs[1] != nullptr ? host_.createProcs[1]() : nullptr;
        if (unknown == nullptr) return false;
        return ck_query_interface(unknown, &kEditor, &editor_) == 0 &&
               ck_editor_initialize(editor_, &controller_) == 0;
    }
    // Gives the editor the host view `index` (a native window of its own), or none for -1.
    int32_t SetView(int index) {
        if (index < 0) return ck_editor_set_view_container(editor_, nullptr);
        ck_view_init(&views_[static_cast<size_t>(index)], kViewTypeWindow, Window(index));
        const int32_t result = ck_editor_set_view_container(editor_, &views_[index]);
        ck_release(&views_[index]);
        return result;
    }
    void* Window(int index) { return &windows_[static_cast<size_t>(index)]; }
    void TimerWakeup() {
        using Tick = int32_t (*)(void*);
        reinterpret_cast<Tick>(ck_slot(editor_, kEditorTimerWakeup))(editor_);
    }
    // Detaches any view, uninitialises and releases the editor.
    void DestroyEditor() {
        if (editor_ == nullptr) return;
        ck_editor_set_view_container(editor_, nullptr);
        ck_editor_uninitialize(editor_);
        ck_release(editor_);
        editor_ = nullptr;
        for (const ck_view& view : views_) {
            EXPECT_TRUE(view.table == nullptr || view.references == 0) << "view reference kept";
        }
    }

    double HostValue(const char* id) const {
        double value = -1.0;
        ck_effect_get_normalized(effect_, id, &value);
        return value;
    }
    void SetHostValue(const char* id, double value) {
        ck_effect_set_normalized(effect_, id, value);
    }
    // The plug-in's bank chunk, or the given bytes restored as it.
    std::vector<unsigned char> SaveChunk() {
        uint32_t chunkID = 0;
        uint32_t size = 0;
        if (ck_effect_chunk_id(effect_, 0, &chunkID) != 0 ||
            ck_effect_chunk_size(effect_, chunkID, &size) != 0) {
            return {};
        }
        std::vector<unsigned char> record(kChunkHeader + size);
        if (ck_effect_get_chunk(effect_, chunkID, record.data()) != 0) return {};
        return std::vector<unsigned char>(record.begin() + kChunkHeader, record.end());
    }
    int32_t RestoreChunk(const std::vector<unsigned char>& data) {
        uint32_t chunkID = 0;
        ck_effect_chunk_id(effect_, 0, &chunkID);
        std::vector<unsigned char> record(kChunkHeader + data.size());
        const auto size = static_cast<int32_t>(data.size());
        std::memcpy(record.data(), &size, sizeof size);
        std::memcpy(record.data() + kChunkHeader, data.data(), data.size());
        return ck_effect_set_chunk(effect_, chunkID, record.data());
    }

    std::vector<Request> Requests() const {
        const std::lock_guard<std::mutex> lock(mutex_);
        return requests_;
    }
    // The requests for `id` that the host got, as "touch", "release" and the set values.
    std::vector<Request> RequestsFor(const char* id) const {
        std::vector<Request> found;
        for (const Request& request : Requests()) {
            if (request.id == id) found.push_back(request);
        }
        return found;
    }

  private:
    static constexpr ck_uid kEffectParameters = {
        0x964E333D, 0x334C, 0x533F, {0xC2, 0xC7, 0x38, 0x34, 0xC3, 0xC2, 0x3E, 0x3E}};
    static constexpr ck_uid kEditor = {
        0x964E323D, 0x424C, 0x5E1A, {0x22, 0x27, 0x28, 0x24, 0x23, 0x22, 0x2E, 0x1E}};
    static constexpr int kGenerateCoefficients = 31;
    static constexpr int kEditorTimerWakeup = 9;
    static constexpr size_t kChunkHeader = 56;

    template <class Function>
    Function Entry(const char* name) {
        return reinterpret_cast<Function>(platform::FindLibrarySymbol(library_, name));
    }

    static void Observe(void* context, int slot, const char* id, double value) {
        auto* self = static_cast<CSession*>(context);
        const std::lock_guard<std::mutex> lock(self->mutex_);
        self->requests_.push_back(Request{slot, id, value});
        if (slot == 5 && self->automation_.answerTo == nullptr) {
            self->queued_.push_back(Request{slot, id, value});
        }
    }

    void* library_ = nullptr;
    ck_module module_{};
    ck_host host_{};
    bool registered_ = false;
    ck_render_proc renderProc_ = nullptr;
    int32_t channels_ = 0;
    void* effect_ = nullptr;
    void* editor_ = nullptr;
    ck_controller controller_{};
    ck_automation automation_{};
    ck_transport transport_{};
    ck_midi_node transportNode_{};
    ck_midi_node midiNode_{};
    std::array<void*, CK_CONTEXT_FIELDS> fields_{};
    std::array<float*, 2> inputs_{};
    std::array<float*, 2> outputs_{};
    int32_t frames_ = 0;
    size_t rampAt_ = 0;
    std::array<ck_view, 4> views_{};
    std::array<int, 4> windows_{};

    mutable std::mutex mutex_;
    std::vector<Request> requests_;
    std::vector<Request> queued_;
};
