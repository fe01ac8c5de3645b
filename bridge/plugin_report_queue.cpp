#include "bridge/plugin_report_queue.h"

#include "abi/vst2.h"

PlugInReportQueue::PlugInReportQueue() : slots_(new PlugInReport[kCapacity]()) {}

bool PlugInReportQueue::Push(const PlugInReport& report) {
    const uint32_t pushed = pushed_.load(std::memory_order_relaxed);
    const uint32_t limit =
        report.opcode == audioMasterEndEdit ? kCapacity : kCapacity - kEndEditReserve;
    // Acquire: a slot the consumer has taken is free to be written once its count is seen.
    if (pushed - taken_.load(std::memory_order_acquire) >= limit) {
        dropped_.fetch_add(1, std::memory_order_relaxed);
        return false;
    }
    slots_[pushed % kCapacity] = report;
    pushed_.store(pushed + 1, std::memory_order_release);
    return true;
}

void PlugInReportQueue::DeliverAll(DeliverProc deliver, void* context) {
    // Checked again after each delivery ends: a report pushed while another consumer was just
    // finishing is not left behind.
    while (pushed_.load(std::memory_order_acquire) != taken_.load(std::memory_order_relaxed)) {
        bool expected = false;
        if (!delivering_.compare_exchange_strong(expected, true, std::memory_order_acquire)) {
            return;
        }
        for (;;) {
            const uint32_t taken = taken_.load(std::memory_order_relaxed);
            if (taken == pushed_.load(std::memory_order_acquire)) break;
            const PlugInReport report = slots_[taken % kCapacity];
            taken_.store(taken + 1, std::memory_order_release);
            deliver(context, report);
        }
        delivering_.store(false, std::memory_order_release);
    }
}
