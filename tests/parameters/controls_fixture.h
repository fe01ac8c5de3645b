// A test that holds a ControlsEffect as the host does, through its interface, with the
// stand-in host answering every set request at once; at the end the effect is uninitialised and
// released and every host reference must have come back.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "tests/parameters/controls_effect.h"
#include "tests/support/effect_host.h"
#include "tests/support/hosted_effect.h"

class ControlsEffectTest : public testing::Test {
  protected:
    void SetUp() override {
        object_ = new ControlsEffect;
        effect_ = std::make_unique<HostedEffect>(
            static_cast<IACFUnknown*>(static_cast<AAX_IACFEffectParameters_V2*>(object_)));
        host_.automation.AnswerSetRequests(effect_->get(), aaxhost::SetRequestAnswer::kAtOnce);
    }
    void TearDown() override {
        if (effect_->get() != nullptr) {
            (*effect_)->Uninitialize();
            EXPECT_EQ(effect_->Release(), 0u);
        }
        EXPECT_TRUE(host_.ReferencesReturned());
    }

    void Initialize() { ASSERT_EQ((*effect_)->Initialize(host_.Unknown()), AAX_SUCCESS); }
    std::vector<aaxhost::Call> AutomationCalls() { return host_.automation.Log().Calls(); }

    EffectHost host_;
    ControlsEffect* object_ = nullptr;
    std::unique_ptr<HostedEffect> effect_;
};
