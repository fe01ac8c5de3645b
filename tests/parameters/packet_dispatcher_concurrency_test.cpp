#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "parameters/aax_packet_dispatcher.h"
#include "tests/support/recording_controller.h"

namespace {

// Fills the packet with whatever the shared counter holds at the time of the call.
class CounterHandler : public AAX_IPacketHandler {
  public:
    explicit CounterHandler(const std::atomic<int32_t>* counter) : mCounter(counter) {}
    CounterHandler* Clone() const override { return new CounterHandler(*this); }
    Result Call(ParameterId, AAX_CPacket& packet) const override {
        packet.SetValue(mCounter->load());
        return AAX_SUCCESS;
    }

  private:
    const std::atomic<int32_t>* mCounter;
};

int32_t PostedValue(const PostedPacket& post) {
    int32_t value = 0;
    std::memcpy(&value, post.payload.data(), sizeof(value));
    return value;
}

}  // namespace

TEST(PacketDispatchLock, HolderReentersWhileOtherThreadsWait) {
    std::atomic<int32_t> counter{0};
    RecordingController controller;
    AAX_CPacketDispatcher dispatcher;
    dispatcher.Initialize(&controller, nullptr);
    dispatcher.RegisterPacket("Gain", 6, CounterHandler(&counter));

    std::atomic<bool> otherDone{false};
    std::thread other;
    bool reentered = false;
    controller.onPost = [&] {
        if (reentered) return;
        reentered = true;
        other = std::thread([&] {
            dispatcher.SetDirty("Gain", true);
            otherDone = true;
        });
        // The holder's own calls go straight through.
        EXPECT_EQ(dispatcher.SetDirty("Gain", false), AAX_SUCCESS);
        EXPECT_EQ(dispatcher.RegisterPacket("Aux", 3, CounterHandler(&counter)), AAX_SUCCESS);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_FALSE(otherDone.load());
    };
    dispatcher.Dispatch();
    other.join();
    EXPECT_TRUE(otherDone.load());

    // The packet the other thread marked, and the one registered from inside (ordered before the
    // one being posted, so not reached in that pass), go out next.
    controller.posts.clear();
    dispatcher.Dispatch();
    std::set<uint32_t> fields;
    for (const PostedPacket& post : controller.posts) fields.insert(post.fieldIndex);
    EXPECT_EQ(fields, (std::set<uint32_t>{3, 6}));
}

TEST(PacketDispatchLock, ConcurrentChangesRegistrationsAndDispatchesLoseNoPost) {
    constexpr int32_t kChanges = 2000;
    constexpr uint32_t kLateRegistrations = 200;
    std::atomic<int32_t> counter{0};
    std::atomic<int32_t> lastPosted{0};
    RecordingController controller;
    // Runs on the dispatching thread while it holds the lock, after the post and before the
    // packet is marked clean: a change made now must not be lost.
    controller.onPost = [&] {
        if (controller.posts.back().fieldIndex != 0) return;
        lastPosted = PostedValue(controller.posts.back());
        std::this_thread::yield();
    };
    AAX_CPacketDispatcher dispatcher;
    dispatcher.Initialize(&controller, nullptr);
    dispatcher.RegisterPacket("Gain", 0, CounterHandler(&counter));
    std::atomic<int> writersLeft{2};

    // Each change waits until it has been posted; a lost post would leave it waiting.
    bool lost = false;
    std::thread changer([&] {
        for (int32_t i = 1; i <= kChanges && !lost; ++i) {
            counter = i;
            dispatcher.SetDirty("Gain", true);
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
            while (lastPosted.load() < i && !lost) {
                lost = std::chrono::steady_clock::now() > deadline;
                std::this_thread::yield();
            }
        }
        --writersLeft;
    });
    std::thread registrar([&] {
        for (uint32_t field = 1; field <= kLateRegistrations; ++field) {
            dispatcher.RegisterPacket(("Late" + std::to_string(field)).c_str(), field,
                                      CounterHandler(&counter));
        }
        --writersLeft;
    });
    std::thread poster([&] {
        while (writersLeft.load() > 0) dispatcher.Dispatch();
        dispatcher.Dispatch();
    });
    changer.join();
    registrar.join();
    poster.join();

    EXPECT_FALSE(lost);
    std::vector<int32_t> gainValues;
    std::multiset<uint32_t> lateFields;
    for (const PostedPacket& post : controller.posts) {
        if (post.fieldIndex == 0) {
            gainValues.push_back(PostedValue(post));
        } else {
            lateFields.insert(post.fieldIndex);
        }
    }
    ASSERT_FALSE(gainValues.empty());
    EXPECT_EQ(gainValues.back(), kChanges);
    EXPECT_TRUE(std::is_sorted(gainValues.begin(), gainValues.end()));
    EXPECT_EQ(lateFields.size(), kLateRegistrations);
    EXPECT_EQ(std::set<uint32_t>(lateFields.begin(), lateFields.end()).size(), kLateRegistrations);
}
