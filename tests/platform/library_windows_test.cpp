// Dynamic loading on Windows, tried on a library that every Windows system has.
#if defined(_WIN32)

#include <gtest/gtest.h>

#include <cstdint>

#include "platform/platform.h"

TEST(PlatformLibraryWindows, SystemLibraryExportIsFoundAndCallable) {
    void* kernel = platform::LoadLibraryFile("kernel32.dll");
    ASSERT_NE(kernel, nullptr);
    void* symbol = platform::FindLibrarySymbol(kernel, "GetCurrentThreadId");
    ASSERT_NE(symbol, nullptr);
    using ThreadIdFunction = unsigned long (*)();
    const auto threadId = reinterpret_cast<ThreadIdFunction>(symbol);
    EXPECT_EQ(static_cast<uint32_t>(threadId()), platform::CurrentThreadId());
}

TEST(PlatformLibraryWindows, MissingExportGivesNull) {
    void* kernel = platform::LoadLibraryFile("kernel32.dll");
    ASSERT_NE(kernel, nullptr);
    EXPECT_EQ(platform::FindLibrarySymbol(kernel, "NoSuchExportAnywhere"), nullptr);
}

#endif
