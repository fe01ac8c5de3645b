// How each description wrapper obtains its host object, what it holds while it lives and gives
// back when it is destroyed, and how it stands without a host object.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "host/result_error.h"
#include "module/aax_vcollection.h"
#include "module/aax_vcomponent_descriptor.h"
#include "module/aax_veffect_descriptor.h"
#include "module/aax_vproperty_map.h"
#include "tests/module/description_fixture.h"

namespace {

using aaxhost::Arg;
using aaxhost::DescriptionObject;
using aaxhost::ReferenceEvent;
using Kind = ReferenceEvent::Kind;

// One wrapper class: how to make it, what it asks the factory for, and an operation of each
// interface version with the result it gives without that interface.
struct WrapperKind {
    const char* name;
    std::function<std::shared_ptr<void>(IACFUnknown*)> make;
    DescriptionObject object;
    ClassId clsid;
    InterfaceId iid;
    std::optional<InterfaceId> version2;
    bool keepsHostUnknown;
    std::function<Result(void*)> version1Call;
    std::function<Result(void*)> version2Call;
};

template <class Wrapper>
std::shared_ptr<void> Make(IACFUnknown* host) {
    return std::make_shared<Wrapper>(host);
}

const std::vector<WrapperKind>& Kinds() {
    static const std::vector<WrapperKind> kinds = {
        {"collection", Make<AAX_VCollection>, DescriptionObject::kCollection, CLSID_HostCollection,
         IID_HostCollection, std::nullopt, true,
         [](void* w) { return static_cast<AAX_VCollection*>(w)->SetPackageVersion(1); }, nullptr},
        {"effect descriptor", Make<AAX_VEffectDescriptor>, DescriptionObject::kEffectDescriptor,
         CLSID_HostEffectDescriptor, IID_HostEffectDescriptor, IID_HostEffectDescriptorV2, true,
         [](void* w) { return static_cast<AAX_VEffectDescriptor*>(w)->AddCategory(32); },
         [](void* w) {
             return static_cast<AAX_VEffectDescriptor*>(w)->AddControlMIDINode(1, 0, "n", 1);
         }},
        {"component descriptor", Make<AAX_VComponentDescriptor>,
         DescriptionObject::kComponentDescriptor, CLSID_HostComponentDescriptor,
         IID_HostComponentDescriptor, IID_HostComponentDescriptorV2, true,
         [](void* w) { return static_cast<AAX_VComponentDescriptor*>(w)->AddAudioIn(0); },
         [](void* w) {
             return static_cast<AAX_VComponentDescriptor*>(w)->AddTemporaryData(3, 16);
         }},
        {"property map", Make<AAX_VPropertyMap>, DescriptionObject::kPropertyMap,
         CLSID_HostPropertyMap, IID_HostPropertyMap, IID_HostPropertyMapV2, false,
         [](void* w) { return static_cast<AAX_VPropertyMap*>(w)->AddProperty(11, 1); },
         [](void* w) {
             return static_cast<AAX_VPropertyMap*>(w)->AddPropertyWithIDArray(11, nullptr, 0);
         }},
    };
    return kinds;
}

class DescriptionConstruction : public DescriptionWrapperTest {};

TEST_F(DescriptionConstruction, EachWrapperCreatesItsHostObjectThroughTheFactory) {
    for (const WrapperKind& kind : Kinds()) {
        SCOPED_TRACE(kind.name);
        const size_t factoryCalls = factory.Log().Calls().size();
        const size_t factoryEvents = factory.ReferenceEvents().size();
        std::shared_ptr<void> wrapper = kind.make(Host());

        const std::vector<aaxhost::Call> calls = factory.Log().Calls();
        ASSERT_EQ(calls.size(), factoryCalls + 1);
        const aaxhost::Call& create = calls.back();
        EXPECT_EQ(create.slot, 3);
        ASSERT_EQ(create.arguments.size(), 4u);
        EXPECT_EQ(create.arguments[0], Arg(kind.clsid));
        EXPECT_EQ(create.arguments[1], Arg(nullptr));
        EXPECT_EQ(create.arguments[2], Arg(kind.iid));

        // The host unknown: a reference kept by the wrappers that make children, the factory
        // asked for and given back.
        std::vector<ReferenceEvent> hostEvents;
        if (kind.keepsHostUnknown) hostEvents.push_back({Kind::kAddRef, IID_HostComponentFactory});
        hostEvents.push_back({Kind::kQuery, IID_HostComponentFactory});
        hostEvents.push_back({Kind::kAddRef, IID_HostComponentFactory});
        hostEvents.push_back({Kind::kRelease, IID_HostComponentFactory});
        std::vector<ReferenceEvent> events = factory.ReferenceEvents();
        EXPECT_EQ(std::vector<ReferenceEvent>(events.begin() + factoryEvents, events.end()),
                  hostEvents);
        EXPECT_EQ(factory.OutstandingReferences(), kind.keepsHostUnknown ? 1 : 0);

        ASSERT_EQ(recorder.Count(kind.object), 1u);
        const aaxhost::RecordingObject& object = recorder.Object(kind.object, 0);
        std::vector<ReferenceEvent> objectEvents = {{Kind::kQuery, kind.iid},
                                                    {Kind::kAddRef, kind.iid}};
        if (kind.version2) {
            objectEvents.push_back({Kind::kQuery, *kind.version2});
            objectEvents.push_back({Kind::kAddRef, *kind.version2});
        }
        EXPECT_EQ(object.ReferenceEvents(), objectEvents);

        EXPECT_EQ(kind.version1Call(wrapper.get()), AAX_SUCCESS);
        if (kind.version2Call) {
            EXPECT_EQ(kind.version2Call(wrapper.get()), AAX_SUCCESS);
        }

        // Destroyed: the version 2 interface is given back first, the host unknown last.
        wrapper.reset();
        if (kind.version2) objectEvents.push_back({Kind::kRelease, *kind.version2});
        objectEvents.push_back({Kind::kRelease, kind.iid});
        EXPECT_EQ(object.ReferenceEvents(), objectEvents);
        events = factory.ReferenceEvents();
        if (kind.keepsHostUnknown) {
            EXPECT_EQ(events.back(), (ReferenceEvent{Kind::kRelease, IID_HostComponentFactory}));
        }
        EXPECT_EQ(factory.OutstandingReferences(), 0);
        EXPECT_EQ(recorder.OutstandingReferences(), 0);
    }
}

// Calls an operation of each interface version and checks the answers given without them, and
// that no host object was reached.
void ExpectAnswersWithoutHostObject(const WrapperKind& kind, void* wrapper,
                                    const aaxhost::DescriptionRecorder& recorder,
                                    bool version1Missing) {
    const size_t before = recorder.Calls().size();
    if (version1Missing) {
        EXPECT_EQ(kind.version1Call(wrapper), AAX_ERROR_NULL_OBJECT);
    }
    if (kind.version2Call) {
        EXPECT_EQ(kind.version2Call(wrapper), AAX_ERROR_UNIMPLEMENTED);
    }
    EXPECT_EQ(recorder.Calls().size(), before);
}

TEST_F(DescriptionConstruction, OverNoHostEachWrapperExistsWithoutHostObject) {
    for (const WrapperKind& kind : Kinds()) {
        SCOPED_TRACE(kind.name);
        std::shared_ptr<void> wrapper = kind.make(nullptr);
        ExpectAnswersWithoutHostObject(kind, wrapper.get(), recorder, true);
    }
    EXPECT_TRUE(factory.ReferenceEvents().empty());
}

TEST_F(DescriptionConstruction, WithoutFactoryEachWrapperExistsWithoutHostObject) {
    factory.Refuse(IID_HostComponentFactory);
    for (const WrapperKind& kind : Kinds()) {
        SCOPED_TRACE(kind.name);
        std::shared_ptr<void> wrapper = kind.make(Host());
        ExpectAnswersWithoutHostObject(kind, wrapper.get(), recorder, true);
        EXPECT_EQ(factory.OutstandingReferences(), kind.keepsHostUnknown ? 1 : 0);
    }
    EXPECT_TRUE(factory.Log().Calls().empty());
}

TEST_F(DescriptionConstruction, AHostRefusingTheObjectLeavesEachWrapperWithoutHostObject) {
    for (const WrapperKind& kind : Kinds()) {
        SCOPED_TRACE(kind.name);
        recorder.RefuseCreation(kind.object);
        std::shared_ptr<void> wrapper = kind.make(Host());
        ExpectAnswersWithoutHostObject(kind, wrapper.get(), recorder, true);
        EXPECT_EQ(recorder.Count(kind.object), 0u);
    }
    EXPECT_EQ(factory.Log().Calls().size(), Kinds().size());
}

TEST_F(DescriptionConstruction, AHostWithoutVersionTwoAffectsOnlyTheVersionTwoOperations) {
    for (const WrapperKind& kind : Kinds()) {
        if (!kind.version2) continue;
        SCOPED_TRACE(kind.name);
        recorder.SetAnswer(kind.object, *kind.version2, aaxhost::Answer::kRefuse);
        std::shared_ptr<void> wrapper = kind.make(Host());
        ExpectAnswersWithoutHostObject(kind, wrapper.get(), recorder, false);
        EXPECT_EQ(kind.version1Call(wrapper.get()), AAX_SUCCESS);
        EXPECT_EQ(recorder.Log(kind.object).Calls().size(), 1u);
    }
}

TEST_F(DescriptionConstruction, AFactoryReportedButNotHandedOverThrowsAndKeepsNoReference) {
    factory.SetAnswer(IID_HostComponentFactory, aaxhost::Answer::kNullWithSuccess);
    for (const WrapperKind& kind : Kinds()) {
        SCOPED_TRACE(kind.name);
        try {
            kind.make(Host());
            ADD_FAILURE() << "construction did not throw";
        } catch (const ResultError& error) {
            EXPECT_EQ(error.Code(), ACF_E_POINTER);
        }
        EXPECT_EQ(factory.OutstandingReferences(), 0);
    }
    EXPECT_TRUE(factory.Log().Calls().empty());
}

}  // namespace
