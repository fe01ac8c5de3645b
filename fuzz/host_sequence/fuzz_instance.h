// One instance of the effect as a workstation holds it: the module's effect-parameters object
// and editor, called by slot index, with the C kit's controller, automation delegate, transport,
// MIDI nodes and views; and what must hold of the module's answers after every operation.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "abi/vst2.h"
#include "c_host.h"

class FuzzInstance {
  public:
    static constexpr int32_t kMaxFrames = 16384;
    static constexpr int kMaxPackets = 8;

    // Creates the effect-parameters object through creation procedure 0 of `procs`; Alive()
    // tells whether it came. Procedure 1 makes the editor.
    FuzzInstance(const ck_create_proc (&procs)[2], ck_render_proc render, bool stereo,
                 bool answerAtOnce);
    FuzzInstance(const FuzzInstance&) = delete;
    FuzzInstance& operator=(const FuzzInstance&) = delete;

    bool Alive() const { return effect_ != nullptr; }
    // The plug-in instance the module created for this one, or null.
    AEffect* Plugin() const { return plugin_; }
    void SetPlugin(AEffect* plugin) { plugin_ = plugin; }
    // The most parameters its plug-in announces, before or after effOpen: what an initialisation
    // reads.
    int32_t AnnouncedParameters() const { return announced_; }
    void SetAnnouncedParameters(int32_t count) { announced_ = count; }

    void Initialize(float rate);
    void Uninitialize();
    // Gives back the host's reference; afterwards only the checks of a released instance run.
    void Release();

    // The identifier of parameter `index` as the module names it, or "" when it has none.
    void IdentifierAt(int32_t index, char (&out)[64]) const;
    void SetValue(const char* id, double value);
    void UpdateValue(const char* id, double value);
    void Touch(const char* id, bool touched);
    void QueryParameter(const char* id);
    void GenerateCoefficients();
    void ServiceQueued();

    void ChunkSize(uint32_t chunkID);
    void GetChunk(uint32_t chunkID, bool sizeFirst);
    void SetChunk(uint32_t chunkID, const unsigned char* data, uint32_t size, int32_t sizeField);
    void CompareChunk(const unsigned char* data, uint32_t size);
    uint32_t ChunkID() const;

    ck_transport_state& Transport() { return transport_.state; }
    void SetMidi(const ck_midi_packet* packets, size_t count);
    // The instance's context for one block of `frames` over the shared buffers.
    void* PrepareBlock(float* const* inputs, float* const* outputs, int32_t frames);
    ck_render_proc Renderer() const { return render_; }

    void CreateEditor();
    void DestroyEditor();
    void AttachView(int index);
    void DetachView();
    void ViewSize();
    void Draw(const float rect[4]);
    void EditorTimer();
    void EffectTimer();

    // What must hold after every operation: the parameter values finite and within 0 to 1 (the
    // first `limit` parameters), every set request naming a parameter and carrying such a
    // value, and nothing reaching the host objects of a released instance.
    void CheckAfterOperation(int32_t limit);
    // The identifiers the module offers now, for the requests' check.
    void RefreshIdentifiers();

  private:
    static void Observe(void* context, int slot, const char* id, double value);
    int32_t Effect(int slot, const char* id) const;
    bool Offered(const char* id) const;

    ck_create_proc createEditor_;
    ck_render_proc render_;
    void* effect_ = nullptr;
    void* editor_ = nullptr;
    AEffect* plugin_ = nullptr;
    int32_t announced_ = 0;
    bool released_ = false;
    ck_controller controller_{};
    ck_automation automation_{};
    ck_transport transport_{};
    ck_midi_node transportNode_{};
    ck_midi_node midiNode_{};
    std::array<void*, CK_CONTEXT_FIELDS> fields_{};
    std::array<float*, 2> inputs_{};
    std::array<float*, 2> outputs_{};
    int32_t frames_ = 0;
    std::array<ck_view, 2> views_{};
    std::array<int, 2> windows_{};
    uint32_t lastChunkSize_ = 0;

    // Identifiers offered before and after the current operation, and the requests it made.
    std::vector<std::array<char, 64>> identifiers_;
    std::vector<std::array<char, 64>> previousIdentifiers_;
    struct Request {
        std::array<char, 64> id;
        int slot;
        double value;
    };
    std::array<Request, 32> requests_{};
    int requestCount_ = 0;
    std::vector<Request> queued_;
    int hostCallsAtRelease_ = 0;
};
