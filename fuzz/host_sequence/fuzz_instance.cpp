#include "fuzz/host_sequence/fuzz_instance.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "fuzz/host_sequence/checks.h"
#include "module_calls.h"

namespace {

constexpr ck_uid kEffectParameters = {
    0x964E333D, 0x334C, 0x533F, {0xC2, 0xC7, 0x38, 0x34, 0xC3, 0xC2, 0x3E, 0x3E}};
constexpr ck_uid kEditor = {
    0x964E323D, 0x424C, 0x5E1A, {0x22, 0x27, 0x28, 0x24, 0x23, 0x22, 0x2E, 0x1E}};
constexpr size_t kChunkHeader = 56;
constexpr int32_t kViewTypeWindow = 3;

// Effect-parameters slots beyond those of the C kit's calls.
enum EffectSlot {
    kGetParameterIsAutomatable = 8,
    kGetParameterNumberOfSteps = 9,
    kGetParameterValueString = 22,
    kTouchParameter = 26,
    kReleaseParameter = 27,
    kUpdateParameterTouch = 28,
    kGenerateCoefficients = 31,
    kCompareActiveChunk = 38,
    kEffectTimerWakeup = 40,
};
enum EditorSlot { kDraw = 8, kEditorTimerWakeup = 9, kParameterUpdated = 10 };

template <class Function>
Function SlotOf(const void* object, int slot) {
    return reinterpret_cast<Function>(ck_slot(object, slot));
}

std::array<char, 64> Copy(const char* text) {
    std::array<char, 64> copy{};
    if (text != nullptr) std::strncpy(copy.data(), text, copy.size() - 1);
    return copy;
}

bool Contains(const std::vector<std::array<char, 64>>& list, const std::array<char, 64>& id) {
    for (const auto& entry : list) {
        if (entry == id) return true;
    }
    return false;
}

int HostCalls(const ck_automation& automation, const ck_controller& controller) {
    return automation.setRequests + automation.touches + automation.releases +
           automation.registered + controller.postCount;
}

}  // namespace

FuzzInstance::FuzzInstance(const ck_create_proc (&procs)[2], ck_render_proc render, bool stereo,
                           bool answerAtOnce)
    : createEditor_(procs[1]), render_(render) {
    ck_automation_init(&automation_);
    automation_.observer = &FuzzInstance::Observe;
    automation_.observerContext = this;
    ck_controller_init(&controller_);
    const int32_t stem = stereo ? 0x00010002 : 0x00000001;
    controller_.inputStemFormat = stem;
    controller_.outputStemFormat = stem;
    controller_.automation = &automation_;
    controller_.context = fields_.data();
    ck_transport_init(&transport_);
    ck_midi_node_init(&transportNode_, &transport_);
    ck_midi_node_init(&midiNode_, nullptr);
    fields_[0] = inputs_.data();
    fields_[2] = outputs_.data();
    fields_[5] = &frames_;
    fields_[9] = &transportNode_;
    fields_[10] = &midiNode_;
    // A host's private data ports exist, zeroed, before the instance first posts to them.
    for (const int field : {1, 3, 6, 7, 8}) fields_[field] = controller_.ports[field];

    void* unknown = procs[0]();
    if (unknown == nullptr) return;
    if (Known(ck_query_interface(unknown, &kEffectParameters, &effect_)) != 0) {
        effect_ = nullptr;
        return;
    }
    if (answerAtOnce) automation_.answerTo = effect_;
    controller_.effectParameters = effect_;
}

void FuzzInstance::Initialize(float rate) {
    controller_.sampleRate = rate;
    Known(ck_effect_initialize(effect_, &controller_));
    RefreshIdentifiers();
}

void FuzzInstance::Uninitialize() {
    Known(ck_effect_uninitialize(effect_));
    RefreshIdentifiers();
}

void FuzzInstance::Release() {
    DestroyEditor();
    ck_release(effect_);
    released_ = true;
    Check(controller_.references == 1, "controller references after release",
          controller_.references);
    Check(automation_.references == 1, "automation references after release",
          automation_.references);
    hostCallsAtRelease_ = HostCalls(automation_, controller_);
}

int32_t FuzzInstance::Effect(int slot, const char* id) const {
    using Function = int32_t (*)(void*, const char*);
    return Known(SlotOf<Function>(effect_, slot)(effect_, id));
}

void FuzzInstance::IdentifierAt(int32_t index, char (&out)[64]) const {
    ck_string id;
    ck_string_init(&id, "");
    Known(ck_effect_parameter_id(effect_, index, &id));
    std::strncpy(out, id.text, sizeof out - 1);
    out[sizeof out - 1] = '\0';
}

void FuzzInstance::SetValue(const char* id, double value) {
    Known(ck_effect_set_normalized(effect_, id, value));
}

void FuzzInstance::UpdateValue(const char* id, double value) {
    Known(ck_effect_update_normalized(effect_, id, value, 0));
}

void FuzzInstance::Touch(const char* id, bool touched) {
    using Update = int32_t (*)(void*, const char*, bool);
    Effect(touched ? kTouchParameter : kReleaseParameter, id);
    Known(SlotOf<Update>(effect_, kUpdateParameterTouch)(effect_, id, touched));
    if (editor_ != nullptr) {
        using Updated = int32_t (*)(void*, const char*);
        Known(SlotOf<Updated>(editor_, kParameterUpdated)(editor_, id));
    }
}

void FuzzInstance::QueryParameter(const char* id) {
    using Flag = int32_t (*)(const void*, const char*, bool*);
    using Count = int32_t (*)(const void*, const char*, int32_t*);
    using Text = int32_t (*)(const void*, const char*, void*, int32_t);
    bool automatable = false;
    int32_t steps = 0;
    Known(SlotOf<Flag>(effect_, kGetParameterIsAutomatable)(effect_, id, &automatable));
    Known(SlotOf<Count>(effect_, kGetParameterNumberOfSteps)(effect_, id, &steps));
    ck_string text;
    ck_string_init(&text, "");
    Known(ck_effect_parameter_name(effect_, id, &text));
    Known(SlotOf<Text>(effect_, kGetParameterValueString)(effect_, id, &text, 32));
}

void FuzzInstance::GenerateCoefficients() {
    using Function = int32_t (*)(void*);
    Known(SlotOf<Function>(effect_, kGenerateCoefficients)(effect_));
}

// Queued set requests answered, oldest first, as a host's next non-real-time call does.
void FuzzInstance::ServiceQueued() {
    std::vector<Request> answers;
    answers.swap(queued_);
    for (const Request& request : answers) UpdateValue(request.id.data(), request.value);
}

uint32_t FuzzInstance::ChunkID() const {
    uint32_t id = 0;
    Known(ck_effect_chunk_id(effect_, 0, &id));
    return id;
}

void FuzzInstance::ChunkSize(uint32_t chunkID) {
    uint32_t size = 0;
    if (Known(ck_effect_chunk_size(effect_, chunkID, &size)) == AAX_SUCCESS) {
        lastChunkSize_ = size;
    }
}

// The record is as large as the size last reported: a module that writes more overruns it.
void FuzzInstance::GetChunk(uint32_t chunkID, bool sizeFirst) {
    if (sizeFirst) ChunkSize(chunkID);
    if (lastChunkSize_ > (1u << 20)) return;
    std::vector<unsigned char> record(kChunkHeader + lastChunkSize_);
    const int32_t result = Known(ck_effect_get_chunk(effect_, chunkID, record.data()));
    int32_t written = 0;
    std::memcpy(&written, record.data(), sizeof written);
    if (result == AAX_SUCCESS) {
        Check(written >= 0 && static_cast<uint32_t>(written) <= lastChunkSize_,
              "chunk written larger than its reported size", written);
    }
}

void FuzzInstance::SetChunk(uint32_t chunkID, const unsigned char* data, uint32_t size,
                            int32_t sizeField) {
    std::vector<unsigned char> record(kChunkHeader + size);
    std::memcpy(record.data(), &sizeField, sizeof sizeField);
    if (size > 0) std::memcpy(record.data() + kChunkHeader, data, size);
    Known(ck_effect_set_chunk(effect_, chunkID, record.data()));
}

void FuzzInstance::CompareChunk(const unsigned char* data, uint32_t size) {
    std::vector<unsigned char> record(kChunkHeader + size);
    const auto sizeField = static_cast<int32_t>(size);
    std::memcpy(record.data(), &sizeField, sizeof sizeField);
    if (size > 0) std::memcpy(record.data() + kChunkHeader, data, size);
    bool equal = false;
    using Compare = int32_t (*)(void*, const void*, bool*);
    Known(SlotOf<Compare>(effect_, kCompareActiveChunk)(effect_, record.data(), &equal));
}

void FuzzInstance::SetMidi(const ck_midi_packet* packets, size_t count) {
    ck_midi_node_set_packets(&midiNode_, packets, count);
}

void* FuzzInstance::PrepareBlock(float* const* inputs, float* const* outputs, int32_t frames) {
    inputs_ = {inputs[0], inputs[1]};
    outputs_ = {outputs[0], outputs[1]};
    frames_ = frames;
    return fields_.data();
}

void FuzzInstance::CreateEditor() {
    if (editor_ != nullptr) return;
    void* unknown = createEditor_();
    if (unknown == nullptr) return;
    if (Known(ck_query_interface(unknown, &kEditor, &editor_)) != AAX_SUCCESS) {
        editor_ = nullptr;
        return;
    }
    Known(ck_editor_initialize(editor_, &controller_));
}

void FuzzInstance::DestroyEditor() {
    if (editor_ == nullptr) return;
    DetachView();
    Known(ck_editor_uninitialize(editor_));
    ck_release(editor_);
    editor_ = nullptr;
}

// A view the editor still holds is given again as it is; a new one is made otherwise.
void FuzzInstance::AttachView(int index) {
    if (editor_ == nullptr) return;
    ck_view& view = views_[static_cast<size_t>(index)];
    if (view.table != nullptr && view.references > 0) {
        Known(ck_editor_set_view_container(editor_, &view));
    } else {
        ck_view_init(&view, kViewTypeWindow, &windows_[static_cast<size_t>(index)]);
        Known(ck_editor_set_view_container(editor_, &view));
        ck_release(&view);
    }
    for (const ck_view& each : views_) {
        Check(each.table == nullptr || each.references == (&each == &view ? 1 : 0),
              "view references after attach", each.references);
    }
}

void FuzzInstance::DetachView() {
    if (editor_ == nullptr) return;
    Known(ck_editor_set_view_container(editor_, nullptr));
    for (const ck_view& view : views_) {
        Check(view.table == nullptr || view.references == 0, "view reference kept after detach",
              view.references);
    }
}

void FuzzInstance::ViewSize() {
    if (editor_ == nullptr) return;
    float size[2] = {-1.0f, -1.0f};
    if (Known(ck_editor_view_size(editor_, size)) == AAX_SUCCESS) {
        Check(std::isfinite(size[0]) && std::isfinite(size[1]), "view size not finite");
    }
}

void FuzzInstance::Draw(const float rect[4]) {
    if (editor_ == nullptr) return;
    float copy[4] = {rect[0], rect[1], rect[2], rect[3]};
    using Function = int32_t (*)(void*, float*);
    Known(SlotOf<Function>(editor_, kDraw)(editor_, copy));
}

void FuzzInstance::EditorTimer() {
    if (editor_ == nullptr) return;
    using Function = int32_t (*)(void*);
    Known(SlotOf<Function>(editor_, kEditorTimerWakeup)(editor_));
}

void FuzzInstance::EffectTimer() {
    using Function = int32_t (*)(void*);
    Known(SlotOf<Function>(effect_, kEffectTimerWakeup)(effect_));
}

void FuzzInstance::RefreshIdentifiers() {
    previousIdentifiers_.swap(identifiers_);
    identifiers_.clear();
    int32_t count = 0;
    Known(ck_effect_number_of_parameters(effect_, &count));
    Check(count >= 0, "negative parameter count", count);
    char id[64];
    for (int32_t i = 0; i < count; ++i) {
        IdentifierAt(i, id);
        identifiers_.push_back(Copy(id));
    }
}

bool FuzzInstance::Offered(const char* id) const {
    const std::array<char, 64> copy = Copy(id);
    return Contains(identifiers_, copy) || Contains(previousIdentifiers_, copy);
}

void FuzzInstance::Observe(void* context, int slot, const char* id, double value) {
    auto* self = static_cast<FuzzInstance*>(context);
    Check(!self->released_, "host request after the instance's release", slot);
    const Request request{Copy(id), slot, value};
    if (self->requestCount_ < static_cast<int>(self->requests_.size())) {
        self->requests_[static_cast<size_t>(self->requestCount_++)] = request;
    }
    if (slot == 5 && self->automation_.answerTo == nullptr && self->queued_.size() < 64) {
        self->queued_.push_back(request);
    }
}

void FuzzInstance::CheckAfterOperation(int32_t limit) {
    if (released_) {
        Check(HostCalls(automation_, controller_) == hostCallsAtRelease_,
              "host call after the instance's release");
        Check(controller_.references == 1 && automation_.references == 1,
              "references taken after the instance's release");
        return;
    }
    for (int i = 0; i < requestCount_; ++i) {
        const Request& request = requests_[static_cast<size_t>(i)];
        Check(Offered(request.id.data()), "host request names no parameter", request.slot);
        if (request.slot == 5) {
            Check(std::isfinite(request.value) && request.value >= 0.0 && request.value <= 1.0,
                  "set request outside 0 to 1");
        }
    }
    requestCount_ = 0;
    previousIdentifiers_ = identifiers_;
    const size_t checked = std::min(identifiers_.size(), static_cast<size_t>(limit));
    for (size_t i = 0; i < checked; ++i) {
        double value = -1.0;
        if (Known(ck_effect_get_normalized(effect_, identifiers_[i].data(), &value)) ==
            AAX_SUCCESS) {
            Check(std::isfinite(value) && value >= 0.0 && value <= 1.0,
                  "parameter value outside 0 to 1", static_cast<long long>(i));
        }
    }
}
