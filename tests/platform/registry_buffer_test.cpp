#include "platform/registry_buffer.h"

#include <gtest/gtest.h>

#include <cstring>

using platform::detail::TerminateValue;

TEST(RegistryValueTermination, ShortValueGetsTerminatorAfterItsData) {
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    std::memcpy(buffer, "abc", 3);
    ASSERT_TRUE(TerminateValue(buffer, 3, sizeof buffer));
    EXPECT_STREQ(buffer, "abc");
    EXPECT_EQ(buffer[4], 'x') << "nothing past the terminator is touched";
}

TEST(RegistryValueTermination, FullBufferIsAcceptedOnlyWhenItEndsInZero) {
    char terminated[4] = {'a', 'b', 'c', '\0'};
    EXPECT_TRUE(TerminateValue(terminated, 4, 4));
    char unterminated[4] = {'a', 'b', 'c', 'd'};
    EXPECT_FALSE(TerminateValue(unterminated, 4, 4));
    EXPECT_EQ(unterminated[3], 'd');
}

TEST(RegistryValueTermination, ZeroCapacityIsRefused) {
    char none = 'x';
    EXPECT_FALSE(TerminateValue(&none, 0, 0));
    EXPECT_EQ(none, 'x');
}
