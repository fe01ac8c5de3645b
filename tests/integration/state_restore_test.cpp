// A state restored through the module that ships, with the demo plug-in's own chunk: the
// parameters read back the restored values once the host has answered the module's requests,
// and the plug-in keeps exactly the state it was given.
#include <gtest/gtest.h>

#include <vector>

#include "tests/integration/session_fixture.h"

namespace {

class DemoStateRestore : public SessionTest {
  protected:
    HostedPlugin Hosted() const override { return HostedPlugin::kDemo; }

    static std::vector<double> Values(aaxhost::EffectInstance& instance,
                                      const std::vector<std::string>& identifiers) {
        std::vector<double> values;
        for (const std::string& id : identifiers) {
            double value = -1.0;
            EXPECT_EQ(instance.Effect().GetParameterNormalizedValue(id.c_str(), &value),
                      AAX_SUCCESS);
            values.push_back(value);
        }
        return values;
    }
};

TEST_F(DemoStateRestore, ParametersReadBackTheRestoredValues) {
    OpenSession();
    auto instance = NewInstance();
    ASSERT_TRUE(instance->Ready());
    const std::vector<std::string> identifiers = Automatable(*instance);
    ASSERT_FALSE(identifiers.empty());
    aaxhost::SavedState saved;
    ASSERT_EQ(instance->SaveState(saved), AAX_SUCCESS);
    const std::vector<double> savedValues = Values(*instance, identifiers);

    // Every parameter moved to the other end of its range by the host.
    for (size_t i = 0; i < identifiers.size(); ++i) {
        const double other = savedValues[i] < 0.5 ? 1.0 : 0.0;
        ASSERT_EQ(instance->Effect().SetParameterNormalizedValue(identifiers[i].c_str(), other),
                  AAX_SUCCESS);
    }
    instance->Service();
    ASSERT_NE(Values(*instance, identifiers), savedValues);

    ASSERT_EQ(instance->LoadState(saved), AAX_SUCCESS);
    instance->Service();
    EXPECT_EQ(Values(*instance, identifiers), savedValues);
    aaxhost::SavedState again;
    ASSERT_EQ(instance->SaveState(again), AAX_SUCCESS);
    EXPECT_EQ(again.data, saved.data) << "the host's answers left the restored state alone";
}

}  // namespace
