// The effect description when the description objects hand out no child: it stops where a child
// is missing and asks for nothing more.
#include "module/effect_description.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "module/description_interfaces.h"

namespace {

using testing::_;
using testing::InSequence;
using testing::Return;
using testing::StrictMock;

class MockEffectDescriptor : public AAX_IEffectDescriptor {
  public:
    MOCK_METHOD(AAX_IComponentDescriptor*, NewComponentDescriptor, (), (override));
    MOCK_METHOD(Result, AddComponent, (AAX_IComponentDescriptor*), (override));
    MOCK_METHOD(Result, AddName, (const char*), (override));
    MOCK_METHOD(Result, AddCategory, (uint32_t), (override));
    MOCK_METHOD(Result, AddCategoryBypassParameter, (uint32_t, ParameterId), (override));
    MOCK_METHOD(Result, AddProcPtr, (CreationProc, uint32_t), (override));
    MOCK_METHOD(AAX_IPropertyMap*, NewPropertyMap, (), (override));
    MOCK_METHOD(Result, SetProperties, (AAX_IPropertyMap*), (override));
    MOCK_METHOD(Result, AddResourceInfo, (int32_t, const char*), (override));
    MOCK_METHOD(Result, AddMeterDescription, (uint32_t, const char*, AAX_IPropertyMap*),
                (override));
    MOCK_METHOD(Result, AddControlMIDINode, (uint32_t, int32_t, const char*, uint32_t), (override));
};

class MockComponentDescriptor : public AAX_IComponentDescriptor {
  public:
    MOCK_METHOD(Result, Clear, (), (override));
    MOCK_METHOD(Result, AddAudioIn, (FieldIndex), (override));
    MOCK_METHOD(Result, AddAudioOut, (FieldIndex), (override));
    MOCK_METHOD(Result, AddAudioBufferLength, (FieldIndex), (override));
    MOCK_METHOD(Result, AddSampleRate, (FieldIndex), (override));
    MOCK_METHOD(Result, AddClock, (FieldIndex), (override));
    MOCK_METHOD(Result, AddSideChainIn, (FieldIndex), (override));
    MOCK_METHOD(Result, AddDataInPort, (FieldIndex, uint32_t, int32_t), (override));
    MOCK_METHOD(Result, AddAuxOutputStem, (FieldIndex, StemFormat, const char*), (override));
    MOCK_METHOD(Result, AddPrivateData, (FieldIndex, int32_t, uint32_t), (override));
    MOCK_METHOD(Result, AddTemporaryData, (FieldIndex, uint32_t), (override));
    MOCK_METHOD(Result, AddDmaInstance, (FieldIndex, int32_t), (override));
    MOCK_METHOD(Result, AddMeters, (FieldIndex, const uint32_t*, uint32_t), (override));
    MOCK_METHOD(Result, AddMIDINode, (FieldIndex, int32_t, const char*, uint32_t), (override));
    MOCK_METHOD(Result, AddReservedField, (FieldIndex, uint32_t), (override));
    MOCK_METHOD(AAX_IPropertyMap*, NewPropertyMap, (), (override));
    MOCK_METHOD(AAX_IPropertyMap*, DuplicatePropertyMap, (AAX_IPropertyMap*), (override));
    MOCK_METHOD(Result, AddProcessProc_Native,
                (ProcessProc, AAX_IPropertyMap*, InstanceInitProc, BackgroundProc, uint32_t*),
                (override));
    MOCK_METHOD(Result, AddProcessProc_TI,
                (const char*, const char*, AAX_IPropertyMap*, const char*, const char*, uint32_t*),
                (override));
};

TEST(EffectDescription, WithoutComponentDescriptorFailsWithNullObjectAndDeclaresNothing) {
    StrictMock<MockEffectDescriptor> effect;
    EXPECT_CALL(effect, NewComponentDescriptor()).WillOnce(Return(nullptr));
    EXPECT_EQ(DescribeEffect(effect), AAX_ERROR_NULL_OBJECT);
}

TEST(EffectDescription, AComponentWithoutPropertyMapGetsNoProperties) {
    StrictMock<MockComponentDescriptor> component;
    {
        InSequence order;
        EXPECT_CALL(component, AddAudioIn(0u));
        EXPECT_CALL(component, AddAudioBufferLength(5u));
        EXPECT_CALL(component, AddAudioOut(2u));
        EXPECT_CALL(component, AddSideChainIn(4u));
        EXPECT_CALL(component, AddDataInPort(_, _, 1)).Times(5);
        EXPECT_CALL(component, AddMIDINode(_, _, _, 0xFFFFu)).Times(2);
        // No process procedure follows.
        EXPECT_CALL(component, NewPropertyMap()).WillOnce(Return(nullptr));
    }
    DescribeComponent(kStemFormatStereo, component);
}

TEST(EffectDescription, RefusedDescriptionCallsStillDescribeEverything) {
    testing::NiceMock<MockEffectDescriptor> effect;
    testing::NiceMock<MockComponentDescriptor> component;
    ON_CALL(effect, NewComponentDescriptor()).WillByDefault(Return(&component));
    ON_CALL(effect, AddName(_)).WillByDefault(Return(-1));
    ON_CALL(effect, AddComponent(_)).WillByDefault(Return(-1));
    ON_CALL(component, Clear()).WillByDefault(Return(-1));
    EXPECT_CALL(effect, AddComponent(&component)).Times(2);
    EXPECT_CALL(component, Clear()).Times(2);
    EXPECT_CALL(effect, AddProcPtr(_, 0u));
    EXPECT_CALL(effect, AddProcPtr(_, 1u));
    EXPECT_EQ(DescribeEffect(effect), AAX_SUCCESS);
}

}  // namespace
