// A test that owns one stand-in of each host object and, when it ends, checks that the module
// gave back every reference that it took on them.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "tools/aaxhost/objects/automation_delegate.h"
#include "tools/aaxhost/objects/component_factory.h"
#include "tools/aaxhost/objects/controller.h"
#include "tools/aaxhost/objects/host_services.h"
#include "tools/aaxhost/objects/transport.h"
#include "tools/aaxhost/objects/view_container.h"

// A result that only host slot `hostSlot` answers with, so that a wrong slot shows in the answer.
inline Result DistinctResult(int32_t hostSlot) {
    return -30000 - hostSlot;
}

inline void SetDistinctResults(aaxhost::CallLog& log, int32_t firstSlot, int32_t lastSlot) {
    for (int32_t slot = firstSlot; slot <= lastSlot; ++slot) {
        log.SetResult(slot, DistinctResult(slot));
    }
}

class StandInHostTest : public testing::Test {
  protected:
    void TearDown() override {
        for (const aaxhost::StandInObject* object :
             std::initializer_list<const aaxhost::StandInObject*>{
                 &controller, &transport, &automation, &view, &services, &factory}) {
            EXPECT_EQ(object->OutstandingReferences(), 0);
        }
    }

    aaxhost::StandInController controller;
    aaxhost::StandInTransport transport;
    aaxhost::StandInAutomationDelegate automation;
    aaxhost::StandInViewContainer view;
    aaxhost::StandInHostServices services;
    aaxhost::StandInComponentFactory factory;
};

// One row of a forwarding table: an operation called through the module-side interface, the host
// slot that it must reach with the arguments that the host must see, and the wrapper's answer
// when the host interface that it needs is missing.
template <class Interface>
struct ForwardingRow {
    const char* operation;
    int32_t hostSlot;
    bool needsVersion2;
    Result (*call)(Interface&);
    std::vector<aaxhost::CallArgument> arguments;
    Result whenMissing;
};

// Calls every row through `wrapper` and checks that each reached its host slot once, with its
// arguments, and returned the host's result unchanged.
template <class Interface>
void ExpectEveryRowForwarded(Interface& wrapper, const aaxhost::CallLog& log,
                             const std::vector<ForwardingRow<Interface>>& rows) {
    for (const auto& row : rows) {
        SCOPED_TRACE(row.operation);
        const size_t before = log.Calls().size();
        EXPECT_EQ(row.call(wrapper), DistinctResult(row.hostSlot));
        const std::vector<aaxhost::Call> calls = log.Calls();
        ASSERT_EQ(calls.size(), before + 1);
        EXPECT_EQ(calls.back(), (aaxhost::Call{row.hostSlot, row.arguments}));
    }
}

template <class Interface>
std::vector<ForwardingRow<Interface>> RowsOfVersion(
    const std::vector<ForwardingRow<Interface>>& rows, bool version2) {
    std::vector<ForwardingRow<Interface>> selected;
    for (const auto& row : rows) {
        if (row.needsVersion2 == version2) selected.push_back(row);
    }
    return selected;
}

// Calls each row and checks that it answered its missing-interface result, reached no host slot
// and left every argument as it was. `arguments` is what the rows pass; it is reset before each.
template <class Interface, class Arguments>
void ExpectAnsweredWithoutHost(Interface& wrapper,
                               const std::vector<ForwardingRow<Interface>>& rows,
                               const aaxhost::CallLog& log, Arguments& arguments) {
    const size_t before = log.Calls().size();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.operation);
        arguments = Arguments{};
        EXPECT_EQ(row.call(wrapper), row.whenMissing);
        EXPECT_TRUE(arguments == Arguments{});
    }
    EXPECT_EQ(log.Calls().size(), before);
}
