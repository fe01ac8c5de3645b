#include "bridge/plugin_report_queue.h"

#include <algorithm>
#include <bit>

#include "abi/vst2.h"

void PlugInReportQueue::Prepare(int32_t parameterCount) {
    count_ = std::clamp(parameterCount, 0, kMaxParameters);
    parameters_.reset(count_ > 0 ? new Parameter[static_cast<size_t>(count_)] : nullptr);
    const uint32_t orderSize = std::bit_ceil(static_cast<uint32_t>(std::max(count_, 1)));
    order_.reset(new std::atomic<int32_t>[orderSize]());
    orderMask_ = orderSize - 1;
    listed_.store(0, std::memory_order_relaxed);
    taken_.store(0, std::memory_order_relaxed);
}

bool PlugInReportQueue::Push(const PlugInReport& report) {
    if (report.index < 0 || report.index >= count_) {
        dropped_.fetch_add(1, std::memory_order_relaxed);
        return false;
    }
    Parameter& parameter = parameters_[static_cast<size_t>(report.index)];
    // Release: the consumer that sees a count or the pending flag sees what came before it.
    switch (report.opcode) {
        case audioMasterAutomate:
            parameter.automate.store(kPending | std::bit_cast<uint32_t>(report.value),
                                     std::memory_order_release);
            break;
        case audioMasterBeginEdit:
            parameter.begins.store(parameter.begins.load(std::memory_order_relaxed) + 1,
                                   std::memory_order_release);
            break;
        case audioMasterEndEdit:
            parameter.ends.store(parameter.ends.load(std::memory_order_relaxed) + 1,
                                 std::memory_order_release);
            break;
        default:
            dropped_.fetch_add(1, std::memory_order_relaxed);
            return false;
    }
    if (parameter.listed.exchange(true, std::memory_order_acq_rel)) return true;
    // A parameter is put in order only while it is not listed, and the consumer takes it out
    // of the order before it unlists it: the order holds each parameter at most once, and its
    // size is at least the number of parameters.
    const uint32_t listed = listed_.load(std::memory_order_relaxed);
    order_[listed & orderMask_].store(report.index, std::memory_order_relaxed);
    listed_.store(listed + 1, std::memory_order_release);
    return true;
}

void PlugInReportQueue::DeliverAll(DeliverProc deliver, void* context) {
    // Checked again after each delivery ends: a parameter listed while another consumer was just
    // finishing is not left behind.
    while (listed_.load(std::memory_order_acquire) != taken_.load(std::memory_order_relaxed)) {
        bool expected = false;
        if (!delivering_.compare_exchange_strong(expected, true, std::memory_order_acquire)) {
            return;
        }
        for (;;) {
            const uint32_t taken = taken_.load(std::memory_order_relaxed);
            if (taken == listed_.load(std::memory_order_acquire)) break;
            const int32_t index = order_[taken & orderMask_].load(std::memory_order_relaxed);
            taken_.store(taken + 1, std::memory_order_release);
            Deliver(index, deliver, context);
        }
        delivering_.store(false, std::memory_order_release);
    }
}

void PlugInReportQueue::Deliver(int32_t index, DeliverProc deliver, void* context) {
    Parameter& parameter = parameters_[static_cast<size_t>(index)];
    // Unlisted first: a report from now on lists the parameter again, and what it changes is
    // either read below or delivered next time.
    parameter.listed.exchange(false, std::memory_order_acq_rel);
    // The ends before the begins: every end read has its begin read too.
    const uint32_t ends = parameter.ends.load(std::memory_order_acquire);
    const uint64_t automate = parameter.automate.fetch_and(~kPending, std::memory_order_acq_rel);
    const uint32_t begins = parameter.begins.load(std::memory_order_acquire);
    const bool began = begins != parameter.takenBegins;
    const bool ended = ends != parameter.takenEnds;
    parameter.takenBegins = begins;
    parameter.takenEnds = ends;

    if (began && !parameter.hostEditOpen) {
        parameter.hostEditOpen = true;
        deliver(context, PlugInReport{audioMasterBeginEdit, index, 0.0f});
    }
    if ((automate & kPending) != 0) {
        const auto value = std::bit_cast<float>(static_cast<uint32_t>(automate));
        deliver(context, PlugInReport{audioMasterAutomate, index, value});
    }
    // Edits still open stay open for the host too; it sees them end with the plug-in's last.
    if (ended && parameter.hostEditOpen && static_cast<int32_t>(begins - ends) <= 0) {
        parameter.hostEditOpen = false;
        deliver(context, PlugInReport{audioMasterEndEdit, index, 0.0f});
    }
}
