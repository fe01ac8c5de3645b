#include "tests/peers/direct_host.h"

#include "platform/platform.h"

namespace {

// The rate of the direct host being set up or rendering; one exists at a time.
float hostSampleRate = 44100.0f;

intptr_t AnswerPlugIn(AEffect* /*effect*/, int32_t opcode, int32_t /*index*/, intptr_t /*value*/,
                      void* /*ptr*/, float /*opt*/) {
    switch (opcode) {
        case audioMasterVersion:
            return 2400;
        case audioMasterGetSampleRate:
            return static_cast<intptr_t>(hostSampleRate);
        default:
            return 0;
    }
}

}  // namespace

DirectHost::DirectHost(const std::string& library, float sampleRate) {
    hostSampleRate = sampleRate;
    void* module = platform::LoadLibraryFile(library.c_str());
    if (module == nullptr) return;
    void* entry = platform::FindLibrarySymbol(module, "main");
    if (entry == nullptr) entry = platform::FindLibrarySymbol(module, "VSTPluginMain");
    if (entry == nullptr) return;
    effect_ = reinterpret_cast<VstPluginMainProc>(entry)(&AnswerPlugIn);
    if (effect_ == nullptr) return;
    effect_->dispatcher(effect_, effOpen, 0, 0, nullptr, 0.0f);
    effect_->dispatcher(effect_, effSetSampleRate, 0, 0, nullptr, sampleRate);
    effect_->dispatcher(effect_, effMainsChanged, 0, 1, nullptr, 0.0f);
}

DirectHost::~DirectHost() {
    if (effect_ == nullptr) return;
    effect_->dispatcher(effect_, effMainsChanged, 0, 0, nullptr, 0.0f);
    effect_->dispatcher(effect_, effClose, 0, 0, nullptr, 0.0f);
}

std::vector<std::vector<float>> DirectHost::Render(const std::vector<std::vector<float>>& inputs,
                                                   int32_t frames) {
    const auto size = static_cast<size_t>(frames);
    std::vector<std::vector<float>> in(static_cast<size_t>(effect_->numInputs),
                                       std::vector<float>(size));
    std::vector<std::vector<float>> out(static_cast<size_t>(effect_->numOutputs),
                                        std::vector<float>(size));
    std::vector<float*> inPointers;
    std::vector<float*> outPointers;
    for (size_t c = 0; c < in.size(); ++c) {
        if (c < inputs.size()) in[c] = inputs[c];
        inPointers.push_back(in[c].data());
    }
    for (std::vector<float>& channel : out) outPointers.push_back(channel.data());
    effect_->processReplacing(effect_, inPointers.data(), outPointers.data(), frames);
    return out;
}
