// The render command's parts: events laid on blocks, the handover of blocks between the host
// thread and the render thread, and the count of the render thread's forbidden calls with the
// place of the first.
#include <gtest/gtest.h>
#include <pthread.h>

#include <atomic>
#include <cstdlib>
#include <thread>

#include "tools/aaxhost/program/block_events.h"
#include "tools/aaxhost/program/block_handover.h"
#include "tools/aaxhost/program/code_location.h"
#include "tools/aaxhost/program/realtime_calls.h"
#include "tools/aaxhost/program/render_allocations.h"

namespace {

TEST(BlockEvents, GivesAutomationOnceWhenDueAndMidiWithOffsets) {
    aaxhost::BlockEvents events(
        {{0.0, "gain", 0.5, 1}, {0.01, "gain", 0.25, 2}, {0.02, "tone", 1.0, 3}},
        {{0.0, {0x90, 60, 100}, 1}, {0.0015, {0x80, 60, 0}, 2}, {0.003, {0xB0, 1, 64}, 3}}, 1000.0);
    // Frames: automation at 0, 10 and 20; MIDI at 0, 1.5 (rounds to 2) and 3.
    std::vector<aaxhost::AutomationPoint> due = events.AutomationDue(0);
    ASSERT_EQ(due.size(), 1u);
    EXPECT_EQ(due[0].line, 1);
    EXPECT_TRUE(events.AutomationDue(9).empty());
    due = events.AutomationDue(25);
    ASSERT_EQ(due.size(), 2u);
    EXPECT_EQ(due[1].identifier, "tone");
    EXPECT_TRUE(events.AutomationDue(100).empty()) << "each point once";

    std::vector<MidiPacket> packets = events.MidiIn(0, 3);
    ASSERT_EQ(packets.size(), 2u);
    EXPECT_EQ(packets[0].mTimestamp, 0u);
    EXPECT_EQ(packets[1].mTimestamp, 2u);
    EXPECT_EQ(packets[1].mData[0], 0x80);
    EXPECT_EQ(packets[1].mLength, 3u);
    packets = events.MidiIn(3, 3);
    ASSERT_EQ(packets.size(), 1u);
    EXPECT_EQ(packets[0].mTimestamp, 0u) << "offset within its own block";
    EXPECT_EQ(packets[0].mData[2], 64);
    EXPECT_TRUE(events.MidiIn(6, 100).empty());
}

// Does each block it is handed over until stopped, counting them.
std::thread CountingRenderThread(aaxhost::BlockHandover& handover, int64_t& blocks) {
    return std::thread([&handover, &blocks] {
        while (handover.AwaitBlock()) {
            ++blocks;
            handover.FinishBlock();
        }
    });
}

// Many round trips in a row: a wake-up lost between the two threads leaves both asleep, and the
// test does not end.
TEST(BlockHandover, RunsEachBlockOnceBeforeRunReturns) {
    constexpr int64_t kBlocks = 20000;
    aaxhost::BlockHandover handover;
    int64_t blocks = 0;
    std::thread render = CountingRenderThread(handover, blocks);
    int64_t notDoneOnReturn = 0;
    for (int64_t block = 1; block <= kBlocks; ++block) {
        handover.Run();
        notDoneOnReturn += blocks == block ? 0 : 1;
    }
    handover.Stop();
    render.join();
    EXPECT_EQ(notDoneOnReturn, 0);
    EXPECT_EQ(blocks, kBlocks);
}

TEST(BlockHandover, StopEndsTheRenderThreadWithoutABlock) {
    aaxhost::BlockHandover handover;
    int64_t blocks = 0;
    std::thread render = CountingRenderThread(handover, blocks);
    handover.Stop();
    render.join();
    EXPECT_EQ(blocks, 0);
}

// Allocations the optimizer cannot leave out: each passes through an atomic.
std::atomic<int*> sink{nullptr};

void AllocateAndFree() {
    sink.store(new int(1));
    delete sink.load();
}

TEST(RenderAllocations, CountsOnlyOnTheThreadThatCounts) {
    const uint64_t before = aaxhost::CountedAllocations();
    std::thread(AllocateAndFree).join();
    EXPECT_EQ(aaxhost::CountedAllocations(), before) << "a thread that does not count";

    std::thread([] {
        aaxhost::CountAllocationsOnThisThread(true);
        AllocateAndFree();
        AllocateAndFree();
        aaxhost::CountAllocationsOnThisThread(false);
        AllocateAndFree();
    }).join();
    EXPECT_EQ(aaxhost::CountedAllocations(), before + 4) << "each new and each delete";
}

std::atomic<void*> block{nullptr};
pthread_mutex_t mutex = PTHREAD_MUTEX_INITIALIZER;

// The first forbidden call of a watching thread is kept by name with its caller, which is placed
// in this program; operator new counts once, not again for the allocator call it makes.
TEST(RealtimeCalls, KeepTheFirstCallAndPlaceItsCaller) {
    const struct {
        const char* function;
        void (*call)();
        RealtimeCallKind kind;
        long calls;
        bool interposedOnly;
    } rows[] = {
        {"operator new", AllocateAndFree, kRealtimeAllocation, 2, false},
        {"operator new",
         [] {
             sink.store(new int[3]);
             delete[] sink.load();
         },
         kRealtimeAllocation, 2, false},
        {"malloc",
         [] {
             block.store(std::malloc(24));
             std::free(block.load());
         },
         kRealtimeAllocation, 2, true},
        {"pthread_mutex_lock",
         [] {
             pthread_mutex_lock(&mutex);
             pthread_mutex_unlock(&mutex);
         },
         kRealtimeMutex, 2, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.function);
        if (row.interposedOnly && RealtimeInterposed() == 0) continue;
        RealtimeReset();
        RealtimeCall first{};
        std::thread(row.call).join();
        EXPECT_EQ(RealtimeFirst(&first), 0) << "not watching";
        std::thread([&] {
            RealtimeWatch(1);
            row.call();
            RealtimeWatch(0);
        }).join();
        EXPECT_EQ(RealtimeCount(row.kind), row.calls);
        ASSERT_EQ(RealtimeFirst(&first), 1);
        EXPECT_STREQ(first.function, row.function);
        // The program's file, then the nearest symbol, if any, and the offset.
        const std::string location = aaxhost::CodeLocation(first.caller);
        const size_t file = location.find("aaxhost_program_test");
        const size_t open = location.find('(', file);
        ASSERT_NE(open, std::string::npos) << location;
        EXPECT_NE(location.find("+0x", open), std::string::npos) << location;
        EXPECT_EQ(location.back(), ')') << location;
    }
    RealtimeReset();
}

}  // namespace
