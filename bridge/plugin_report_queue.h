// The plug-in's edit reports (automate, begin edit, end edit) made on the render thread during a
// block, kept until a non-real-time call of the host hands them on. Fixed capacity, allocated
// when the queue is made; the render thread is its one producer and never waits, allocates or
// locks. Consumers may come from several host threads: one of them takes the reports at a time.
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
    static constexpr uint32_t kCapacity = 1024;
    // The last slots take end-edits only, so that a host that has seen an edit begin sees it end
    // even when the queue fills up in between, as long as fewer edits than this are open at once.
    static constexpr uint32_t kEndEditReserve = 64;

    PlugInReportQueue();
    PlugInReportQueue(const PlugInReportQueue&) = delete;
    PlugInReportQueue& operator=(const PlugInReportQueue&) = delete;

    // Producer only. A full queue keeps what it holds and drops `report`, the newest: the older
    // reports are the start of edits the host has to see through. An end-edit counts as full only
    // at kCapacity, any other report at kCapacity - kEndEditReserve. False when dropped.
    bool Push(const PlugInReport& report);

    // Calls `deliver(context, report)` for every report, oldest first, including those pushed
    // meanwhile. Returns at once while another consumer delivers, or when called from inside a
    // delivery: that one hands on everything, in order.
    using DeliverProc = void (*)(void* context, const PlugInReport& report);
    void DeliverAll(DeliverProc deliver, void* context);

    // Reports dropped by a full queue so far.
    uint64_t Dropped() const { return dropped_.load(std::memory_order_relaxed); }

  private:
    std::unique_ptr<PlugInReport[]> slots_;
    // Counts of reports pushed and taken; their difference is the number held.
    std::atomic<uint32_t> pushed_{0};
    std::atomic<uint32_t> taken_{0};
    std::atomic<bool> delivering_{false};
    std::atomic<uint64_t> dropped_{0};
};

static_assert(std::atomic<uint32_t>::is_always_lock_free);
static_assert(std::atomic<uint64_t>::is_always_lock_free);
static_assert(std::atomic<bool>::is_always_lock_free);
