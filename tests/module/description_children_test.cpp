// The children that the description wrappers hand out: made over the same host, owned by the
// wrapper that made them and freed with it; and the property map copy of component descriptors.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "module/aax_vcollection.h"
#include "module/aax_vcomponent_descriptor.h"
#include "module/aax_veffect_descriptor.h"
#include "tests/module/description_fixture.h"

namespace {

using aaxhost::Arg;
using aaxhost::DescriptionObject;

class DescriptionChildren : public DescriptionWrapperTest {};

TEST_F(DescriptionChildren, EachNewChildIsADistinctWrapperOverItsOwnHostObject) {
    AAX_VEffectDescriptor effect(Host());
    AAX_IPropertyMap* first = effect.NewPropertyMap();
    AAX_IPropertyMap* second = effect.NewPropertyMap();
    AAX_IComponentDescriptor* component = effect.NewComponentDescriptor();
    AAX_IPropertyMap* componentMap = component->NewPropertyMap();
    EXPECT_NE(first, second);
    EXPECT_EQ(recorder.Count(DescriptionObject::kPropertyMap), 3u);
    EXPECT_EQ(recorder.Count(DescriptionObject::kComponentDescriptor), 1u);

    first->AddProperty(11, 1);
    second->AddProperty(12, 2);
    componentMap->AddProperty(13, 3);
    EXPECT_EQ(recorder.PropertyMap(0).Held(), (aaxhost::Properties{{11, 1}}));
    EXPECT_EQ(recorder.PropertyMap(1).Held(), (aaxhost::Properties{{12, 2}}));
    EXPECT_EQ(recorder.PropertyMap(2).Held(), (aaxhost::Properties{{13, 3}}));
}

TEST_F(DescriptionChildren, DestroyingAWrapperFreesEverythingItHandedOut) {
    {
        AAX_VCollection collection(Host());
        AAX_IEffectDescriptor* effect = collection.NewDescriptor();
        collection.NewPropertyMap();
        effect->NewPropertyMap();
        AAX_IComponentDescriptor* component = effect->NewComponentDescriptor();
        component->NewPropertyMap();
        component->NewPropertyMap();
        EXPECT_EQ(recorder.Count(DescriptionObject::kPropertyMap), 4u);
        // The collection's one interface, both versions of the 6 other host objects, and the
        // host unknown kept by the collection and the two descriptors.
        EXPECT_EQ(recorder.OutstandingReferences(), 1 + 6 * 2);
        EXPECT_EQ(factory.OutstandingReferences(), 3);
    }
    EXPECT_EQ(recorder.OutstandingReferences(), 0);
    EXPECT_EQ(factory.OutstandingReferences(), 0);
}

TEST_F(DescriptionChildren, ChildrenAreMadeEvenWhenTheHostRefusesTheirObjects) {
    recorder.RefuseCreation(DescriptionObject::kPropertyMap);
    recorder.RefuseCreation(DescriptionObject::kComponentDescriptor);
    AAX_VEffectDescriptor effect(Host());
    AAX_IComponentDescriptor* component = effect.NewComponentDescriptor();
    ASSERT_NE(component, nullptr);
    AAX_IPropertyMap* map = component->NewPropertyMap();
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map->AddProperty(11, 1), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(component->AddAudioIn(0), AAX_ERROR_NULL_OBJECT);
    // What the host got for them: null.
    EXPECT_EQ(effect.AddComponent(component), AAX_SUCCESS);
    EXPECT_EQ(effect.SetProperties(map), AAX_SUCCESS);
    const std::vector<aaxhost::Call> calls =
        recorder.Log(DescriptionObject::kEffectDescriptor).Calls();
    const std::vector<aaxhost::Call> expected = {{3, {Arg(nullptr)}}, {8, {Arg(nullptr)}}};
    EXPECT_EQ(calls, expected);
}

TEST_F(DescriptionChildren, DuplicatePropertyMapCopiesTheIdentifiersTenTo307) {
    AAX_VComponentDescriptor component(Host());
    AAX_IPropertyMap* source = component.NewPropertyMap();
    for (const PropertyId id : {307, 9, 11, 308, 10, 51}) source->AddProperty(id, id * 2);

    AAX_IPropertyMap* copy = component.DuplicatePropertyMap(source);
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, source);
    // In ascending order, boundaries included, nothing outside them.
    EXPECT_EQ(recorder.PropertyMap(1).Held(),
              (aaxhost::Properties{{10, 20}, {11, 22}, {51, 102}, {307, 614}}));
    // Every identifier of the range was asked of the source, in order.
    std::vector<int64_t> asked;
    for (const aaxhost::Call& call : recorder.Log(DescriptionObject::kPropertyMap).Calls()) {
        if (call.slot == 3) asked.push_back(std::get<int64_t>(call.arguments[0]));
    }
    ASSERT_EQ(asked.size(), 298u);
    EXPECT_EQ(asked.front(), 10);
    EXPECT_EQ(asked.back(), 307);

    // The copy belongs to the component descriptor like any of its maps.
    copy->AddProperty(60, 1);
    EXPECT_EQ(recorder.PropertyMap(1).Held().back(), (std::pair<PropertyId, PropertyValue>{60, 1}));
}

TEST_F(DescriptionChildren, DuplicateOfNoMapIsAnEmptyNewMap) {
    AAX_VComponentDescriptor component(Host());
    AAX_IPropertyMap* copy = component.DuplicatePropertyMap(nullptr);
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(recorder.PropertyMap(0).Held().empty());
    EXPECT_TRUE(recorder.Log(DescriptionObject::kPropertyMap).Calls().empty());
}

}  // namespace
