// What the wrapper remembers of the set requests made for the plug-in's edits: echoes of the
// agreed value are not requested, stale answers are not handed to the plug-in.
#include "parameters/plugin_set_requests.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A step: the plug-in reports `value` while the host holds `hostValue`, or (hostValue < 0) the
// host hands `value` over; `passes` is what the ledger answers.
struct Step {
    double value;
    double hostValue;
    bool passes;
};

TEST(PlugInSetRequests, PassesOnlyWhatTheOtherSideDoesNotHold) {
    constexpr double kHands = -1.0;
    const struct {
        const char* name;
        std::vector<Step> steps;
    } cases[] = {
        {"an echo of the agreed value", {{0.5, 0.5, false}}},
        {"a new value, then its answer", {{0.25, 0.5, true}, {0.25, kHands, true}}},
        {"the host's own value", {{0.7, kHands, true}}},
        {"answers in order: the older is stale",
         {{0.1, 0.5, true}, {0.2, 0.5, true}, {0.1, kHands, false}, {0.2, kHands, true}}},
        {"only the latest answered",
         {{0.1, 0.5, true}, {0.2, 0.5, true}, {0.2, kHands, true}, {0.1, kHands, true}}},
        {"a report while a request is on its way, even of the host's value",
         {{0.1, 0.5, true}, {0.5, 0.5, true}, {0.1, kHands, false}, {0.5, kHands, true}}},
        {"the host's own value between answers",
         {{0.1, 0.5, true}, {0.2, 0.5, true}, {0.9, kHands, true}, {0.1, kHands, false}}},
        {"after the last answer the agreed value is an echo again",
         {{0.3, 0.5, true}, {0.3, kHands, true}, {0.3, 0.3, false}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PlugInSetRequests requests;
        int parameter = 0;
        for (size_t i = 0; i < c.steps.size(); ++i) {
            const Step& step = c.steps[i];
            const auto* id = reinterpret_cast<const AAX_IParameter*>(&parameter);
            const bool passes = step.hostValue == kHands
                                    ? requests.Answer(id, step.value)
                                    : requests.Report(id, step.value, step.hostValue);
            EXPECT_EQ(passes, step.passes) << "step " << i;
        }
    }
}

TEST(PlugInSetRequests, KeepsParametersApartAndForgetsOnClear) {
    int first = 0;
    int second = 0;
    const auto* a = reinterpret_cast<const AAX_IParameter*>(&first);
    const auto* b = reinterpret_cast<const AAX_IParameter*>(&second);
    PlugInSetRequests requests;
    EXPECT_TRUE(requests.Report(a, 0.1, 0.5));
    EXPECT_TRUE(requests.Report(a, 0.2, 0.5));
    EXPECT_TRUE(requests.Answer(b, 0.1)) << "no request of this parameter";
    EXPECT_FALSE(requests.Answer(a, 0.1));
    requests.Clear();
    EXPECT_TRUE(requests.Answer(a, 0.1));
    EXPECT_FALSE(requests.Report(a, 0.5, 0.5));
}

// A host that answers none: the oldest requests are forgotten, so their late answers count as
// the host's own.
TEST(PlugInSetRequests, ForgetsTheOldestOfUnansweredRequests) {
    int parameter = 0;
    const auto* id = reinterpret_cast<const AAX_IParameter*>(&parameter);
    PlugInSetRequests requests;
    const auto kept = static_cast<int>(PlugInSetRequests::kMaxUnanswered);
    for (int i = 0; i <= kept; ++i) EXPECT_TRUE(requests.Report(id, i / 1024.0, 1.0));
    EXPECT_TRUE(requests.Answer(id, 0.0)) << "forgotten";
    EXPECT_FALSE(requests.Answer(id, 1 / 1024.0));
    EXPECT_TRUE(requests.Answer(id, kept / 1024.0));
}

}  // namespace
