#include "bridge/load_failure_message.h"

#include <cstdio>
#include <mutex>

namespace {

char message[kLoadFailureMessageSize];
std::once_flag recorded;

}  // namespace

// The text never changes, so writing it once keeps concurrent failures from racing on it.
void RecordLoadFailure() {
    std::call_once(recorded, [] {
        std::snprintf(message, sizeof message,
                      "Unable to load %s \n you should reinstall your %s product", "Morvane",
                      "VQ318");
    });
}

const char* LoadFailureMessage() {
    return message;
}
