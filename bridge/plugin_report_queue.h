// The plug-in's edit reports (automate, begin edit, end edit) made on the render thread during a
// block, kept until a non-real-time call of the host hands them on. Reports coalesce per
// parameter: only the latest automated value is kept, and edits are kept paired, so that a burst
// of any length costs the host one edit and one set request per parameter, carrying the
// plug-in's latest value. Parameters are handed on in the order the plug-in first reported them
// since the last delivery.
//
// Storage for every parameter is made once, before the first block (Prepare); the render thread
// is the one producer and never waits, allocates or locks. Consumers may come from several host
// threads: one of them takes the reports at a time.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

struct PlugInReport {
    int32_t opcode;  // audioMasterAutomate, audioMasterBeginEdit or audioMasterEndEdit
    int32_t index;   // the plug-in's parameter index
    float value;     // the automated value; 0 for the edits
};

class PlugInReportQueue {
  public:
    // Parameters past this index are not queued: a plug-in that announces more gets no storage
    // for them.
    static constexpr int32_t kMaxParameters = 1 << 16;

    PlugInReportQueue() = default;
    PlugInReportQueue(const PlugInReportQueue&) = delete;
    PlugInReportQueue& operator=(const PlugInReportQueue&) = delete;

    // Makes room for parameters 0 to `parameterCount` - 1 (at most kMaxParameters), forgetting
    // whatever was queued. Only while no block runs. [main-thread]
    void Prepare(int32_t parameterCount);

    // Producer only. A report of a parameter without room is dropped; false then.
    bool Push(const PlugInReport& report);

    // Calls `deliver(context, report)` for what each reported parameter has pending, parameter
    // by parameter: a begin edit when the host has not seen one open, the latest automated
    // value, then an end edit once the plug-in has ended every edit it began. Includes what is
    // pushed meanwhile. Returns at once while another consumer delivers, or when called from
    // inside a delivery: that one hands on everything.
    using DeliverProc = void (*)(void* context, const PlugInReport& report);
    void DeliverAll(DeliverProc deliver, void* context);

    // Reports dropped so far.
    uint64_t Dropped() const { return dropped_.load(std::memory_order_relaxed); }

  private:
    struct Parameter {
        // Written by the producer.
        std::atomic<uint64_t> automate{0};  // kPending | the value's bits
        std::atomic<uint32_t> begins{0};
        std::atomic<uint32_t> ends{0};
        // True while the parameter waits in the order of parameters to deliver.
        std::atomic<bool> listed{false};
        // The consumer's own.
        uint32_t takenBegins = 0;
        uint32_t takenEnds = 0;
        bool hostEditOpen = false;
    };
    static constexpr uint64_t kPending = uint64_t{1} << 32;

    void Deliver(int32_t index, DeliverProc deliver, void* context);

    std::unique_ptr<Parameter[]> parameters_;
    int32_t count_ = 0;
    // The order of parameters to deliver: each listed parameter once, so it never overflows.
    std::unique_ptr<std::atomic<int32_t>[]> order_;
    uint32_t orderMask_ = 0;  // its size, a power of two, minus one
    // Counts of parameters put in order and taken from it.
    std::atomic<uint32_t> listed_{0};
    std::atomic<uint32_t> taken_{0};
    std::atomic<bool> delivering_{false};
    std::atomic<uint64_t> dropped_{0};
};

static_assert(std::atomic<uint32_t>::is_always_lock_free);
static_assert(std::atomic<uint64_t>::is_always_lock_free);
static_assert(std::atomic<bool>::is_always_lock_free);
