#include "tests/tools/demo_plugin/demo_host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/platform.h"

namespace {

VstPluginMainProc Entry() {
    static const VstPluginMainProc entry = [] {
        void* library = platform::LoadLibraryFile(DemoInstance::Installed().LibraryPath().c_str());
        return library != nullptr ? reinterpret_cast<VstPluginMainProc>(
                                        platform::FindLibrarySymbol(library, "main"))
                                  : nullptr;
    }();
    return entry;
}

}  // namespace

const InstalledPlugin& DemoInstance::Installed() {
    static const InstalledPlugin plugin(VQ318_DEMO_PLUGIN, "demo-plugin");
    return plugin;
}

DemoInstance::DemoInstance() {
    const VstPluginMainProc entry = Entry();
    if (entry != nullptr) effect_ = entry(&Callback);
    if (effect_ == nullptr) {
        ADD_FAILURE() << "the demo plug-in gave no instance";
        return;
    }
    effect_->user = this;
    time.sampleRate = kSampleRate;
}

DemoInstance::~DemoInstance() {
    if (effect_ != nullptr) Dispatch(effClose);
}

intptr_t DemoInstance::Dispatch(int32_t opcode, int32_t index, intptr_t value, void* ptr,
                                float opt) const {
    return effect_->dispatcher(effect_, opcode, index, value, ptr, opt);
}

void DemoInstance::SetParameter(int32_t index, float value) const {
    effect_->setParameter(effect_, index, value);
}

float DemoInstance::GetParameter(int32_t index) const {
    return effect_->getParameter(effect_, index);
}

void DemoInstance::Start() const {
    Dispatch(effSetSampleRate, 0, 0, nullptr, kSampleRate);
    Dispatch(effOpen);
    Dispatch(effMainsChanged, 0, 1);
}

std::vector<unsigned char> DemoInstance::Chunk() const {
    void* data = nullptr;
    const intptr_t size = Dispatch(effGetChunk, 0, 0, &data);
    if (size <= 0 || data == nullptr) return {};
    const auto* bytes = static_cast<const unsigned char*>(data);
    return {bytes, bytes + size};
}

void DemoInstance::SendMidi(int32_t frame, int status, int data1, int data2) const {
    VstMidiEvent event{};
    event.type = kVstMidiType;
    event.byteSize = sizeof event;
    event.deltaFrames = frame;
    event.midiData[0] = static_cast<char>(status);
    event.midiData[1] = static_cast<char>(data1);
    event.midiData[2] = static_cast<char>(data2);
    VstEvents events{};
    events.numEvents = 1;
    events.events[0] = reinterpret_cast<VstEvent*>(&event);
    Dispatch(effProcessEvents, 0, 0, &events);
}

std::vector<Channel> DemoInstance::Render(const std::vector<Channel>& input, int32_t block) {
    const size_t frames = input.at(0).size();
    std::vector<Channel> output(input.size(), Channel(frames));
    for (size_t first = 0; first < frames; first += static_cast<size_t>(block)) {
        const auto count = static_cast<int32_t>(std::min<size_t>(block, frames - first));
        float* inputs[2] = {const_cast<float*>(input[0].data() + first), nullptr};
        float* outputs[2] = {output[0].data() + first, nullptr};
        if (input.size() > 1) {
            inputs[1] = const_cast<float*>(input[1].data() + first);
            outputs[1] = output[1].data() + first;
        }
        effect_->processReplacing(effect_, inputs, outputs, count);
        time.samplePos += count;
        if ((time.flags & kVstPpqPosValid) != 0) {
            const double tempo = (time.flags & kVstTempoValid) != 0 ? time.tempo : 120.0;
            time.ppqPos += count * tempo / 60.0 / kSampleRate;
        }
    }
    return output;
}

std::vector<HostCall> DemoInstance::Calls() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return calls_;
}

int32_t DemoInstance::TimeRequests() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return timeRequests_;
}

intptr_t DemoInstance::LastTimeMask() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return lastTimeMask_;
}

intptr_t DemoInstance::Callback(AEffect* effect, int32_t opcode, int32_t index, intptr_t value,
                                void*, float opt) {
    if (effect == nullptr || effect->user == nullptr) return 0;
    return static_cast<DemoInstance*>(effect->user)->Answer(opcode, index, value, opt);
}

intptr_t DemoInstance::Answer(int32_t opcode, int32_t index, intptr_t value, float opt) {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (opcode != audioMasterGetTime) {
        calls_.push_back(HostCall{opcode, index, opt});
        return 0;
    }
    ++timeRequests_;
    lastTimeMask_ = value;
    return answersTime ? reinterpret_cast<intptr_t>(&time) : 0;
}

Channel Sine(double frequency, int32_t frames, float amplitude) {
    Channel signal(static_cast<size_t>(frames));
    for (int32_t i = 0; i < frames; ++i) {
        signal[i] = amplitude * static_cast<float>(std::sin(2.0 * std::numbers::pi * frequency * i /
                                                            DemoInstance::kSampleRate));
    }
    return signal;
}

Channel Constant(float value, int32_t frames) {
    return Channel(static_cast<size_t>(frames), value);
}

double Rms(const Channel& signal, size_t from, size_t to) {
    to = std::min(to, signal.size());
    if (from >= to) return 0.0;
    double sum = 0.0;
    for (size_t i = from; i < to; ++i) sum += static_cast<double>(signal[i]) * signal[i];
    return std::sqrt(sum / static_cast<double>(to - from));
}

std::vector<size_t> Troughs(const Channel& signal, float level) {
    std::vector<size_t> troughs;
    for (size_t i = 1; i + 1 < signal.size(); ++i) {
        // A flat bottom counts once, at its last frame.
        if (signal[i] < 0.1f * level && signal[i] <= signal[i - 1] && signal[i] < signal[i + 1]) {
            troughs.push_back(i);
        }
    }
    return troughs;
}
