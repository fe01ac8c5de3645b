// Every operation of the description wrappers reaches its host slot with its own arguments,
// wrapper arguments replaced by their host objects, and returns the host's answer; without the
// host object each answers its fixed result without reaching the host.
#include <gtest/gtest.h>

#include <vector>

#include "module/aax_vcollection.h"
#include "module/aax_vcomponent_descriptor.h"
#include "module/aax_veffect_descriptor.h"
#include "module/aax_vproperty_map.h"
#include "tests/module/description_fixture.h"

namespace {

using aaxhost::Arg;
using aaxhost::DescriptionObject;
using aaxhost::Text;

void TestRender(AlgorithmContext* const[], const void*) {}
int32_t TestInstanceInit(const void*, int32_t) {
    return 0;
}
int32_t TestBackground() {
    return 0;
}
IACFUnknown* TestCreate() {
    return nullptr;
}

// What the rows pass: the children that the wrapper under test handed out, and out arguments.
struct Arguments {
    AAX_IComponentDescriptor* component = nullptr;
    AAX_IEffectDescriptor* effect = nullptr;
    AAX_IPropertyMap* map = nullptr;
    uint32_t procID = 77;
    uint32_t ids[2] = {5, 6};

    bool operator==(const Arguments& other) const = default;
};
Arguments args;

// Stands for the host arguments that the rows expect, read when the rows are made.
struct HostChildren {
    const void* component = nullptr;
    const void* effect = nullptr;
    const void* map = nullptr;
};

std::vector<ForwardingRow<AAX_IEffectDescriptor>> EffectRows(const HostChildren& host) {
    using E = AAX_IEffectDescriptor;
    const Result missing = AAX_ERROR_NULL_OBJECT;
    return {
        {"AddComponent",
         3,
         false,
         [](E& e) { return e.AddComponent(args.component); },
         {Arg(host.component)},
         missing},
        {"AddComponent of null",
         3,
         false,
         [](E& e) { return e.AddComponent(nullptr); },
         {Arg(nullptr)},
         missing},
        {"AddName", 4, false, [](E& e) { return e.AddName("VQ 318"); }, {Text("VQ 318")}, missing},
        {"AddCategory", 5, false, [](E& e) { return e.AddCategory(32); }, {Arg(32u)}, missing},
        {"AddCategoryBypassParameter",
         6,
         false,
         [](E& e) { return e.AddCategoryBypassParameter(8, "MasterBypassID"); },
         {Arg(8u), Text("MasterBypassID")},
         missing},
        {"AddProcPtr",
         7,
         false,
         [](E& e) { return e.AddProcPtr(TestCreate, 5); },
         {Arg(TestCreate), Arg(5u)},
         missing},
        {"SetProperties",
         8,
         false,
         [](E& e) { return e.SetProperties(args.map); },
         {Arg(host.map)},
         missing},
        {"SetProperties of null",
         8,
         false,
         [](E& e) { return e.SetProperties(nullptr); },
         {Arg(nullptr)},
         missing},
        {"AddResourceInfo",
         9,
         false,
         [](E& e) { return e.AddResourceInfo(3, "info"); },
         {Arg(3), Text("info")},
         missing},
        {"AddMeterDescription",
         10,
         false,
         [](E& e) { return e.AddMeterDescription(7, "meter", args.map); },
         {Arg(7u), Text("meter"), Arg(host.map)},
         missing},
        {"AddMeterDescription of null",
         10,
         false,
         [](E& e) { return e.AddMeterDescription(7, "meter", nullptr); },
         {Arg(7u), Text("meter"), Arg(nullptr)},
         missing},
        {"AddControlMIDINode",
         11,
         true,
         [](E& e) { return e.AddControlMIDINode(2, 1, "control", 0xF); },
         {Arg(2u), Arg(1), Text("control"), Arg(0xFu)},
         AAX_ERROR_UNIMPLEMENTED},
    };
}

std::vector<ForwardingRow<AAX_IComponentDescriptor>> ComponentRows(const HostChildren& host) {
    using C = AAX_IComponentDescriptor;
    const Result missing = AAX_ERROR_NULL_OBJECT;
    return {
        {"Clear", 3, false, [](C& c) { return c.Clear(); }, {}, missing},
        {"AddReservedField",
         4,
         false,
         [](C& c) { return c.AddReservedField(6, 2); },
         {Arg(6u), Arg(2u)},
         missing},
        {"AddAudioIn", 5, false, [](C& c) { return c.AddAudioIn(0); }, {Arg(0u)}, missing},
        {"AddAudioOut", 6, false, [](C& c) { return c.AddAudioOut(2); }, {Arg(2u)}, missing},
        {"AddAudioBufferLength",
         7,
         false,
         [](C& c) { return c.AddAudioBufferLength(5); },
         {Arg(5u)},
         missing},
        {"AddSampleRate", 8, false, [](C& c) { return c.AddSampleRate(11); }, {Arg(11u)}, missing},
        {"AddClock", 9, false, [](C& c) { return c.AddClock(12); }, {Arg(12u)}, missing},
        {"AddSideChainIn", 10, false, [](C& c) { return c.AddSideChainIn(4); }, {Arg(4u)}, missing},
        {"AddDataInPort",
         11,
         false,
         [](C& c) { return c.AddDataInPort(7, 8, 1); },
         {Arg(7u), Arg(8u), Arg(1)},
         missing},
        {"AddAuxOutputStem",
         12,
         false,
         [](C& c) { return c.AddAuxOutputStem(13, kStemFormatStereo, "aux"); },
         {Arg(13u), Arg(kStemFormatStereo), Text("aux")},
         missing},
        {"AddPrivateData",
         13,
         false,
         [](C& c) { return c.AddPrivateData(14, 64, 1); },
         {Arg(14u), Arg(64), Arg(1u)},
         missing},
        {"AddTemporaryData",
         19,
         true,
         [](C& c) { return c.AddTemporaryData(17, 32); },
         {Arg(17u), Arg(32u)},
         AAX_ERROR_UNIMPLEMENTED},
        {"AddDmaInstance",
         14,
         false,
         [](C& c) { return c.AddDmaInstance(15, 2); },
         {Arg(15u), Arg(2)},
         missing},
        {"AddMeters",
         18,
         false,
         [](C& c) { return c.AddMeters(16, args.ids, 2); },
         {Arg(16u), Arg(static_cast<const uint32_t*>(args.ids)), Arg(2u)},
         missing},
        {"AddMIDINode",
         15,
         false,
         [](C& c) { return c.AddMIDINode(10, 0, "VQ 318", kAllMidiChannels); },
         {Arg(10u), Arg(0), Text("VQ 318"), Arg(0xFFFFu)},
         missing},
        {"AddProcessProc_Native",
         16,
         false,
         [](C& c) {
             return c.AddProcessProc_Native(TestRender, args.map, TestInstanceInit, TestBackground,
                                            &args.procID);
         },
         {Arg(TestRender), Arg(host.map), Arg(TestInstanceInit), Arg(TestBackground),
          Arg(&args.procID)},
         missing},
        {"AddProcessProc_Native of null",
         16,
         false,
         [](C& c) {
             return c.AddProcessProc_Native(TestRender, nullptr, nullptr, nullptr, nullptr);
         },
         {Arg(TestRender), Arg(nullptr), Arg(nullptr), Arg(nullptr), Arg(nullptr)},
         missing},
        {"AddProcessProc_TI",
         17,
         false,
         [](C& c) {
             return c.AddProcessProc_TI("lib", "proc", args.map, "init", "bg", &args.procID);
         },
         {Text("lib"), Text("proc"), Arg(host.map), Text("init"), Text("bg"), Arg(&args.procID)},
         missing},
        {"AddProcessProc_TI of null",
         17,
         false,
         [](C& c) {
             return c.AddProcessProc_TI("lib", "proc", nullptr, "init", "bg", &args.procID);
         },
         {Text("lib"), Text("proc"), Arg(nullptr), Text("init"), Text("bg"), Arg(&args.procID)},
         missing},
    };
}

std::vector<ForwardingRow<AAX_IPropertyMap>> PropertyMapRows() {
    using P = AAX_IPropertyMap;
    return {
        {"AddProperty",
         4,
         false,
         [](P& p) { return p.AddProperty(11, -5); },
         {Arg(11), Arg(-5)},
         AAX_ERROR_NULL_OBJECT},
        {"RemoveProperty",
         5,
         false,
         [](P& p) { return p.RemoveProperty(12); },
         {Arg(12)},
         AAX_ERROR_NULL_OBJECT},
        {"AddPropertyWithIDArray",
         6,
         true,
         [](P& p) { return p.AddPropertyWithIDArray(13, args.ids, 2); },
         {Arg(13), Arg(static_cast<const uint32_t*>(args.ids)), Arg(2u)},
         AAX_ERROR_UNIMPLEMENTED},
    };
}

std::vector<ForwardingRow<AAX_ICollection>> CollectionRows(const HostChildren& host) {
    using L = AAX_ICollection;
    const Result missing = AAX_ERROR_NULL_OBJECT;
    return {
        {"AddEffect",
         7,
         false,
         [](L& l) { return l.AddEffect("com.morvane.vq318", args.effect); },
         {Text("com.morvane.vq318"), Arg(host.effect)},
         missing},
        {"SetManufacturerName",
         8,
         false,
         [](L& l) { return l.SetManufacturerName("Morvane"); },
         {Text("Morvane")},
         missing},
        {"AddPackageName",
         9,
         false,
         [](L& l) { return l.AddPackageName("VQ"); },
         {Text("VQ")},
         missing},
        {"SetPackageVersion",
         10,
         false,
         [](L& l) { return l.SetPackageVersion(3); },
         {Arg(3u)},
         missing},
        {"SetProperties",
         11,
         false,
         [](L& l) { return l.SetProperties(args.map); },
         {Arg(host.map)},
         missing},
        {"SetProperties of null",
         11,
         false,
         [](L& l) { return l.SetProperties(nullptr); },
         {Arg(nullptr)},
         missing},
    };
}

class DescriptionForwarding : public DescriptionWrapperTest {
  protected:
    void TearDown() override {
        args = Arguments{};
        DescriptionWrapperTest::TearDown();
    }
};

TEST_F(DescriptionForwarding, EffectDescriptorReachesItsHostSlots) {
    SetDistinctResults(DescriptionObject::kEffectDescriptor, 3, 11);
    AAX_VEffectDescriptor effect(Host());
    args.component = effect.NewComponentDescriptor();
    args.map = effect.NewPropertyMap();
    const HostChildren host{recorder.ComponentDescriptor(0).Interface(), nullptr,
                            recorder.PropertyMap(0).Interface()};
    ExpectEveryRowForwarded<AAX_IEffectDescriptor>(
        effect, recorder.Log(DescriptionObject::kEffectDescriptor), EffectRows(host));
}

TEST_F(DescriptionForwarding, ComponentDescriptorReachesItsHostSlots) {
    SetDistinctResults(DescriptionObject::kComponentDescriptor, 3, 19);
    AAX_VComponentDescriptor component(Host());
    args.map = component.NewPropertyMap();
    const HostChildren host{nullptr, nullptr, recorder.PropertyMap(0).Interface()};
    ExpectEveryRowForwarded<AAX_IComponentDescriptor>(
        component, recorder.Log(DescriptionObject::kComponentDescriptor), ComponentRows(host));
}

TEST_F(DescriptionForwarding, PropertyMapReachesItsHostSlots) {
    SetDistinctResults(DescriptionObject::kPropertyMap, 3, 7);
    AAX_VPropertyMap map(Host());
    ExpectEveryRowForwarded<AAX_IPropertyMap>(map, recorder.Log(DescriptionObject::kPropertyMap),
                                              PropertyMapRows());
}

TEST_F(DescriptionForwarding, CollectionReachesItsHostSlots) {
    SetDistinctResults(DescriptionObject::kCollection, 3, 11);
    AAX_VCollection collection(Host());
    args.effect = collection.NewDescriptor();
    args.map = collection.NewPropertyMap();
    const HostChildren host{nullptr, recorder.EffectDescriptor(0).Interface(),
                            recorder.PropertyMap(0).Interface()};
    ExpectEveryRowForwarded<AAX_ICollection>(
        collection, recorder.Log(DescriptionObject::kCollection), CollectionRows(host));
}

TEST_F(DescriptionForwarding, WithoutHostObjectsEveryOperationAnswersItsFixedResult) {
    recorder.RefuseCreation(DescriptionObject::kCollection);
    recorder.RefuseCreation(DescriptionObject::kEffectDescriptor);
    recorder.RefuseCreation(DescriptionObject::kComponentDescriptor);
    recorder.RefuseCreation(DescriptionObject::kPropertyMap);
    const HostChildren none;

    AAX_VEffectDescriptor effect(Host());
    // Children are handed out without host objects too.
    args.component = effect.NewComponentDescriptor();
    args.map = effect.NewPropertyMap();
    ASSERT_NE(args.component, nullptr);
    ASSERT_NE(args.map, nullptr);
    AAX_IComponentDescriptor& component = *args.component;
    AAX_IPropertyMap& map = *args.map;
    // The rows' out arguments stay as they were.
    ExpectAnsweredWithoutHost<AAX_IEffectDescriptor>(
        effect, EffectRows(none), recorder.Log(DescriptionObject::kEffectDescriptor), args);
    ExpectAnsweredWithoutHost<AAX_IComponentDescriptor>(
        component, ComponentRows(none), recorder.Log(DescriptionObject::kComponentDescriptor),
        args);
    ExpectAnsweredWithoutHost<AAX_IPropertyMap>(
        map, PropertyMapRows(), recorder.Log(DescriptionObject::kPropertyMap), args);

    AAX_VCollection collection(Host());
    ASSERT_NE(collection.NewDescriptor(), nullptr);
    ExpectAnsweredWithoutHost<AAX_ICollection>(collection, CollectionRows(none),
                                               recorder.Log(DescriptionObject::kCollection), args);
    EXPECT_TRUE(recorder.Calls().empty());
}

TEST_F(DescriptionForwarding, AddEffectNeedsADescriptorWithAHostObject) {
    AAX_VCollection collection(Host());
    EXPECT_EQ(collection.AddEffect("com.morvane.vq318", nullptr), AAX_ERROR_NULL_OBJECT);
    recorder.RefuseCreation(DescriptionObject::kEffectDescriptor);
    AAX_IEffectDescriptor* withoutHost = collection.NewDescriptor();
    ASSERT_NE(withoutHost, nullptr);
    EXPECT_EQ(collection.AddEffect("com.morvane.vq318", withoutHost), AAX_ERROR_NULL_OBJECT);
    EXPECT_TRUE(recorder.Calls().empty());
}

TEST_F(DescriptionForwarding, PropertyQueriesAnswerWhatTheHostMapHolds) {
    AAX_VPropertyMap map(Host());
    ASSERT_EQ(map.AddProperty(12, 0x56713331), AAX_SUCCESS);
    PropertyValue value = 0;
    EXPECT_TRUE(map.GetProperty(12, &value));
    EXPECT_EQ(value, 0x56713331);
    value = -1;
    EXPECT_FALSE(map.GetProperty(13, &value));
    EXPECT_EQ(value, -1);

    const uint32_t ids[3] = {1, 2, 3};
    ASSERT_EQ(map.AddPropertyWithIDArray(20, ids, 3), AAX_SUCCESS);
    const uint32_t* held = nullptr;
    uint32_t count = 0;
    EXPECT_TRUE(map.GetPropertyWithIDArray(20, &held, &count));
    ASSERT_EQ(count, 3u);
    EXPECT_EQ(held[2], 3u);
    EXPECT_FALSE(map.GetPropertyWithIDArray(21, &held, &count));

    const std::vector<aaxhost::Call> calls = recorder.Log(DescriptionObject::kPropertyMap).Calls();
    ASSERT_EQ(calls.size(), 6u);
    EXPECT_EQ(calls[1], (aaxhost::Call{3, {Arg(12), Arg(&value)}}));
    EXPECT_EQ(calls[4], (aaxhost::Call{7, {Arg(20), Arg(&held), Arg(&count)}}));
}

TEST_F(DescriptionForwarding, PropertyQueriesWithoutHostMapAnswerFalseAndWriteNothing) {
    recorder.SetAnswer(DescriptionObject::kPropertyMap, IID_HostPropertyMapV2,
                       aaxhost::Answer::kRefuse);
    AAX_VPropertyMap withoutVersion2(Host());
    ASSERT_EQ(withoutVersion2.AddProperty(12, 4), AAX_SUCCESS);
    PropertyValue value = 0;
    EXPECT_TRUE(withoutVersion2.GetProperty(12, &value));
    const uint32_t* held = nullptr;
    uint32_t count = 9;
    EXPECT_FALSE(withoutVersion2.GetPropertyWithIDArray(12, &held, &count));
    EXPECT_EQ(count, 9u);

    AAX_VPropertyMap withoutMap(nullptr);
    value = -1;
    EXPECT_FALSE(withoutMap.GetProperty(12, &value));
    EXPECT_EQ(value, -1);
    EXPECT_FALSE(withoutMap.GetPropertyWithIDArray(12, &held, &count));
    EXPECT_EQ(recorder.Log(DescriptionObject::kPropertyMap).Calls().size(), 2u);
}

}  // namespace
