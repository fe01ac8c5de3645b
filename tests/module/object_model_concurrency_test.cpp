#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "module/object_model.h"
#include "tests/module/test_object.h"

namespace {

constexpr int kThreads = 4;

TEST(ObjectModelConcurrency, ThreadsSharingAnObjectDeleteItExactlyOnce) {
    constexpr int kObjects = 200;
    constexpr int kRoundsPerThread = 200;
    LifeRecord record;
    const uint32_t before = ActiveObjectCount.load();

    std::vector<ITestCounter*> objects;
    for (int i = 0; i < kObjects; ++i) {
        ITestCounter* object = new TestObject(record);
        // One reference for each thread, which that thread gives back last.
        for (int t = 0; t < kThreads; ++t) object->AddRef();
        objects.push_back(object);
    }

    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&objects] {
            for (ITestCounter* object : objects) {
                for (int round = 0; round < kRoundsPerThread; ++round) {
                    object->AddRef();
                    object->Release();
                }
                object->Release();
            }
        });
    }
    for (auto& thread : threads) thread.join();

    EXPECT_EQ(record.destroyed, kObjects);
    EXPECT_EQ(record.finalized, kObjects);
    EXPECT_EQ(ActiveObjectCount.load(), before);
}

TEST(ObjectModelConcurrency, LiveCountIsExactWhileThreadsCreateAndReleaseObjects) {
    constexpr int kObjectsPerThread = 2000;
    LifeRecord record;
    const uint32_t before = ActiveObjectCount.load();

    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&record] {
            for (int i = 0; i < kObjectsPerThread; ++i) {
                ITestCounter* object = new TestObject(record);
                void* unknown = nullptr;
                object->QueryInterface(IID_IACFUnknown, &unknown);
                static_cast<IACFUnknown*>(unknown)->Release();
            }
        });
    }
    for (auto& thread : threads) thread.join();

    EXPECT_EQ(record.destroyed, kThreads * kObjectsPerThread);
    EXPECT_EQ(ActiveObjectCount.load(), before);
}

}  // namespace
