// The queue of the plug-in's reports from its blocks: oldest first, the newest dropped when full
// (end-edits last), one consumer at a time, nothing lost or repeated between a producer and
// several consumers.
#include "bridge/plugin_report_queue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "abi/vst2.h"

namespace {

PlugInReport Automate(int32_t index) {
    return PlugInReport{audioMasterAutomate, index, static_cast<float>(index)};
}

struct Delivered {
    PlugInReportQueue* queue = nullptr;
    std::vector<int32_t> indices;
    // While delivering this index: push one more report, and ask for a delivery from inside.
    int32_t pushAt = -1;
    int32_t nestAt = -1;
};

void Record(void* context, const PlugInReport& report) {
    auto* delivered = static_cast<Delivered*>(context);
    delivered->indices.push_back(report.index);
    if (report.index == delivered->pushAt) delivered->queue->Push(Automate(1000));
    if (report.index == delivered->nestAt) delivered->queue->DeliverAll(&Record, context);
}

void AppendIndex(void* context, const PlugInReport& report) {
    static_cast<std::vector<int32_t>*>(context)->push_back(report.index);
}

std::vector<int32_t> Range(int32_t first, int32_t last) {
    std::vector<int32_t> range;
    for (int32_t i = first; i <= last; ++i) range.push_back(i);
    return range;
}

TEST(PlugInReportQueue, DeliversOldestFirstIncludingWhatArrivesMeanwhile) {
    PlugInReportQueue queue;
    for (int32_t i = 1; i <= 3; ++i) EXPECT_TRUE(queue.Push(Automate(i)));
    Delivered delivered{&queue, {}, 2, 1};
    queue.DeliverAll(&Record, &delivered);
    EXPECT_EQ(delivered.indices, (std::vector<int32_t>{1, 2, 3, 1000}))
        << "a delivery asked for from inside one hands nothing on twice";
    delivered.indices.clear();
    queue.DeliverAll(&Record, &delivered);
    EXPECT_TRUE(delivered.indices.empty());
}

// Reports other than end-edits fill the queue up to its reserve; end-edits fill the reserve.
TEST(PlugInReportQueue, AFullQueueDropsTheNewestAndTakesReportsAgainOnceEmptied) {
    constexpr auto kCapacity = static_cast<int32_t>(PlugInReportQueue::kCapacity);
    constexpr auto kOthers = kCapacity - static_cast<int32_t>(PlugInReportQueue::kEndEditReserve);
    PlugInReportQueue queue;
    for (int32_t i = 1; i <= kOthers; ++i) ASSERT_TRUE(queue.Push(Automate(i)));
    EXPECT_FALSE(queue.Push(Automate(kOthers + 1)));
    EXPECT_FALSE(queue.Push(PlugInReport{audioMasterBeginEdit, kOthers + 1, 0.0f}));
    for (int32_t i = kOthers + 1; i <= kCapacity; ++i) {
        ASSERT_TRUE(queue.Push(PlugInReport{audioMasterEndEdit, i, 0.0f}));
    }
    for (int32_t i = 1; i <= 3; ++i) {
        EXPECT_FALSE(queue.Push(PlugInReport{audioMasterEndEdit, kCapacity + i, 0.0f}));
    }
    EXPECT_EQ(queue.Dropped(), 5u);
    Delivered delivered{&queue, {}, -1, -1};
    queue.DeliverAll(&Record, &delivered);
    EXPECT_EQ(delivered.indices, Range(1, kCapacity));

    EXPECT_TRUE(queue.Push(Automate(7)));
    delivered.indices.clear();
    queue.DeliverAll(&Record, &delivered);
    EXPECT_EQ(delivered.indices, (std::vector<int32_t>{7}));
    EXPECT_EQ(queue.Dropped(), 5u);
}

// One producer and two consumers at once: every report arrives once, in the order pushed.
TEST(PlugInReportQueue, OneProducerAndSeveralConsumersLoseNothing) {
    constexpr int32_t kReports = 20000;
    PlugInReportQueue queue;
    std::vector<int32_t> delivered;  // written by one consumer at a time
    std::atomic<bool> producing{true};
    auto consume = [&] {
        while (producing.load()) queue.DeliverAll(&AppendIndex, &delivered);
    };
    std::thread first(consume);
    std::thread second(consume);
    for (int32_t i = 0; i < kReports; ++i) {
        while (!queue.Push(Automate(i))) std::this_thread::yield();
    }
    producing = false;
    first.join();
    second.join();
    queue.DeliverAll(&AppendIndex, &delivered);
    EXPECT_EQ(delivered, Range(0, kReports - 1));
}

}  // namespace
