// The queue of the plug-in's reports from its blocks: per parameter the latest value and edits
// kept paired, parameters in the order first reported, one consumer at a time, and between a
// producer and several consumers nothing stale delivered and the latest value always last.
#include "bridge/plugin_report_queue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "abi/vst2.h"

namespace {

// Reports written as text: "B0" begins an edit of parameter 0, "A0=0.5" automates it, "E0" ends
// the edit.
PlugInReport Parse(const std::string& text) {
    const int32_t opcode = text[0] == 'B'   ? audioMasterBeginEdit
                           : text[0] == 'E' ? audioMasterEndEdit
                                            : audioMasterAutomate;
    const size_t equals = text.find('=');
    const int32_t index = std::stoi(text.substr(1, equals));
    const float value = equals == std::string::npos ? 0.0f : std::stof(text.substr(equals + 1));
    return PlugInReport{opcode, index, value};
}

std::string Format(const PlugInReport& report) {
    char text[32];
    if (report.opcode == audioMasterAutomate) {
        std::snprintf(text, sizeof text, "A%d=%g", report.index, static_cast<double>(report.value));
    } else {
        std::snprintf(text, sizeof text, "%c%d", report.opcode == audioMasterBeginEdit ? 'B' : 'E',
                      report.index);
    }
    return text;
}

void AppendText(void* context, const PlugInReport& report) {
    static_cast<std::vector<std::string>*>(context)->push_back(Format(report));
}

// Reports pushed, then what one delivery hands on.
struct Round {
    std::vector<std::string> pushed;
    std::vector<std::string> delivered;
};

struct Case {
    const char* name;
    std::vector<Round> rounds;
};

TEST(PlugInReportQueue, CoalescesEachParameterToItsLatestValueWithEditsPaired) {
    const Case cases[] = {
        {"a burst of edits becomes one edit with the last value",
         {{{"B0", "A0=0.1", "E0", "B0", "A0=0.2", "E0", "B0", "A0=0.3", "E0"},
           {"B0", "A0=0.3", "E0"}}}},
        {"bare automates keep the last value only",
         {{{"A1=0.1", "A1=0.7", "A1=0.25"}, {"A1=0.25"}}}},
        {"parameters in the order first reported",
         {{{"A2=0.1", "A0=0.2", "A2=0.3", "B1", "E1"}, {"A2=0.3", "A0=0.2", "B1", "E1"}}}},
        {"an edit still open stays open until the plug-in ends it",
         {{{"B0", "A0=0.1"}, {"B0", "A0=0.1"}},
          {{"A0=0.2"}, {"A0=0.2"}},
          {{"A0=0.4", "E0"}, {"A0=0.4", "E0"}}}},
        {"an edit ended and begun again meanwhile stays open",
         {{{"B0", "A0=0.1"}, {"B0", "A0=0.1"}},
          {{"E0", "B0", "A0=0.3"}, {"A0=0.3"}},
          {{"E0"}, {"E0"}}}},
        {"nested edits end with the last end", {{{"B0", "B0", "E0"}, {"B0"}}, {{"E0"}, {"E0"}}}},
        {"an end the host saw no begin of is not handed on",
         {{{"E0"}, {}}, {{"B0", "E0"}, {"B0", "E0"}}}},
        {"a value after the end is handed on before it",
         {{{"B0", "A0=0.1", "E0", "A0=0.6"}, {"B0", "A0=0.6", "E0"}}}},
        {"nothing reported, nothing handed on", {{{}, {}}, {{"A0=0.5"}, {"A0=0.5"}}, {{}, {}}}},
        {"parameters without room are dropped", {{{"A3=0.5", "A-1=0.5", "B7"}, {}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PlugInReportQueue queue;
        queue.Prepare(3);
        for (const Round& round : c.rounds) {
            for (const std::string& report : round.pushed) queue.Push(Parse(report));
            std::vector<std::string> delivered;
            queue.DeliverAll(&AppendText, &delivered);
            EXPECT_EQ(delivered, round.delivered);
        }
    }
}

TEST(PlugInReportQueue, CountsWhatItDrops) {
    PlugInReportQueue unprepared;
    EXPECT_FALSE(unprepared.Push(Parse("A0=0.5")));
    EXPECT_EQ(unprepared.Dropped(), 1u);

    PlugInReportQueue queue;
    queue.Prepare(2);
    EXPECT_TRUE(queue.Push(Parse("A1=0.5")));
    EXPECT_FALSE(queue.Push(Parse("A2=0.5")));
    EXPECT_FALSE(queue.Push(PlugInReport{audioMasterIdle, 0, 0.0f}));
    EXPECT_EQ(queue.Dropped(), 2u);

    PlugInReportQueue huge;
    huge.Prepare(PlugInReportQueue::kMaxParameters + 5);
    EXPECT_TRUE(
        huge.Push(PlugInReport{audioMasterAutomate, PlugInReportQueue::kMaxParameters - 1, 0.5f}));
    EXPECT_FALSE(
        huge.Push(PlugInReport{audioMasterAutomate, PlugInReportQueue::kMaxParameters, 0.5f}));
}

struct Delivered {
    PlugInReportQueue* queue = nullptr;
    std::vector<std::string> texts;
    // While delivering this text: push `pushed`, and ask for a delivery from inside.
    std::string pushAt;
    std::string pushed;
    std::string nestAt;
};

void Record(void* context, const PlugInReport& report) {
    auto* delivered = static_cast<Delivered*>(context);
    const std::string text = Format(report);
    delivered->texts.push_back(text);
    if (text == delivered->pushAt) delivered->queue->Push(Parse(delivered->pushed));
    if (text == delivered->nestAt) delivered->queue->DeliverAll(&Record, context);
}

TEST(PlugInReportQueue, ADeliveryHandsOnWhatArrivesMeanwhileOnce) {
    const struct {
        const char* name;
        std::string pushed;
        std::vector<std::string> delivered;
    } cases[] = {
        {"a parameter not yet delivered", "A2=0.9", {"A0=0.1", "A1=0.2", "A2=0.9"}},
        {"the parameter being delivered comes again", "A1=0.9", {"A0=0.1", "A1=0.2", "A1=0.9"}},
        {"one delivered before comes again", "A0=0.9", {"A0=0.1", "A1=0.2", "A0=0.9"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PlugInReportQueue queue;
        queue.Prepare(3);
        queue.Push(Parse("A0=0.1"));
        queue.Push(Parse("A1=0.2"));
        Delivered delivered{&queue, {}, "A1=0.2", c.pushed, "A0=0.1"};
        queue.DeliverAll(&Record, &delivered);
        EXPECT_EQ(delivered.texts, c.delivered) << "a delivery asked for from inside one hands "
                                                   "nothing on twice";
        delivered.texts.clear();
        queue.DeliverAll(&Record, &delivered);
        EXPECT_TRUE(delivered.texts.empty());
    }
}

// What consumers saw of each parameter, written by one consumer at a time.
struct Seen {
    static constexpr int32_t kParameters = 3;
    float last[kParameters] = {};
    bool open[kParameters] = {};
    int32_t staleValues = 0;
    int32_t unpairedEdits = 0;
};

void Check(void* context, const PlugInReport& report) {
    auto* seen = static_cast<Seen*>(context);
    const auto i = static_cast<size_t>(report.index);
    if (report.opcode == audioMasterAutomate) {
        if (report.value <= seen->last[i]) ++seen->staleValues;
        seen->last[i] = report.value;
    } else {
        const bool begins = report.opcode == audioMasterBeginEdit;
        if (seen->open[i] == begins) ++seen->unpairedEdits;
        seen->open[i] = begins;
    }
}

// One producer and two consumers at once: values only ever rise, edits alternate, and the last
// value handed on is the last one pushed.
TEST(PlugInReportQueue, OneProducerAndSeveralConsumersEndOnTheLatestValue) {
    constexpr int32_t kReports = 30000;
    PlugInReportQueue queue;
    queue.Prepare(Seen::kParameters);
    Seen seen;
    std::atomic<bool> producing{true};
    auto consume = [&] {
        while (producing.load()) queue.DeliverAll(&Check, &seen);
    };
    std::thread first(consume);
    std::thread second(consume);
    for (int32_t i = 1; i <= kReports; ++i) {
        const int32_t index = i % Seen::kParameters;
        const auto value = static_cast<float>(i);
        if (i % 5 == 0) queue.Push(PlugInReport{audioMasterBeginEdit, index, 0.0f});
        queue.Push(PlugInReport{audioMasterAutomate, index, value});
        if (i % 5 == 0) queue.Push(PlugInReport{audioMasterEndEdit, index, 0.0f});
    }
    producing = false;
    first.join();
    second.join();
    queue.DeliverAll(&Check, &seen);
    EXPECT_EQ(seen.staleValues, 0);
    EXPECT_EQ(seen.unpairedEdits, 0);
    for (int32_t index = 0; index < Seen::kParameters; ++index) {
        EXPECT_EQ(seen.last[index], static_cast<float>(kReports - (kReports - index) % 3)) << index;
        EXPECT_FALSE(seen.open[index]) << index;
    }
}

}  // namespace
