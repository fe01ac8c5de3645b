// The wrapper's side of the plug-in's host callback: one per instance, found through the
// plug-in's AEffect::user. It answers the plug-in's requests (identity, time, sample rate,
// parameter automation, display updates) and holds the transport state copied from the host's
// transport for the plug-in's time requests.
//
// Threads: the render thread writes the transport fields and the plug-in normally asks for the
// time from inside processReplacing on the same thread; its other requests come from the
// threads of its editor and of the host's non-real-time calls. No lock is taken. The render
// thread writes the transport under a sequence count, so a time request from any other thread
// reads a consistent copy of the last copied transport into a record of that thread's own; it
// never changes the stop detection and never sends an event to the plug-in.
//
// The plug-in's edit reports (automate, begin edit, end edit) made on the render thread during a
// block do not reach the effect's parameters there, whose host objects may allocate and lock:
// they wait in a queue of fixed size until the host's next non-real-time call on the instance
// hands them on (DeliverQueuedReports). Reports from any other thread are handed on at once.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "abi/vst2.h"
#include "bridge/plugin_report_queue.h"
#include "bridge/vst_automation_target.h"
#include "bridge/vst_editor_link.h"
#include "platform/platform.h"

class AAX_IController;
class MidiNode;
class AAXWrapper_Parameters;

class VstCallBack {
  public:
    static constexpr int32_t kParamIdBufferSize = 256;
    static constexpr int32_t kNoteOffBufferSize = 512;  // records of 32 bytes
    static constexpr double kDefaultSampleRate = 44100.0;

    explicit VstCallBack(AAXWrapper_Parameters* owner);
    virtual ~VstCallBack();
    VstCallBack(const VstCallBack&) = delete;
    VstCallBack& operator=(const VstCallBack&) = delete;

    // Answers the requests that need the instance (automate, time, size window, sample rate,
    // update display, begin and end edit); every other opcode gives 0. `effect` is the calling
    // plug-in, not null; answers call back into it while it is still inside this request.
    intptr_t HandleHostRequest(AEffect* effect, int32_t opcode, int32_t index, intptr_t value,
                               void* ptr, float opt);

    // Transport state. Written by the render thread when it copies a block's transport, except
    // wasPlaying, which only the time request brings up to date.
    std::atomic<int32_t> wasPlaying{0};
    std::atomic<int32_t> isPlaying{0};
    std::atomic<double> tempo{120.0};
    std::atomic<int32_t> meterNumerator{4};
    std::atomic<int32_t> meterDenominator{4};
    std::atomic<double> ppqPosition{0.0};
    std::atomic<double> ppqOrigin{0.0};
    std::atomic<int32_t> samplePosition{0};
    // Each is published with release after the values it covers.
    std::atomic<int32_t> tempoValid{0};
    std::atomic<int32_t> meterValid{0};
    std::atomic<int32_t> ppqValid{0};

    // The render callback brackets each block with these; `transportNode`, the block's node
    // that gives the host's transport, may be null. That transport is only valid inside the
    // block, and asking it costs the block several host calls, so it is copied only for a plug-in
    // that asks for the time: at the start of every block once it has asked (requests outside a
    // block then see the last block's transport), and before that at its first request inside a
    // block. [render-thread]
    void BeginBlock(MidiNode* transportNode) {
        renderThread_.store(platform::CurrentThreadToken(), std::memory_order_relaxed);
        insideBlock_.store(true, std::memory_order_relaxed);
        sliceOffset_.store(0, std::memory_order_relaxed);
        blockTransportNode_ = transportNode;
        blockTransportPending_ = true;
        if (timeRequested_.load(std::memory_order_relaxed)) CopyBlockTransport();
    }
    void EndBlock() {
        blockTransportPending_ = false;
        insideBlock_.store(false, std::memory_order_relaxed);
    }
    // A block that reaches the plug-in in slices: the frames before the slice that runs next,
    // by which the time requests of the render thread move the block's position on.
    // [render-thread]
    void SetSliceOffset(int32_t frames) { sliceOffset_.store(frames, std::memory_order_relaxed); }

    // True on the render thread between BeginBlock and EndBlock. Allocates nothing, locks
    // nothing. [any thread]
    bool InsideRenderBlock() const;
    // Called by each non-real-time call of the host on the instance, before it does anything
    // else: hands the reports queued during blocks on to the effect's parameters, oldest first.
    // `effect` is the plug-in, null when there is none. [non-real-time threads]
    void DeliverQueuedReports(AEffect* effect);

    // Identifier of the parameter named by the current request; the plug-in writes it.
    char paramIdBuffer[kParamIdBufferSize] = {};
    // The instance's editor while one is initialised; display updates reach nothing otherwise.
    VstEditorLink* editor = nullptr;
    VstTimeInfo timeInfo{};
    // The effect's parameters, once the effect-parameters object has linked itself; automation
    // requests are ignored while it is null.
    VstAutomationTarget* automationTarget = nullptr;
    AAXWrapper_Parameters* parameters;
    AAX_IController* controller = nullptr;
    std::unique_ptr<VstMidiEvent[]> noteOffBuffer;

  private:
    // The thread of the last block (platform::CurrentThreadToken), 0 before the first. Until then
    // every time request is answered as the render thread's.
    std::atomic<uintptr_t> renderThread_{0};
    // Odd while the render thread writes the transport fields.
    std::atomic<uint32_t> transportSequence_{0};
    // Set by the first time request from any thread.
    std::atomic<bool> timeRequested_{false};
    // The running block's transport node; read only while the block's transport has not been
    // copied. [render-thread]
    MidiNode* blockTransportNode_ = nullptr;
    bool blockTransportPending_ = false;
    // Between BeginBlock and EndBlock. Read only by a thread that found itself the render
    // thread; atomic because a host may move its rendering to another thread between blocks,
    // and the former render thread may then read it while the new one writes it.
    std::atomic<bool> insideBlock_{false};
    // Set by the render thread only; atomic for the same reason as insideBlock_.
    std::atomic<int32_t> sliceOffset_{0};
    // The block's transport into the transport fields, under the sequence count.
    void CopyBlockTransport();
    PlugInReportQueue reports_;

    // The rate the controller last gave; 0 before it was asked.
    mutable std::atomic<float> knownSampleRate_{0.0f};
    // The host's sample rate from the controller, or the default while there is none.
    float HostSampleRate() const;
    using IdentifierBuffer = char[kParamIdBufferSize];
    // Writes the plug-in's identifier of parameter `index` into `identifier`, always
    // terminated: the name under which the effect knows the matching AAX parameter.
    static void IdentifyParameter(AEffect* effect, int32_t index, IdentifierBuffer& identifier);
    // Passes automate, begin-edit and end-edit to the effect's parameter, identified in
    // `identifier`: paramIdBuffer for the plug-in's own requests, a buffer of the delivery's own
    // for queued reports, which reach the host while the plug-in may be naming another parameter
    // in paramIdBuffer from its own thread.
    void ForwardAutomation(AEffect* effect, int32_t opcode, int32_t index, float opt,
                           IdentifierBuffer& identifier);
    // Identifies every plug-in parameter in turn and tells the editor, if any, about each.
    void UpdateDisplay(AEffect* effect);
    // The transport fields as one time request sees them.
    struct TransportView {
        int32_t playing, tempoValid, meterValid, ppqValid;
        int32_t numerator, denominator, samplePosition;
        double tempo, ppqPosition;
    };
    TransportView ReadTransport() const;
    // Retries until no block wrote the fields in between.
    TransportView ReadConsistentTransport() const;
    void FillTime(VstTimeInfo& record, const TransportView& transport) const;
    // A playing position `frames` later, at the record's tempo and sample rate.
    static void MoveOn(VstTimeInfo& record, int32_t frames);
    VstTimeInfo* GetTime(AEffect* effect);
    void SendAllNotesOff(AEffect* effect);
};

static_assert(std::atomic<int32_t>::is_always_lock_free);
static_assert(std::atomic<double>::is_always_lock_free);
static_assert(sizeof(std::atomic<int32_t>) == 4 && sizeof(std::atomic<double>) == 8);
