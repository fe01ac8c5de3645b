#include <gtest/gtest.h>

#include <set>
#include <thread>
#include <vector>

#include "platform/platform.h"

TEST(PlatformMutex, SerialisesThreadsIncrementingOneCounter) {
    platform::MutexHandle* mutex = platform::CreateMutexHandle();
    ASSERT_NE(mutex, nullptr);
    int counter = 0;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&] {
            for (int i = 0; i < 10000; ++i) {
                platform::WaitMutex(mutex);
                ++counter;
                platform::ReleaseMutexHandle(mutex);
            }
        });
    }
    for (auto& thread : threads) thread.join();
    platform::CloseMutexHandle(mutex);
    EXPECT_EQ(counter, 40000);
}

TEST(PlatformThreadId, IsNonZeroStableAndDistinctPerThread) {
    const uint32_t mine = platform::CurrentThreadId();
    EXPECT_NE(mine, 0u);
    EXPECT_EQ(platform::CurrentThreadId(), mine);

    std::vector<uint32_t> ids(4);
    std::vector<std::thread> threads;
    for (size_t t = 0; t < ids.size(); ++t) {
        threads.emplace_back([&ids, t] { ids[t] = platform::CurrentThreadId(); });
    }
    for (auto& thread : threads) thread.join();
    std::set<uint32_t> distinct(ids.begin(), ids.end());
    distinct.insert(mine);
    EXPECT_EQ(distinct.size(), ids.size() + 1);
    EXPECT_EQ(distinct.count(0u), 0u);
}
