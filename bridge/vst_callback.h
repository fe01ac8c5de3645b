// The wrapper's side of the plug-in's host callback: one per instance, found through the
// plug-in's AEffect::user. It answers the plug-in's requests (identity, time, sample rate,
// parameter automation, display updates) and holds the transport state copied from the host's
// transport for the plug-in's time requests.
//
// Threads: the render thread writes the transport fields and the plug-in normally asks for the
// time from inside processReplacing on the same thread; its other requests come from the
// threads of its editor and of the host's non-real-time calls. The render thread takes no lock
// and never calls the controller: it answers with the sample rate learned at initialisation (or
// read from the controller since by another thread). It writes the transport under a sequence
// count, so a time request from any other thread reads a consistent copy of the last copied
// transport into a record of this instance and that thread's own. Requests from every thread
// move the stop detection alike; a stop that another thread finds reaches the plug-in as an
// event at the start of the render thread's next block, never from the asking thread.
//
// The plug-in's edit reports (automate, begin edit, end edit) made on the render thread during a
// block do not reach the effect's parameters there, whose host objects may allocate and lock:
// they wait, coalesced per parameter, until the host's next non-real-time call on the instance
// hands them on (DeliverQueuedReports). Reports from any other thread are handed on at once.
//
// Each request that names a parameter has its identifier written into a buffer of its own, on
// its own stack: requests of the plug-in's editor thread, of the render thread and of the host's
// calls (a report made during setParameter) may overlap without changing each other's.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>

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

    // Transport state. Written by the render thread when it copies a block's transport.
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
        blockTransportNode_ = transportNode;
        blockTransportPending_ = true;
        if (timeRequested_.load(std::memory_order_relaxed)) CopyBlockTransport();
    }
    void EndBlock() {
        blockTransportPending_ = false;
        insideBlock_.store(false, std::memory_order_relaxed);
    }
    // A block that reaches the plug-in in slices: the frames before the slice that runs next,
    // by which the time requests of the render thread move the block's position on; 0 again
    // after the last slice. [render-thread]
    void SetSliceOffset(int32_t frames) { sliceOffset_.store(frames, std::memory_order_relaxed); }

    // Sends the all-notes-off of a stop that a time request from another thread found, once.
    // Called after BeginBlock, before the block's MIDI. [render-thread]
    void DeliverFoundStop(AEffect* effect) {
        if (stopFound_.load(std::memory_order_relaxed)) SendFoundStop(effect);
    }

    // The playing state that the plug-in's last time request saw, on whichever thread it asked.
    // A block that plays while this is 0 starts playback. [any thread]
    int32_t WasPlaying() const;

    // The rate the plug-in was just given at initialisation; the render thread answers with it
    // from now on. [non-real-time threads]
    void LearnSampleRate(float rate);

    // True on the render thread between BeginBlock and EndBlock. Allocates nothing, locks
    // nothing. [any thread]
    bool InsideRenderBlock() const;
    // Makes room for the reports of the plug-in's `parameterCount` parameters from its blocks.
    // Before the first block. [main-thread]
    void PrepareReports(int32_t parameterCount) { reports_.Prepare(parameterCount); }
    // Called by each non-real-time call of the host on the instance, before it does anything
    // else: hands the reports queued during blocks on to the effect's parameters, in the order
    // the plug-in first reported each parameter. `effect` is the plug-in, null when there is
    // none. [non-real-time threads]
    void DeliverQueuedReports(AEffect* effect);

    // The instance's editor while one is initialised; display updates reach nothing otherwise.
    VstEditorLink* editor = nullptr;
    // The render thread's time record; other threads get records of their own.
    VstTimeInfo timeInfo{};
    // The effect's parameters, once the effect-parameters object has linked itself; automation
    // requests are ignored while it is null.
    VstAutomationTarget* automationTarget = nullptr;
    AAXWrapper_Parameters* parameters;
    // Set and cleared by the host's non-real-time calls while the plug-in's threads may ask.
    std::atomic<AAX_IController*> controller{nullptr};
    std::unique_ptr<VstMidiEvent[]> noteOffBuffer;

  private:
    // The thread of the last block (platform::CurrentThreadToken), 0 before the first. Until then
    // every time request is answered as another thread's.
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

    // The rate learned at the last initialisation or read from the controller since; the default
    // until then. A request while no controller is attached never changes it.
    mutable std::atomic<float> knownSampleRate_{static_cast<float>(kDefaultSampleRate)};
    // Off the render thread the controller's rate, which is learned; else, and when the
    // controller gives none, the rate learned last.
    float HostSampleRate() const;
    using IdentifierBuffer = char[kParamIdBufferSize];
    // Writes the plug-in's identifier of parameter `index` into `identifier`, always
    // terminated: the name under which the effect knows the matching AAX parameter.
    static void IdentifyParameter(AEffect* effect, int32_t index, IdentifierBuffer& identifier);
    // Passes automate, begin-edit and end-edit to the effect's parameter, identified in
    // `identifier`, a buffer of the caller's own.
    void ForwardAutomation(AEffect* effect, int32_t opcode, int32_t index, float opt,
                           IdentifierBuffer& identifier);
    // Identifies every plug-in parameter in turn and tells the editor, if any, about each.
    void UpdateDisplay(AEffect* effect);
    // The transport fields as one time request sees them, and the sequence count of that copy.
    struct TransportView {
        int32_t playing, tempoValid, meterValid, ppqValid;
        int32_t numerator, denominator, samplePosition;
        double tempo, ppqPosition;
        uint32_t sequence;
    };
    TransportView ReadTransport() const;
    // Retries until no block wrote the fields in between.
    TransportView ReadConsistentTransport() const;
    void FillTime(VstTimeInfo& record, const TransportView& transport) const;
    // A playing position `frames` later, at the record's tempo and sample rate.
    static void MoveOn(VstTimeInfo& record, int32_t frames);
    VstTimeInfo* GetTime(AEffect* effect);
    void SendAllNotesOff(AEffect* effect);

    // What the time requests saw last: the sequence count of the copy they read (above bit 0)
    // and its playing state (bit 0). A request that read an older copy than that changes
    // nothing, so that a reader on another thread that lags a block can neither report a stop
    // twice nor make the next block a start that moves the position's origin.
    std::atomic<uint64_t> seenTransport_{0};
    // Records `transport` as seen; true for the one request that first sees it stopped after
    // playing.
    bool SeeTransport(const TransportView& transport);
    // A stop found off the render thread, for the render thread's next block.
    std::atomic<bool> stopFound_{false};
    void SendFoundStop(AEffect* effect);

    // The time records of threads other than the render thread, one per thread and kept while
    // the instance lives: the plug-in may hold a record until that thread asks again. A thread
    // that ends leaves its record to a later thread that the platform gives the same identity.
    std::mutex otherThreadRecordsMutex_;
    std::unordered_map<uintptr_t, VstTimeInfo> otherThreadRecords_;
    // The calling thread's record, null when there is no memory for one. [non-real-time threads]
    VstTimeInfo* OtherThreadRecord(uintptr_t thread);
};

static_assert(std::atomic<int32_t>::is_always_lock_free);
static_assert(std::atomic<double>::is_always_lock_free);
static_assert(sizeof(std::atomic<int32_t>) == 4 && sizeof(std::atomic<double>) == 8);
