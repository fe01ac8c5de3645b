#include "module/object_model.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/module/test_object.h"

namespace {

// Identifiers that differ from IACFUnknown's in exactly one of their 16 bytes.
std::vector<InterfaceId> OneByteAway(const InterfaceId& iid) {
    std::vector<InterfaceId> near;
    for (size_t i = 0; i < sizeof(InterfaceId); ++i) {
        InterfaceId changed = iid;
        reinterpret_cast<unsigned char*>(&changed)[i] ^= 0x01;
        near.push_back(changed);
    }
    return near;
}

TEST(AcfIdentifier, TextFormFillsTheFieldsInOrder) {
    const InterfaceId expected{
        0x9D5E3E3D, 0x52DC, 0x5EFB, {0x20, 0x18, 0xDE, 0x1D, 0xE2, 0xE6, 0x3F, 0x4E}};
    EXPECT_EQ(MakeUID("9D5E3E3D-52DC-5EFB-2018-DE1DE2E63F4E"), expected);
    EXPECT_EQ(MakeUID("9d5e3e3d-52dc-5efb-2018-de1de2e63f4e"), expected);
}

TEST(AcfIdentifier, EqualOnlyWhenAllSixteenBytesAre) {
    EXPECT_EQ(IID_IACFUnknown, MakeUID("00000000-0000-0000-C000-000000000046"));
    for (const InterfaceId& near : OneByteAway(IID_IACFUnknown)) {
        EXPECT_FALSE(near == IID_IACFUnknown);
    }
}

TEST(ObjectModel, NewObjectHasNoReferencesAndCountsAsLive) {
    LifeRecord record;
    const uint32_t before = ActiveObjectCount.load();
    auto* object = new TestObject(record);
    EXPECT_EQ(ActiveObjectCount.load(), before + 1);
    // The first reference taken makes the count 1, so it was 0.
    EXPECT_EQ(object->AddRef(), 1u);
    EXPECT_EQ(object->Release(), 0u);
}

TEST(ObjectModel, AddRefThenReleaseFinalizesDeletesAndLowersTheLiveCount) {
    LifeRecord record;
    const uint32_t before = ActiveObjectCount.load();
    ITestCounter* object = new TestObject(record);
    object->AddRef();
    EXPECT_EQ(record.destroyed, 0);
    EXPECT_EQ(object->Release(), 0u);
    EXPECT_EQ(record.finalized, 1);
    EXPECT_EQ(record.destroyed, 1);
    EXPECT_TRUE(record.finalizedBeforeDestruction);
    EXPECT_EQ(ActiveObjectCount.load(), before);
}

TEST(ObjectModel, CountsEveryLiveObject) {
    LifeRecord record;
    const uint32_t before = ActiveObjectCount.load();
    ITestCounter* first = new TestObject(record);
    ITestCounter* second = new TestObject(record);
    first->AddRef();
    second->AddRef();
    EXPECT_EQ(ActiveObjectCount.load(), before + 2);
    first->Release();
    EXPECT_EQ(ActiveObjectCount.load(), before + 1);
    second->Release();
    EXPECT_EQ(ActiveObjectCount.load(), before);
    EXPECT_EQ(record.destroyed, 2);
}

TEST(ObjectModel, ObjectStaysAliveUntilItsLastReferenceIsReleased) {
    LifeRecord record;
    ITestCounter* object = new TestObject(record);
    EXPECT_EQ(object->AddRef(), 1u);
    EXPECT_EQ(object->AddRef(), 2u);
    EXPECT_EQ(object->AddRef(), 3u);
    EXPECT_EQ(object->Release(), 2u);
    EXPECT_EQ(object->Release(), 1u);
    EXPECT_EQ(record.destroyed, 0);
    EXPECT_EQ(object->Value(), 7);
    EXPECT_EQ(object->Release(), 0u);
    EXPECT_EQ(record.destroyed, 1);
}

TEST(ObjectModel, QueryForIACFUnknownGivesTheInnerUnknownWithOneReference) {
    LifeRecord record;
    ITestCounter* object = new TestObject(record);
    object->AddRef();

    void* answer = nullptr;
    ASSERT_EQ(object->QueryInterface(IID_IACFUnknown, &answer), AAX_SUCCESS);
    ASSERT_NE(answer, nullptr);
    auto* unknown = static_cast<IACFUnknown*>(answer);
    EXPECT_NE(static_cast<void*>(unknown), static_cast<void*>(object));
    EXPECT_EQ(unknown, static_cast<TestObject*>(object)->GetOuterUnknown());

    // The query's reference and the test's own: releasing both through either pointer deletes.
    EXPECT_EQ(unknown->Release(), 1u);
    EXPECT_EQ(record.destroyed, 0);
    EXPECT_EQ(object->Release(), 0u);
    EXPECT_EQ(record.destroyed, 1);
}

TEST(ObjectModel, InnerUnknownAnswersTheObjectsOwnInterfaceWithItsFirstBase) {
    LifeRecord record;
    auto* object = new TestObject(record);
    IACFUnknown* inner = object->GetOuterUnknown();
    void* answer = nullptr;
    ASSERT_EQ(inner->QueryInterface(IID_ITestCounter, &answer), AAX_SUCCESS);
    EXPECT_EQ(answer, static_cast<void*>(object));
    auto* counter = static_cast<ITestCounter*>(answer);
    EXPECT_EQ(counter->Value(), 7);
    EXPECT_EQ(counter->Release(), 0u);
    EXPECT_EQ(record.destroyed, 1);
}

TEST(ObjectModel, UnknownIdentifierIsRefusedWithANullOutPointer) {
    LifeRecord record;
    ITestCounter* object = new TestObject(record);
    object->AddRef();
    std::vector<InterfaceId> refused = OneByteAway(IID_IACFUnknown);
    const std::vector<InterfaceId> nearOwn = OneByteAway(IID_ITestCounter);
    refused.insert(refused.end(), nearOwn.begin(), nearOwn.end());
    for (const InterfaceId& iid : refused) {
        void* answer = &record;
        EXPECT_EQ(object->QueryInterface(iid, &answer), ACF_E_NOINTERFACE);
        EXPECT_EQ(answer, nullptr);
    }
    // Refusals took no reference.
    EXPECT_EQ(object->Release(), 0u);
    EXPECT_EQ(record.destroyed, 1);
}

TEST(ObjectModel, QueryWithoutOutPointerIsRejected) {
    LifeRecord record;
    ITestCounter* object = new TestObject(record);
    object->AddRef();
    EXPECT_EQ(object->QueryInterface(IID_IACFUnknown, nullptr), ACF_E_POINTER);
    EXPECT_EQ(object->Release(), 0u);
}

}  // namespace
