// The stand-in host's description side, called directly through the host interfaces: one new
// object per request, one ordered record, and what the host keeps of each declaration.
#include "tools/aaxhost/objects/description_recorder.h"

#include <gtest/gtest.h>

#include <vector>

#include "abi/component_factory.h"

namespace {

using aaxhost::Arg;
using aaxhost::DeclaredField;
using aaxhost::DescriptionCall;
using aaxhost::DescriptionObject;
using aaxhost::Text;

void Render(AlgorithmContext* const[], const void*) {}

class DescriptionRecorderTest : public testing::Test {
  protected:
    void SetUp() override {
        void* answer = nullptr;
        ASSERT_EQ(factory.Unknown()->QueryInterface(IID_HostComponentFactory, &answer),
                  AAX_SUCCESS);
        creator = static_cast<HostComponentFactory*>(answer);
    }

    void TearDown() override {
        for (void* created : made) static_cast<IACFUnknown*>(created)->Release();
        creator->Release();
        EXPECT_EQ(recorder.OutstandingReferences(), 0);
        EXPECT_EQ(factory.OutstandingReferences(), 0);
    }

    // Creates a host object as the module does; the test releases it when it ends.
    template <class Interface>
    Interface* Create(const ClassId& clsid, const InterfaceId& iid, Result expected = AAX_SUCCESS) {
        void* created = &created;
        EXPECT_EQ(creator->CreateComponent(clsid, nullptr, iid, &created), expected);
        if (created != nullptr) made.push_back(created);
        return static_cast<Interface*>(created);
    }

    aaxhost::StandInComponentFactory factory;
    aaxhost::DescriptionRecorder recorder{factory};
    HostComponentFactory* creator = nullptr;
    std::vector<void*> made;
};

TEST_F(DescriptionRecorderTest, MakesANewObjectForEachRequestOrRefusesTheClass) {
    auto* first = Create<HostPropertyMap>(CLSID_HostPropertyMap, IID_HostPropertyMap);
    auto* second = Create<HostPropertyMap>(CLSID_HostPropertyMap, IID_HostPropertyMap);
    ASSERT_NE(first, nullptr);
    EXPECT_NE(first, second);
    ASSERT_EQ(recorder.Count(DescriptionObject::kPropertyMap), 2u);
    EXPECT_EQ(recorder.FindPropertyMap(second), &recorder.PropertyMap(1));
    EXPECT_EQ(recorder.PropertyMap(0).OutstandingReferences(), 1);

    recorder.RefuseCreation(DescriptionObject::kCollection);
    EXPECT_EQ(Create<void>(CLSID_HostCollection, IID_HostCollection, ACF_E_NOINTERFACE), nullptr);
    EXPECT_EQ(recorder.Count(DescriptionObject::kCollection), 0u);
    EXPECT_EQ(recorder.FindPropertyMap(nullptr), nullptr);
}

TEST_F(DescriptionRecorderTest, RecordsEveryCallInOrderAndAnswersTheResultsSetByKind) {
    auto* effect =
        Create<HostEffectDescriptor>(CLSID_HostEffectDescriptor, IID_HostEffectDescriptor);
    auto* map = Create<HostPropertyMap>(CLSID_HostPropertyMap, IID_HostPropertyMap);
    recorder.Log(DescriptionObject::kEffectDescriptor).SetResult(4, -7);
    EXPECT_EQ(effect->AddName("VQ"), -7);
    EXPECT_EQ(map->AddProperty(11, 3), AAX_SUCCESS);
    EXPECT_EQ(effect->AddCategory(32), AAX_SUCCESS);

    const std::vector<DescriptionCall> expected = {
        {DescriptionObject::kEffectDescriptor, 0, {4, {Text("VQ")}}},
        {DescriptionObject::kPropertyMap, 0, {4, {Arg(11), Arg(3)}}},
        {DescriptionObject::kEffectDescriptor, 0, {5, {Arg(32u)}}},
    };
    EXPECT_EQ(recorder.Calls(), expected);
    EXPECT_EQ(recorder.Log(DescriptionObject::kEffectDescriptor).Calls().size(), 2u);
    // A refused call leaves nothing behind.
    EXPECT_TRUE(recorder.EffectDescriptor(0).Declared().names.empty());
    EXPECT_EQ(recorder.EffectDescriptor(0).Declared().categories, std::vector<uint32_t>{32});
}

TEST_F(DescriptionRecorderTest, AnswersSetForAKindApplyToTheObjectsMadeLater) {
    recorder.SetAnswer(DescriptionObject::kComponentDescriptor, IID_HostComponentDescriptorV2,
                       aaxhost::Answer::kRefuse);
    Create<void>(CLSID_HostComponentDescriptor, IID_HostComponentDescriptor);
    EXPECT_EQ(Create<void>(CLSID_HostComponentDescriptor, IID_HostComponentDescriptorV2,
                           ACF_E_NOINTERFACE),
              nullptr);
    EXPECT_NE(Create<void>(CLSID_HostEffectDescriptor, IID_HostEffectDescriptorV2), nullptr);
}

TEST_F(DescriptionRecorderTest, ComponentsAreKeptAsTheyWereWhenAdded) {
    auto* effect =
        Create<HostEffectDescriptor>(CLSID_HostEffectDescriptor, IID_HostEffectDescriptor);
    auto* component =
        Create<HostComponentDescriptor>(CLSID_HostComponentDescriptor, IID_HostComponentDescriptor);
    auto* map = Create<HostPropertyMap>(CLSID_HostPropertyMap, IID_HostPropertyMap);
    map->AddProperty(51, 1);
    component->AddAudioIn(0);
    component->AddDataInPort(7, 8, 1);
    component->AddSampleRate(11);
    component->AddProcessProc_Native(Render, map, nullptr, nullptr, nullptr);
    map->AddProperty(52, 1);
    effect->AddComponent(component);
    component->Clear();
    component->AddAudioOut(2);
    component->AddProcessProc_Native(Render, nullptr, nullptr, nullptr, nullptr);
    effect->AddComponent(component);

    const aaxhost::Effect& declared = recorder.EffectDescriptor(0).Declared();
    ASSERT_EQ(declared.components.size(), 2u);
    const std::vector<DeclaredField> first = {
        {.index = 0, .kind = DeclaredField::Kind::kAudioIn},
        {.index = 7, .kind = DeclaredField::Kind::kDataInPort, .packetSize = 8, .portType = 1},
        {.index = 11, .kind = DeclaredField::Kind::kOther, .hostSlot = 8},
    };
    EXPECT_EQ(declared.components[0].fields, first);
    ASSERT_EQ(declared.components[0].processProcedures.size(), 1u);
    EXPECT_EQ(declared.components[0].processProcedures[0].procedure, &Render);
    // The properties the map held when it was given with the procedure.
    EXPECT_EQ(declared.components[0].processProcedures[0].properties,
              (aaxhost::Properties{{51, 1}}));
    EXPECT_EQ(declared.components[1].fields,
              (std::vector<DeclaredField>{{.index = 2, .kind = DeclaredField::Kind::kAudioOut}}));
    EXPECT_EQ(declared.components[1].processProcedures.at(0).properties, std::nullopt);
}

TEST_F(DescriptionRecorderTest, PropertyMapKeepsOneValueAnIdentifierInTheOrderFirstAdded) {
    auto* map = Create<HostPropertyMapV2>(CLSID_HostPropertyMap, IID_HostPropertyMapV2);
    map->AddProperty(13, 1);
    map->AddProperty(11, 2);
    map->AddProperty(13, 3);
    EXPECT_EQ(recorder.PropertyMap(0).Held(), (aaxhost::Properties{{13, 3}, {11, 2}}));
    PropertyValue value = 0;
    EXPECT_TRUE(map->GetProperty(13, &value));
    EXPECT_EQ(value, 3);
    map->RemoveProperty(13);
    EXPECT_FALSE(map->GetProperty(13, &value));
    EXPECT_EQ(aaxhost::FindProperty(recorder.PropertyMap(0).Held(), 11), 2);
    EXPECT_EQ(aaxhost::FindProperty(recorder.PropertyMap(0).Held(), 13), std::nullopt);
}

TEST_F(DescriptionRecorderTest, CollectionKeepsThePackageAndAnswersWithItsDefinition) {
    auto* collection = Create<HostCollection>(CLSID_HostCollection, IID_HostCollection);
    auto* effect =
        Create<HostEffectDescriptor>(CLSID_HostEffectDescriptor, IID_HostEffectDescriptor);
    effect->AddName("VQ 318");
    effect->AddProcPtr(nullptr, 4);
    collection->AddEffect("com.morvane.vq318", effect);
    effect->AddName("later");
    collection->SetManufacturerName("Morvane");
    collection->AddPackageName("VQ");
    collection->SetPackageVersion(2);

    const aaxhost::Package& package = recorder.Collection(0).Declared();
    EXPECT_EQ(package.manufacturer, "Morvane");
    EXPECT_EQ(package.names, std::vector<std::string>{"VQ"});
    EXPECT_EQ(package.version, 2u);
    ASSERT_EQ(package.effects.size(), 1u);
    EXPECT_EQ(package.effects[0].identifier, "com.morvane.vq318");
    EXPECT_EQ(package.effects[0].names, std::vector<std::string>{"VQ 318"});
    EXPECT_EQ(package.effects[0].FindCreationProcedure(4), nullptr);

    void* definition = nullptr;
    ASSERT_EQ(collection->QueryInterface(IID_HostPluginDefinition, &definition), AAX_SUCCESS);
    EXPECT_EQ(definition, recorder.Collection(0).Definition());
    static_cast<IACFUnknown*>(definition)->Release();
}

}  // namespace
