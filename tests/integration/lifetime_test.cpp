// Long sessions: a thousand instance lives one after another, and the module opened and shut down
// a hundred times in one process, each ending with every module object gone and every reference
// given back. The sanitize suite runs it under the leak checker.
#include <gtest/gtest.h>

#include "tests/integration/session_fixture.h"

namespace {

class Lifetime : public BothPluginsTest {};

TEST_P(Lifetime, AThousandInstanceLivesLeaveNothingBehind) {
    Control().SetScript(QuietScript());
    OpenSession();
    for (int32_t cycle = 0; cycle < 1000; ++cycle) {
        {
            aaxhost::EffectInstance instance(*session, aaxhost::InstanceOptions{});
            ASSERT_TRUE(instance.Ready()) << instance.Failure();
            LiveThrough(instance, 2);
        }
        ASSERT_EQ(session->LiveObjects(), 0) << "after cycle " << cycle;
    }
}

TEST_P(Lifetime, AHundredOpeningsAndShutdowns) {
    Control().SetScript(QuietScript());
    for (int32_t opening = 0; opening < 100; ++opening) {
        OpenSession();
        {
            aaxhost::EffectInstance instance(*session, aaxhost::InstanceOptions{});
            ASSERT_TRUE(instance.Ready()) << instance.Failure();
            LiveThrough(instance, 1);
        }
        ASSERT_EQ(session->LiveObjects(), 0) << "opening " << opening;
        session->Shutdown();
        ASSERT_EQ(session->OutstandingReferences(), 0) << "opening " << opening;
        session.reset();
    }
}

INSTANTIATE_TEST_SUITE_P(Plugins, Lifetime,
                         testing::Values(HostedPlugin::kTest, HostedPlugin::kDemo),
                         HostedPluginName);

}  // namespace
