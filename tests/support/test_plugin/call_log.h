// The test plug-in's record of every call its instances receive, in arrival order. Calls come
// from any thread; appending takes a lock but never allocates, so a test that counts
// allocations does not count the recording.
#pragma once

#include <cstdint>

#include "tests/support/test_plugin_api.h"

namespace testplugin {

void RecordCall(const Call& call);
void ResetLog();
int32_t ReadLog(Call* calls, int32_t capacity);

}  // namespace testplugin
