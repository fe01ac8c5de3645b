// A small VST 2.4 host for the demo plug-in's tests: it loads the built library through its
// installed copy, creates instances whose host callback records the plug-in's requests and
// answers its time requests from a record the test sets, and runs audio through them in blocks.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "abi/vst2.h"
#include "tests/support/installed_plugin.h"

using Channel = std::vector<float>;

struct HostCall {
    int32_t opcode;
    int32_t index;
    float opt;
};

class DemoInstance {
  public:
    static constexpr float kSampleRate = 44100.0f;

    // Calls the installed library's "main"; the test fails when there is no instance.
    DemoInstance();
    // Sends effClose, which ends the instance.
    ~DemoInstance();
    DemoInstance(const DemoInstance&) = delete;
    DemoInstance& operator=(const DemoInstance&) = delete;

    // The installed copy of the built plug-in, shared by every test of the program.
    static const InstalledPlugin& Installed();

    AEffect* Effect() const { return effect_; }
    intptr_t Dispatch(int32_t opcode, int32_t index = 0, intptr_t value = 0, void* ptr = nullptr,
                      float opt = 0.0f) const;
    void SetParameter(int32_t index, float value) const;
    float GetParameter(int32_t index) const;
    // What a host sends before the first block: sample rate, effOpen, effMainsChanged 1.
    void Start() const;
    // The bank chunk's bytes, as effGetChunk hands them out.
    std::vector<unsigned char> Chunk() const;
    // Hands over one MIDI message of three bytes for the next block.
    void SendMidi(int32_t frame, int status, int data1, int data2) const;

    // Runs `input` through the plug-in in blocks of `block` frames and returns the outputs; a
    // single input channel is processed as a mono host does, with null second channels. While
    // the time record says the position is valid it moves on by each block.
    std::vector<Channel> Render(const std::vector<Channel>& input, int32_t block = 256);

    // The plug-in's requests other than time requests, in order.
    std::vector<HostCall> Calls() const;
    int32_t TimeRequests() const;
    intptr_t LastTimeMask() const;

    // Answered to every time request; no answer at all when answersTime is false.
    VstTimeInfo time{};
    bool answersTime = true;

  private:
    static intptr_t Callback(AEffect* effect, int32_t opcode, int32_t index, intptr_t value,
                             void* ptr, float opt);
    intptr_t Answer(int32_t opcode, int32_t index, intptr_t value, float opt);

    AEffect* effect_ = nullptr;
    mutable std::mutex mutex_;
    std::vector<HostCall> calls_;
    int32_t timeRequests_ = 0;
    intptr_t lastTimeMask_ = 0;
};

// Test signals and their measures.
Channel Sine(double frequency, int32_t frames, float amplitude = 0.5f);
Channel Constant(float value, int32_t frames);
double Rms(const Channel& signal, size_t from = 0, size_t to = SIZE_MAX);
// Frames at which a full-depth tremolo on a constant input bottoms out: local minima below
// a tenth of the level.
std::vector<size_t> Troughs(const Channel& signal, float level);
