// The per-instance holder of the wrapped plug-in: the effect record, the MIDI event storage that
// the render callback reuses, and the editor rectangle. Every call that the wrapper makes into
// the plug-in on its own initiative goes through a usable VstInterface.
//
// Life of the plug-in behind it:
//   1. the owner sets its VstCallBack and attaches the loaded effect (the plug-in may call back
//      from now);
//   2. the owner brings the plug-in up (sample rate, parameters, effOpen, effMainsChanged 1);
//   3. blocks, parameter, chunk and editor calls, from several threads, without a lock;
//   4. destruction sends effClose, once, with the effect's user field cleared first; no call
//   reaches
//      the plug-in afterwards, nor in answer to its calls from inside effClose.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "abi/vst2.h"
#include "bridge/channel_layout.h"

class VstCallBack;

class VstInterface {
  public:
    static constexpr int32_t kEventBufferSize = 512;

    // Every event record is a MIDI event of byteSize 24 with all other fields zero.
    VstInterface();
    virtual ~VstInterface();
    VstInterface(const VstInterface&) = delete;
    VstInterface& operator=(const VstInterface&) = delete;

    // True while calls may reach the plug-in: it was loaded and destruction has not begun.
    bool IsUsable() const {
        return effect != nullptr && active.load(std::memory_order_relaxed) != 0;
    }

    // Stores the loaded effect (null when loading failed), points its user field at callBack,
    // makes callBack's room for the reports of its parameters and prepares the channel arrays for
    // its inputs and outputs. [main-thread]
    void Attach(AEffect* loaded);

    // Asks the plug-in for its editor rectangle (into editorRect), then opens its editor in
    // `window`. [main-thread]
    void OpenEditor(void* window);

    // One dispatcher call, made only while the plug-in is usable; 0 otherwise. [any thread]
    intptr_t Dispatch(int32_t opcode, int32_t index = 0, intptr_t value = 0, void* ptr = nullptr,
                      float opt = 0.0f);
    // The plug-in's parameters, or none while it is not usable. [any thread]
    int32_t NumParams() const { return IsUsable() ? effect->numParams : 0; }
    float GetParameter(int32_t index);
    void SetParameter(int32_t index, float value);

    // Render thread only: reused for every MIDI message of a block.
    std::unique_ptr<VstMidiEvent[]> eventBuffer;
    ChannelLayout channels;
    VstCallBack* callBack = nullptr;  // not owned
    AEffect* effect = nullptr;        // owned by the plug-in; null when loading failed
    std::atomic<int32_t> active{1};
    ERect* editorRect = nullptr;  // owned by the plug-in
};
static_assert(sizeof(std::atomic<int32_t>) == sizeof(int32_t));
