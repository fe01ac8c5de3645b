// Registration through the module's exports: the whole description as the host receives it, the
// package data, the plug-in definition, and every way the host can fail it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "abi/description_types.h"
#include "abi/four_char_code.h"
#include "abi/host_collection.h"
#include "abi/midi.h"
#include "tests/integration/module_fixture.h"
#include "tests/support/test_creation_procedures.h"

namespace {

using aaxhost::Arg;
using aaxhost::Call;
using aaxhost::CallArgument;
using aaxhost::DeclaredField;
using aaxhost::DescriptionCall;
using aaxhost::DescriptionObject;
using aaxhost::Text;
using Field = DeclaredField::Kind;

constexpr const char* kNames[] = {"VQ 318", "VQ318", "VQ"};

int32_t Code(const char (&text)[5]) {
    return static_cast<int32_t>(FourCharCode(text));
}

aaxhost::Properties ExpectedProperties(StemFormat stemFormat) {
    const bool mono = stemFormat == kStemFormatMono;
    return {{11, Code("Morv")},
            {12, Code("Vq31")},
            {60, 1},
            {51, stemFormat},
            {52, stemFormat},
            {13, mono ? Code("mVQn") : Code("sVQn")},
            {14, mono ? Code("mVQa") : Code("sVQa")}};
}

std::vector<DeclaredField> ExpectedFields() {
    return {
        {.index = 0, .kind = Field::kAudioIn},
        {.index = 5, .kind = Field::kBufferLength},
        {.index = 2, .kind = Field::kAudioOut},
        {.index = 4, .kind = Field::kSideChainIn},
        {.index = 1, .kind = Field::kDataInPort, .packetSize = 4, .portType = 1},
        {.index = 3, .kind = Field::kDataInPort, .packetSize = 4, .portType = 1},
        {.index = 6, .kind = Field::kDataInPort, .packetSize = 4, .portType = 1},
        {.index = 7, .kind = Field::kDataInPort, .packetSize = 8, .portType = 1},
        {.index = 8, .kind = Field::kDataInPort, .packetSize = 4, .portType = 1},
        {.index = 9,
         .kind = Field::kMidiNode,
         .nodeType = 3,
         .nodeName = "AAX_Quillmarker_MIDITrnsprt",
         .channelMask = 0xFFFF},
        {.index = 10,
         .kind = Field::kMidiNode,
         .nodeType = 0,
         .nodeName = "VQ 318",
         .channelMask = 0xFFFF},
    };
}

void ReleaseDefinition(HostPluginDefinition* definition) {
    reinterpret_cast<IACFUnknown*>(definition)->Release();
}

class Registration : public ModuleTest {
  protected:
    DescriptionCall On(DescriptionObject object, size_t serial, int32_t slot,
                       std::vector<CallArgument> arguments = {}) const {
        return DescriptionCall{object, serial, Call{slot, std::move(arguments)}};
    }

    // The calls of one component, described on component descriptor 0 with property map `map`.
    void AppendComponent(std::vector<DescriptionCall>& calls, StemFormat stemFormat, size_t map,
                         ProcessProc renderProc) const {
        const auto component = DescriptionObject::kComponentDescriptor;
        calls.push_back(On(component, 0, 3));
        calls.push_back(On(component, 0, 5, {Arg(0u)}));
        calls.push_back(On(component, 0, 7, {Arg(5u)}));
        calls.push_back(On(component, 0, 6, {Arg(2u)}));
        calls.push_back(On(component, 0, 10, {Arg(4u)}));
        for (const auto& [field, size] :
             std::vector<std::pair<uint32_t, uint32_t>>{{1, 4}, {3, 4}, {6, 4}, {7, 8}, {8, 4}}) {
            calls.push_back(On(component, 0, 11, {Arg(field), Arg(size), Arg(1)}));
        }
        calls.push_back(On(component, 0, 15,
                           {Arg(9u), Arg(3), Text("AAX_Quillmarker_MIDITrnsprt"), Arg(0xFFFFu)}));
        calls.push_back(On(component, 0, 15, {Arg(10u), Arg(0), Text("VQ 318"), Arg(0xFFFFu)}));
        for (const auto& [id, value] : ExpectedProperties(stemFormat)) {
            calls.push_back(On(DescriptionObject::kPropertyMap, map, 4, {Arg(id), Arg(value)}));
        }
        calls.push_back(On(component, 0, 16,
                           {Arg(renderProc), Arg(recorder.PropertyMap(map).Interface()),
                            Arg(nullptr), Arg(nullptr), Arg(nullptr)}));
        calls.push_back(On(DescriptionObject::kEffectDescriptor, 0, 3,
                           {Arg(recorder.ComponentDescriptor(0).Interface())}));
    }

    void ExpectPackageData(size_t firstCall) const {
        const std::vector<DescriptionCall> calls = recorder.Calls();
        const auto collection = DescriptionObject::kCollection;
        const std::vector<DescriptionCall> expected = {
            On(collection, 0, 8, {Text("Morvane")}), On(collection, 0, 9, {Text("VQ 318")}),
            On(collection, 0, 9, {Text("VQ318")}),   On(collection, 0, 9, {Text("VQ")}),
            On(collection, 0, 10, {Arg(1u)}),
        };
        ASSERT_EQ(calls.size(), firstCall + expected.size());
        EXPECT_EQ(std::vector<DescriptionCall>(calls.begin() + firstCall, calls.end()), expected);
    }
};

TEST_F(Registration, DescribesTheWholeEffectInOrderAndHandsOverTheDefinition) {
    HostPluginDefinition* definition = nullptr;
    ASSERT_EQ(Register(&definition), AAX_SUCCESS);
    EXPECT_EQ(reinterpret_cast<IACFUnknown*>(definition), recorder.Collection(0).Definition());

    ASSERT_EQ(recorder.Count(DescriptionObject::kCollection), 1u);
    ASSERT_EQ(recorder.Count(DescriptionObject::kEffectDescriptor), 1u);
    ASSERT_EQ(recorder.Count(DescriptionObject::kComponentDescriptor), 1u);
    ASSERT_EQ(recorder.Count(DescriptionObject::kPropertyMap), 2u);
    const aaxhost::Package& package = Registered();
    ASSERT_EQ(package.effects.size(), 1u);
    const aaxhost::Effect& effect = package.effects[0];
    ASSERT_EQ(effect.components.size(), 2u);
    ASSERT_EQ(effect.components[0].processProcedures.size(), 1u);
    const ProcessProc renderProc = effect.components[0].processProcedures[0].procedure;
    const CreationProc createParameters = effect.FindCreationProcedure(0);
    const CreationProc createGUI = effect.FindCreationProcedure(1);
    ASSERT_NE(renderProc, nullptr);
    ASSERT_NE(createParameters, nullptr);
    ASSERT_NE(createGUI, nullptr);

    const auto effectDescriptor = DescriptionObject::kEffectDescriptor;
    std::vector<DescriptionCall> expected;
    for (const char* name : kNames) expected.push_back(On(effectDescriptor, 0, 4, {Text(name)}));
    expected.push_back(On(effectDescriptor, 0, 5, {Arg(32u)}));
    AppendComponent(expected, kStemFormatMono, 0, renderProc);
    AppendComponent(expected, kStemFormatStereo, 1, renderProc);
    expected.push_back(On(effectDescriptor, 0, 7, {Arg(createParameters), Arg(0u)}));
    expected.push_back(On(effectDescriptor, 0, 9, {Arg(0), Text("")}));
    expected.push_back(On(effectDescriptor, 0, 7, {Arg(createGUI), Arg(1u)}));
    expected.push_back(
        On(DescriptionObject::kCollection, 0, 7,
           {Text("com.morvane.vq318"), Arg(recorder.EffectDescriptor(0).Interface())}));
    const std::vector<DescriptionCall> calls = recorder.Calls();
    ASSERT_GE(calls.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(calls[i], expected[i]) << "call " << i;
    }
    ExpectPackageData(expected.size());

    // The definition's reference is the caller's; the description itself kept none.
    EXPECT_EQ(recorder.OutstandingReferences(), 1);
    ReleaseDefinition(definition);
}

TEST_F(Registration, TheHostKeepsBothComponentsWithTheirFieldsPropertiesAndProcedure) {
    HostPluginDefinition* definition = nullptr;
    ASSERT_EQ(Register(&definition), AAX_SUCCESS);
    ReleaseDefinition(definition);

    const aaxhost::Package& package = Registered();
    EXPECT_EQ(package.manufacturer, "Morvane");
    EXPECT_EQ(package.names, (std::vector<std::string>{"VQ 318", "VQ318", "VQ"}));
    EXPECT_EQ(package.version, 1u);
    ASSERT_EQ(package.effects.size(), 1u);
    const aaxhost::Effect& effect = package.effects[0];
    EXPECT_EQ(effect.identifier, "com.morvane.vq318");
    EXPECT_EQ(effect.names, package.names);
    EXPECT_EQ(effect.categories, std::vector<uint32_t>{32});
    EXPECT_EQ(effect.resources, (std::vector<std::pair<int32_t, std::string>>{{0, ""}}));
    const StemFormat stemFormats[] = {kStemFormatMono, kStemFormatStereo};
    ASSERT_EQ(effect.components.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE(stemFormats[i]);
        const aaxhost::Component& component = effect.components[i];
        // Cleared before the second component: nothing of the first is repeated.
        EXPECT_EQ(component.fields, ExpectedFields());
        ASSERT_EQ(component.processProcedures.size(), 1u);
        const aaxhost::ProcessProcedure& procedure = component.processProcedures[0];
        EXPECT_EQ(procedure.properties, ExpectedProperties(stemFormats[i]));
        EXPECT_EQ(procedure.procedure, effect.components[0].processProcedures[0].procedure);
        EXPECT_EQ(procedure.instanceInitProc, nullptr);
        EXPECT_EQ(procedure.backgroundProc, nullptr);
        EXPECT_EQ(procedure.processProcID, nullptr);
    }

    // The procedure from the description is callable; with no instance it touches nothing.
    AlgorithmContext* const noInstance[] = {nullptr};
    effect.components[0].processProcedures[0].procedure(noInstance, noInstance + 1);
}

TEST_F(Registration, CreationProceduresMakeTheEffectParametersThenTheEditorObject) {
    HostPluginDefinition* definition = nullptr;
    ASSERT_EQ(Register(&definition), AAX_SUCCESS);
    ReleaseDefinition(definition);
    const aaxhost::Effect& effect = Registered().effects.at(0);
    ASSERT_EQ(effect.creationProcedures.size(), 2u);
    EXPECT_EQ(effect.creationProcedures[0].procID, 0u);
    EXPECT_EQ(effect.creationProcedures[1].procID, 1u);

    const InterfaceId identities[] = {IID_TestEffectParametersObject, IID_TestEffectGUIObject};
    for (size_t i = 0; i < 2; ++i) {
        IACFUnknown* object = effect.creationProcedures[i].procedure();
        ASSERT_NE(object, nullptr);
        void* own = nullptr;
        EXPECT_EQ(object->QueryInterface(identities[i], &own), AAX_SUCCESS);
        EXPECT_EQ(own, object);
        void* other = &other;
        EXPECT_EQ(object->QueryInterface(identities[1 - i], &other), ACF_E_NOINTERFACE);
        EXPECT_EQ(other, nullptr);
        // The query's reference is the only one: releasing it deletes the object.
        EXPECT_EQ(object->Release(), 0u);
    }
    EXPECT_EQ(Module().canUnloadNow(Host()), 0);
}

TEST_F(Registration, WithoutEffectDescriptorFailsWithNullObjectAndStillGivesThePackageData) {
    recorder.RefuseCreation(DescriptionObject::kEffectDescriptor);
    HostPluginDefinition* definition = reinterpret_cast<HostPluginDefinition*>(&definition);
    EXPECT_EQ(Register(&definition), AAX_ERROR_NULL_OBJECT);
    // Left as it was.
    EXPECT_EQ(definition, reinterpret_cast<HostPluginDefinition*>(&definition));
    EXPECT_TRUE(Registered().effects.empty());
    // The component descriptor and its maps are still described; then the package data.
    const std::vector<DescriptionCall> calls = recorder.Calls();
    size_t firstPackageCall = 0;
    while (firstPackageCall < calls.size() &&
           calls[firstPackageCall].object != DescriptionObject::kCollection) {
        ++firstPackageCall;
    }
    ExpectPackageData(firstPackageCall);
}

TEST_F(Registration, AHostThatRefusesTheEffectGetsItsOwnResultAndThePackageData) {
    recorder.Log(DescriptionObject::kCollection).SetResult(7, -12345);
    HostPluginDefinition* definition = nullptr;
    EXPECT_EQ(Register(&definition), -12345);
    EXPECT_EQ(definition, nullptr);
    const std::vector<DescriptionCall> calls = recorder.Calls();
    ASSERT_FALSE(calls.empty());
    ExpectPackageData(calls.size() - 5);
    EXPECT_EQ(calls[calls.size() - 6].call.slot, 7);
}

TEST_F(Registration, RefusedDescriptionCallsDoNotChangeTheResult) {
    for (int32_t slot = 3; slot <= 10; ++slot) {
        recorder.Log(DescriptionObject::kEffectDescriptor).SetResult(slot, -1);
    }
    for (int32_t slot = 3; slot <= 19; ++slot) {
        recorder.Log(DescriptionObject::kComponentDescriptor).SetResult(slot, -1);
    }
    recorder.Log(DescriptionObject::kPropertyMap).SetResult(4, -1);
    HostPluginDefinition* definition = nullptr;
    ASSERT_EQ(Register(&definition), AAX_SUCCESS);
    ReleaseDefinition(definition);
    ASSERT_EQ(Registered().effects.size(), 1u);
    EXPECT_TRUE(Registered().effects[0].components.empty());
}

TEST_F(Registration, WithoutDefinitionFailsWithNullObject) {
    recorder.SetAnswer(DescriptionObject::kCollection, IID_HostPluginDefinition,
                       aaxhost::Answer::kRefuse);
    HostPluginDefinition* definition = reinterpret_cast<HostPluginDefinition*>(&definition);
    EXPECT_EQ(Register(&definition), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(definition, nullptr);
    ASSERT_EQ(Registered().effects.size(), 1u);

    EXPECT_EQ(Register(nullptr), AAX_ERROR_NULL_OBJECT);
}

TEST_F(Registration, WithoutCollectionFailsWithNullObject) {
    recorder.RefuseCreation(DescriptionObject::kCollection);
    HostPluginDefinition* definition = nullptr;
    EXPECT_EQ(Register(&definition), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(definition, nullptr);
    EXPECT_EQ(Module().registerPlugin(nullptr, &definition), AAX_ERROR_NULL_OBJECT);
}

TEST_F(Registration, AFactoryReportedButNotHandedOverEndsInUnexpectedAndLeaksNothing) {
    factory.SetAnswer(IID_HostComponentFactory, aaxhost::Answer::kNullWithSuccess);
    HostPluginDefinition* definition = nullptr;
    EXPECT_EQ(Register(&definition), ACF_E_UNEXPECTED);
    EXPECT_EQ(definition, nullptr);
    EXPECT_TRUE(recorder.Calls().empty());
}

}  // namespace
