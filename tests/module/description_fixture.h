// Tests of the description wrappers over the stand-in host's recording description objects. When
// a test ends, every reference that the wrappers took on the host must have come back.
#pragma once

#include <gtest/gtest.h>

#include "tests/host/stand_in_fixture.h"
#include "tools/aaxhost/objects/component_factory.h"
#include "tools/aaxhost/objects/description_recorder.h"

class DescriptionWrapperTest : public testing::Test {
  protected:
    void TearDown() override {
        EXPECT_EQ(recorder.OutstandingReferences(), 0);
        EXPECT_EQ(factory.OutstandingReferences(), 0);
    }

    IACFUnknown* Host() const { return factory.Unknown(); }

    // Makes every slot of `kind` from `first` to `last` answer its own DistinctResult.
    void SetDistinctResults(aaxhost::DescriptionObject kind, int32_t first, int32_t last) {
        ::SetDistinctResults(recorder.Log(kind), first, last);
    }

    aaxhost::StandInComponentFactory factory;
    aaxhost::DescriptionRecorder recorder{factory};
};
