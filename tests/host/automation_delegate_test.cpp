#include <gtest/gtest.h>

#include <vector>

#include "host/aax_vautomation_delegate.h"
#include "tests/host/stand_in_fixture.h"

namespace {

using aaxhost::Arg;
using aaxhost::Text;

bool touched = true;

using Row = ForwardingRow<AAX_IAutomationDelegate>;

const std::vector<Row>& Rows() {
    static const std::vector<Row> rows = {
        {"RegisterParameter",
         3,
         false,
         [](AAX_IAutomationDelegate& d) { return d.RegisterParameter("MasterBypassID"); },
         {Text("MasterBypassID")},
         AAX_ERROR_NULL_OBJECT},
        {"UnregisterParameter",
         4,
         false,
         [](AAX_IAutomationDelegate& d) { return d.UnregisterParameter("p12"); },
         {Text("p12")},
         AAX_ERROR_NULL_OBJECT},
        {"PostSetValueRequest",
         5,
         false,
         [](AAX_IAutomationDelegate& d) { return d.PostSetValueRequest("p1", 0.375); },
         {Text("p1"), Arg(0.375)},
         AAX_ERROR_NULL_OBJECT},
        {"PostCurrentValue",
         6,
         false,
         [](AAX_IAutomationDelegate& d) { return d.PostCurrentValue("p2", 1.0); },
         {Text("p2"), Arg(1.0)},
         AAX_ERROR_NULL_OBJECT},
        {"PostTouchRequest",
         7,
         false,
         [](AAX_IAutomationDelegate& d) { return d.PostTouchRequest("p3"); },
         {Text("p3")},
         AAX_ERROR_NULL_OBJECT},
        {"PostReleaseRequest",
         8,
         false,
         [](AAX_IAutomationDelegate& d) { return d.PostReleaseRequest("p4"); },
         {Text("p4")},
         AAX_ERROR_NULL_OBJECT},
        {"GetTouchState",
         9,
         false,
         [](AAX_IAutomationDelegate& d) { return d.GetTouchState("p5", &touched); },
         {Text("p5"), Arg(&touched)},
         AAX_ERROR_NULL_OBJECT},
    };
    return rows;
}

class AutomationDelegateWrapper : public StandInHostTest {
  protected:
    void SetUp() override { SetDistinctResults(automation.Log(), 3, 9); }
};

TEST_F(AutomationDelegateWrapper, EverySlotReachesTheHostSlotTwoFurtherOn) {
    AAX_VAutomationDelegate wrapper(automation.Unknown());
    ExpectEveryRowForwarded<AAX_IAutomationDelegate>(wrapper, automation.Log(), Rows());
}

TEST_F(AutomationDelegateWrapper, WithoutTheHostServiceEverySlotAnswersNullObject) {
    automation.Refuse(IID_HostAutomationDelegate);
    AAX_VAutomationDelegate refused(automation.Unknown());
    AAX_VAutomationDelegate overNull(nullptr);
    for (AAX_IAutomationDelegate* wrapper :
         std::vector<AAX_IAutomationDelegate*>{&refused, &overNull}) {
        for (const Row& row : Rows()) {
            SCOPED_TRACE(row.operation);
            touched = true;
            EXPECT_EQ(row.call(*wrapper), AAX_ERROR_NULL_OBJECT);
            EXPECT_TRUE(touched);
        }
    }
    EXPECT_TRUE(automation.Log().Calls().empty());
    EXPECT_EQ(automation.OutstandingReferences(), 0);
}

TEST_F(AutomationDelegateWrapper, HoldsOneReferenceWhileAlive) {
    {
        AAX_VAutomationDelegate wrapper(automation.Unknown());
        EXPECT_EQ(automation.OutstandingReferences(), 1);
    }
    EXPECT_EQ(automation.OutstandingReferences(), 0);
}

}  // namespace
