#include <gtest/gtest.h>

#include "platform/platform.h"

TEST(PlatformLibrary, MissingFileGivesNull) {
    EXPECT_EQ(platform::LoadLibraryFile("no-such-folder/no-such-library.bin"), nullptr);
}

TEST(PlatformLibrary, SymbolLookupOnNullLibraryGivesNull) {
    EXPECT_EQ(platform::FindLibrarySymbol(nullptr, "main"), nullptr);
}
