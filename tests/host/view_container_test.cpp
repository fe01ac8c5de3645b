#include <gtest/gtest.h>

#include <vector>

#include "host/aax_vview_container.h"
#include "tests/host/stand_in_fixture.h"

namespace {

using aaxhost::Arg;
using aaxhost::ReferenceEvent;
using aaxhost::Text;
using Kind = ReferenceEvent::Kind;

uint32_t modifiers = 0x5A5A;

using Row = ForwardingRow<AAX_IViewContainer>;

// The operations that answer a result code.
const std::vector<Row>& Rows() {
    static const std::vector<Row> rows = {
        {"ViewContainerSlot3",
         5,
         false,
         [](AAX_IViewContainer& v) { return v.ViewContainerSlot3(&modifiers); },
         {Arg(&modifiers)},
         AAX_ERROR_UNIMPLEMENTED},
        {"ViewContainerSlot4",
         6,
         false,
         [](AAX_IViewContainer& v) { return v.ViewContainerSlot4(240.5f, 320.0f); },
         {Arg(240.5f), Arg(320.0f)},
         AAX_SUCCESS},
        {"ViewContainerSlot5",
         7,
         false,
         [](AAX_IViewContainer& v) { return v.ViewContainerSlot5("p1", 1u); },
         {Text("p1"), Arg(1u)},
         AAX_ERROR_UNIMPLEMENTED},
        {"ViewContainerSlot6",
         8,
         false,
         [](AAX_IViewContainer& v) { return v.ViewContainerSlot6("p2", 2u); },
         {Text("p2"), Arg(2u)},
         AAX_ERROR_UNIMPLEMENTED},
        {"ViewContainerSlot7",
         9,
         false,
         [](AAX_IViewContainer& v) { return v.ViewContainerSlot7("p3", 4u); },
         {Text("p3"), Arg(4u)},
         AAX_ERROR_UNIMPLEMENTED},
    };
    return rows;
}

class ViewContainerWrapper : public StandInHostTest {
  protected:
    void SetUp() override { SetDistinctResults(view.Log(), 5, 9); }
};

TEST_F(ViewContainerWrapper, ReportsTheHostsViewTypeAndNativeView) {
    int window = 0;
    view.SetNativeView(kViewTypeWindowHandle, &window);
    AAX_VViewContainer wrapper(view.Unknown());
    const AAX_IViewContainer& module = wrapper;
    EXPECT_EQ(module.GetType(), kViewTypeWindowHandle);
    EXPECT_EQ(module.GetPtr(), &window);
    const std::vector<aaxhost::Call> expected = {{3, {}}, {4, {}}};
    EXPECT_EQ(view.Log().Calls(), expected);
}

TEST_F(ViewContainerWrapper, EveryOtherSlotReachesTheHostSlotTwoFurtherOn) {
    AAX_VViewContainer wrapper(view.Unknown());
    ExpectEveryRowForwarded<AAX_IViewContainer>(wrapper, view.Log(), Rows());
}

TEST_F(ViewContainerWrapper, WithoutAHostViewAnswersTheFixedResults) {
    view.Refuse(IID_HostViewContainer);
    AAX_VViewContainer refused(view.Unknown());
    AAX_VViewContainer overNull(nullptr);
    for (AAX_IViewContainer* wrapper : std::vector<AAX_IViewContainer*>{&refused, &overNull}) {
        EXPECT_EQ(wrapper->GetType(), 0);
        EXPECT_EQ(wrapper->GetPtr(), nullptr);
        for (const Row& row : Rows()) {
            SCOPED_TRACE(row.operation);
            modifiers = 0x5A5A;
            EXPECT_EQ(row.call(*wrapper), row.whenMissing);
            EXPECT_EQ(modifiers, 0x5A5Au);
        }
    }
    EXPECT_TRUE(view.Log().Calls().empty());
}

TEST_F(ViewContainerWrapper, GivesBackItsOneReference) {
    delete new AAX_VViewContainer(view.Unknown());
    const std::vector<ReferenceEvent> expected = {
        {Kind::kQuery, IID_HostViewContainer},
        {Kind::kAddRef, IID_HostViewContainer},
        {Kind::kRelease, IID_HostViewContainer},
    };
    EXPECT_EQ(view.ReferenceEvents(), expected);
}

}  // namespace
