#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "abi/algorithm_context.h"
#include "abi/component_factory.h"
#include "abi/host_controller.h"
#include "abi/host_services.h"
#include "tools/aaxhost/objects/call_log.h"
#include "tools/aaxhost/objects/component_factory.h"
#include "tools/aaxhost/objects/controller.h"
#include "tools/aaxhost/objects/host_services.h"

namespace {

using aaxhost::Answer;
using aaxhost::Arg;
using aaxhost::ReferenceEvent;
using aaxhost::Text;
using Kind = ReferenceEvent::Kind;

template <class Interface>
Interface* Query(IACFUnknown* unknown, const InterfaceId& iid, Result expected = AAX_SUCCESS) {
    void* answer = &answer;
    EXPECT_EQ(unknown->QueryInterface(iid, &answer), expected);
    return static_cast<Interface*>(answer);
}

TEST(StandInObject, AnswersEachVersionWithItsOwnInterfaceAndOneReference) {
    aaxhost::StandInController controller;
    auto* v1 = Query<HostController>(controller.Unknown(), IID_HostController);
    auto* v2 = Query<HostControllerV2>(controller.Unknown(), IID_HostControllerV2);
    ASSERT_NE(v1, nullptr);
    ASSERT_NE(v2, nullptr);
    EXPECT_NE(static_cast<void*>(v1), static_cast<void*>(v2));
    EXPECT_EQ(controller.OutstandingReferences(), 2);

    EXPECT_EQ(v2->Release(), 1u);
    EXPECT_EQ(v1->Release(), 0u);
    const std::vector<ReferenceEvent> expected = {
        {Kind::kQuery, IID_HostController},     {Kind::kAddRef, IID_HostController},
        {Kind::kQuery, IID_HostControllerV2},   {Kind::kAddRef, IID_HostControllerV2},
        {Kind::kRelease, IID_HostControllerV2}, {Kind::kRelease, IID_HostController},
    };
    EXPECT_EQ(controller.ReferenceEvents(), expected);
}

TEST(StandInObject, EveryInterfaceAnswersIACFUnknownWithTheSameIdentity) {
    aaxhost::StandInController controller;
    auto* v2 = Query<HostControllerV2>(controller.Unknown(), IID_HostControllerV2);
    auto* throughV2 = Query<IACFUnknown>(v2, IID_IACFUnknown);
    auto* throughUnknown = Query<IACFUnknown>(controller.Unknown(), IID_IACFUnknown);
    EXPECT_EQ(throughV2, controller.Unknown());
    EXPECT_EQ(throughUnknown, controller.Unknown());
    throughUnknown->Release();
    throughV2->Release();
    v2->Release();
    EXPECT_EQ(controller.OutstandingReferences(), 0);
}

TEST(StandInObject, RefusesUnknownAndRefusedIdentifiersWithoutAReference) {
    aaxhost::StandInController controller;
    controller.Refuse(IID_HostControllerV2);
    EXPECT_EQ(Query<void>(controller.Unknown(), IID_HostControllerV2, ACF_E_NOINTERFACE), nullptr);
    EXPECT_EQ(Query<void>(controller.Unknown(), IID_HostComponentFactory, ACF_E_NOINTERFACE),
              nullptr);
    EXPECT_EQ(controller.OutstandingReferences(), 0);
}

TEST(StandInObject, CanReportSuccessWithoutAnInterface) {
    aaxhost::StandInController controller;
    controller.SetAnswer(IID_HostController, Answer::kNullWithSuccess);
    EXPECT_EQ(Query<void>(controller.Unknown(), IID_HostController, AAX_SUCCESS), nullptr);
    controller.SetAnswer(IID_HostController, Answer::kInterface);
    auto* v1 = Query<HostController>(controller.Unknown(), IID_HostController);
    ASSERT_NE(v1, nullptr);
    v1->Release();
}

TEST(StandInObject, OverReleaseShowsAsNegativeOutstandingReferences) {
    aaxhost::StandInController controller;
    auto* v1 = Query<HostController>(controller.Unknown(), IID_HostController);
    v1->Release();
    v1->Release();
    EXPECT_EQ(controller.OutstandingReferences(), -1);
}

TEST(StandInObject, ReferencesFromSeveralThreadsBalance) {
    aaxhost::StandInController controller;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&controller] {
            for (int i = 0; i < 500; ++i) {
                auto* v1 = Query<HostController>(controller.Unknown(), IID_HostController);
                v1->Release();
            }
        });
    }
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(controller.OutstandingReferences(), 0);
    EXPECT_EQ(controller.ReferenceEvents().size(), 4u * 500u * 3u);
}

TEST(StandInController, RecordsCallsBySlotAndAnswersTheSetResult) {
    aaxhost::StandInController controller;
    controller.SetSampleRate(48000.0f);
    controller.Log().SetResult(12, AAX_ERROR_INVALID_PARAMETER_ID);
    auto* v1 = Query<HostController>(controller.Unknown(), IID_HostController);
    float rate = 0.0f;
    const int32_t payload = 1;
    EXPECT_EQ(v1->GetSampleRate(&rate), AAX_SUCCESS);
    EXPECT_EQ(rate, 48000.0f);
    EXPECT_EQ(v1->PostPacket(8u, &payload, 4u), AAX_ERROR_INVALID_PARAMETER_ID);
    v1->Release();
    const std::vector<aaxhost::Call> expected = {
        {4, {Arg(&rate)}},
        {12, {Arg(8u), Arg(static_cast<const void*>(&payload)), Arg(4u)}},
    };
    EXPECT_EQ(controller.Log().Calls(), expected);
}

TEST(CallLog, ClearForgetsCallsButKeepsResults) {
    aaxhost::CallLog log;
    log.SetResult(4, -5);
    EXPECT_EQ(log.Reply(4, {Arg(1)}), -5);
    log.Clear();
    EXPECT_TRUE(log.Calls().empty());
    EXPECT_EQ(log.Reply(4, {}), -5);
    EXPECT_EQ(log.Calls().size(), 1u);
}

TEST(CallLog, KeepsTextsAfterTheCallersBufferIsGone) {
    aaxhost::CallLog log;
    {
        std::string transient = "MasterBypassID";
        log.Reply(3, {Text(transient.c_str()), Text(nullptr)});
        transient.assign("overwritten");
    }
    const std::vector<aaxhost::Call> expected = {
        {3, {aaxhost::CallArgument{std::string("MasterBypassID")}, Arg(nullptr)}}};
    EXPECT_EQ(log.Calls(), expected);
}

TEST(CallLog, ArgumentsOfDifferentKindsNeverCompareEqual) {
    EXPECT_NE(Arg(1), Arg(1.0));
    EXPECT_NE(Arg(0), Arg(nullptr));
    EXPECT_NE(Text(""), Arg(nullptr));
    EXPECT_EQ(Arg(true), Arg(1));
    EXPECT_EQ(Arg(0.5f), Arg(0.5));
}

TEST(StandInComponentFactory, CreatesProvidedComponentsWithOneReference) {
    aaxhost::StandInComponentFactory factory;
    aaxhost::StandInHostServices services;
    factory.Provide(CLSID_HostGeneralServices, services);
    auto* created = Query<HostComponentFactory>(factory.Unknown(), IID_HostComponentFactory);
    ASSERT_NE(created, nullptr);

    void* component = nullptr;
    EXPECT_EQ(created->CreateComponent(CLSID_HostGeneralServices, nullptr, IID_HostGeneralServices,
                                       &component),
              AAX_SUCCESS);
    ASSERT_NE(component, nullptr);
    EXPECT_EQ(services.OutstandingReferences(), 1);
    static_cast<HostGeneralServices*>(component)->Release();

    component = &component;
    EXPECT_EQ(
        created->CreateComponent(IID_IACFUnknown, nullptr, IID_HostGeneralServices, &component),
        ACF_E_NOINTERFACE);
    EXPECT_EQ(component, nullptr);
    created->Release();
    EXPECT_EQ(services.OutstandingReferences(), 0);
    EXPECT_EQ(factory.OutstandingReferences(), 0);
    EXPECT_EQ(factory.Log().Calls().size(), 2u);
}

TEST(StandInObject, LendsInterfacesOfOtherObjectsWhoseReferencesTheyKeep) {
    aaxhost::StandInController controller;
    aaxhost::StandInHostServices services;
    controller.Lend(IID_HostGeneralServices, services.Unknown());
    auto* lent = Query<HostGeneralServices>(controller.Unknown(), IID_HostGeneralServices);
    ASSERT_NE(lent, nullptr);
    EXPECT_EQ(services.OutstandingReferences(), 1);
    EXPECT_EQ(controller.OutstandingReferences(), 0);
    lent->Release();

    // Refusals come first; a null provider withdraws the loan.
    controller.Refuse(IID_HostGeneralServices);
    EXPECT_EQ(Query<void>(controller.Unknown(), IID_HostGeneralServices, ACF_E_NOINTERFACE),
              nullptr);
    controller.SetAnswer(IID_HostGeneralServices, Answer::kInterface);
    controller.Lend(IID_HostGeneralServices, nullptr);
    EXPECT_EQ(Query<void>(controller.Unknown(), IID_HostGeneralServices, ACF_E_NOINTERFACE),
              nullptr);
    EXPECT_EQ(services.OutstandingReferences(), 0);
}

TEST(StandInController, ConnectedContextFieldsAreDataPortsThatPacketsFill) {
    aaxhost::StandInController controller;
    AlgorithmContext context{};
    controller.ConnectContext(context, {{kFieldInputChannelCount, 4}, {kFieldVstInterface, 8}});
    ASSERT_NE(context.inputChannelCount, nullptr);
    ASSERT_NE(context.vstInterface, nullptr);
    EXPECT_EQ(*context.inputChannelCount, 0);
    EXPECT_EQ(context.pluginLoaded, nullptr);

    auto* v1 = Query<HostController>(controller.Unknown(), IID_HostController);
    const int32_t channels = 2;
    void* pointer = &controller;
    EXPECT_EQ(v1->PostPacket(kFieldInputChannelCount, &channels, 4), AAX_SUCCESS);
    EXPECT_EQ(v1->PostPacket(kFieldVstInterface, &pointer, 8), AAX_SUCCESS);
    EXPECT_EQ(*context.inputChannelCount, 2);
    EXPECT_EQ(*context.vstInterface, pointer);

    // No port, or a payload of another size: refused, nothing copied, still recorded.
    const int64_t wide = 7;
    EXPECT_EQ(v1->PostPacket(kFieldInputChannelCount, &wide, 8), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(v1->PostPacket(kFieldPluginLoaded, &channels, 4), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(v1->PostPacket(kFieldInputChannelCount, nullptr, 4), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(*context.inputChannelCount, 2);
    EXPECT_EQ(controller.Log().Calls().size(), 5u);
    v1->Release();
}

}  // namespace
