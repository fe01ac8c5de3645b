#include "tests/support/test_plugin/call_log.h"

#include <algorithm>
#include <mutex>

namespace testplugin {
namespace {

std::mutex logMutex;
Call log[kCallLogCapacity];
int32_t logged = 0;
bool overflowed = false;

}  // namespace

void RecordCall(const Call& call) {
    const std::lock_guard<std::mutex> lock(logMutex);
    if (logged == kCallLogCapacity) {
        overflowed = true;
        return;
    }
    log[logged++] = call;
}

void ResetLog() {
    const std::lock_guard<std::mutex> lock(logMutex);
    logged = 0;
    overflowed = false;
}

int32_t ReadLog(Call* calls, int32_t capacity) {
    const std::lock_guard<std::mutex> lock(logMutex);
    std::copy_n(log, std::min(logged, capacity), calls);
    return overflowed ? -1 : logged;
}

}  // namespace testplugin
