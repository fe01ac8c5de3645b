#include <gtest/gtest.h>

#include <variant>
#include <vector>

#include "host/aax_vhost_services.h"
#include "host/result_error.h"
#include "tests/host/stand_in_fixture.h"

namespace {

using aaxhost::Arg;
using aaxhost::Text;

using Row = ForwardingRow<AAX_IHostServices>;

const std::vector<Row>& Rows() {
    static const std::vector<Row> rows = {
        {"HostServicesSlot1",
         3,
         false,
         [](AAX_IHostServices& s) { return s.HostServicesSlot1("file.cpp", 42, "note"); },
         {Text("file.cpp"), Arg(42), Text("note")},
         AAX_ERROR_NULL_OBJECT},
        {"HostServicesSlot2",
         4,
         false,
         [](AAX_IHostServices& s) { return s.HostServicesSlot2(-1, "message"); },
         {Arg(-1), Text("message")},
         AAX_ERROR_NULL_OBJECT},
    };
    return rows;
}

void ExpectEveryRowAnswersNullObject(AAX_IHostServices& wrapper) {
    for (const Row& row : Rows()) {
        SCOPED_TRACE(row.operation);
        EXPECT_EQ(row.call(wrapper), row.whenMissing);
    }
}

class HostServicesWrapper : public StandInHostTest {
  protected:
    void SetUp() override {
        factory.Provide(CLSID_HostGeneralServices, services);
        SetDistinctResults(services.Log(), 3, 4);
    }
};

TEST_F(HostServicesWrapper, CreatesTheServicesThroughTheFactoryAndKeepsOnlyThem) {
    {
        AAX_VHostServices wrapper(factory.Unknown());
        const std::vector<aaxhost::Call> calls = factory.Log().Calls();
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].slot, 3);
        ASSERT_EQ(calls[0].arguments.size(), 4u);
        EXPECT_EQ(calls[0].arguments[0], Arg(CLSID_HostGeneralServices));
        EXPECT_EQ(calls[0].arguments[1], Arg(nullptr));
        EXPECT_EQ(calls[0].arguments[2], Arg(IID_HostGeneralServices));
        EXPECT_NE(calls[0].arguments[3], Arg(nullptr));
        EXPECT_EQ(factory.OutstandingReferences(), 0);
        EXPECT_EQ(services.OutstandingReferences(), 1);
    }
    EXPECT_EQ(services.OutstandingReferences(), 0);
}

TEST_F(HostServicesWrapper, EverySlotReachesTheHostSlotTwoFurtherOn) {
    AAX_VHostServices wrapper(factory.Unknown());
    ExpectEveryRowForwarded<AAX_IHostServices>(wrapper, services.Log(), Rows());
}

TEST_F(HostServicesWrapper, FactoryReportedButNotHandedOverThrowsPointerError) {
    factory.SetAnswer(IID_HostComponentFactory, aaxhost::Answer::kNullWithSuccess);
    try {
        AAX_VHostServices wrapper(factory.Unknown());
        ADD_FAILURE() << "construction did not throw";
    } catch (const ResultError& error) {
        EXPECT_EQ(error.Code(), ACF_E_POINTER);
    }
    EXPECT_TRUE(factory.Log().Calls().empty());
}

TEST_F(HostServicesWrapper, WithoutServicesEverySlotAnswersNullObject) {
    AAX_VHostServices overNull(nullptr);
    ExpectEveryRowAnswersNullObject(overNull);

    factory.Refuse(IID_HostComponentFactory);
    AAX_VHostServices withoutFactory(factory.Unknown());
    ExpectEveryRowAnswersNullObject(withoutFactory);
    EXPECT_TRUE(services.Log().Calls().empty());
}

TEST_F(HostServicesWrapper, FactoryRefusingTheComponentLeavesNoServices) {
    factory.Log().SetResult(3, ACF_E_NOINTERFACE);
    {
        AAX_VHostServices wrapper(factory.Unknown());
        ExpectEveryRowAnswersNullObject(wrapper);
        EXPECT_EQ(services.OutstandingReferences(), 0);
    }
    EXPECT_EQ(factory.Log().Calls().size(), 1u);
}

}  // namespace
