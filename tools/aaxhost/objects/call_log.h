// The record of the calls that a stand-in host object receives, and the results it answers them
// with. Arguments are kept by value, so a test can compare them after the caller's data is gone.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <map>
#include <mutex>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "abi/unknown.h"

namespace aaxhost {

// One argument as the host saw it: integers widened to 64 bits, floats to double, texts copied,
// every other pointer by address.
using CallArgument = std::variant<int64_t, double, const void*, std::string, InterfaceId>;

inline CallArgument Arg(int32_t value) {
    return int64_t{value};
}
inline CallArgument Arg(uint32_t value) {
    return int64_t{value};
}
inline CallArgument Arg(int64_t value) {
    return value;
}
inline CallArgument Arg(bool value) {
    return int64_t{value};
}
inline CallArgument Arg(float value) {
    return double{value};
}
inline CallArgument Arg(double value) {
    return value;
}
inline CallArgument Arg(const InterfaceId& value) {
    return value;
}
inline CallArgument Arg(std::nullptr_t) {
    return static_cast<const void*>(nullptr);
}
template <class T>
CallArgument Arg(T* pointer) {
    return static_cast<const void*>(pointer);
}
// A procedure, by address.
template <class Result, class... Parameters>
CallArgument Arg(Result (*procedure)(Parameters...)) {
    return reinterpret_cast<const void*>(procedure);
}
// The bytes of a NUL-terminated text; a null text stays a null pointer.
CallArgument Text(const char* text);

// The registry form of an identifier, for messages.
std::string IdentifierText(const InterfaceId& iid);

struct Call {
    // The slot of the host interface that was called.
    int32_t slot;
    std::vector<CallArgument> arguments;

    bool operator==(const Call& other) const = default;
};
std::ostream& operator<<(std::ostream& stream, const Call& call);

// Safe to use from several threads at once.
class CallLog {
  public:
    // Records the call and returns the result set for its slot.
    Result Reply(int32_t slot, std::vector<CallArgument> arguments);
    // As Reply, with the arguments one by one. While recording is off the call is only answered:
    // no argument list is built, so a call on a real-time thread allocates nothing.
    template <class... Arguments>
    Result Record(int32_t slot, Arguments&&... arguments) {
        if (!mRecording.load(std::memory_order_acquire)) return ResultFor(slot);
        return Reply(slot, {std::forward<Arguments>(arguments)...});
    }
    // On from the start; a host that runs for long, or renders in real time, turns it off.
    void SetRecording(bool recording) { mRecording.store(recording, std::memory_order_release); }
    std::vector<Call> Calls() const;
    // Forgets the calls recorded so far; the results set stay.
    void Clear();
    // The result that calls to `slot` answer from now on; AAX_SUCCESS until set.
    void SetResult(int32_t slot, Result result);

  private:
    Result ResultFor(int32_t slot) const;

    std::atomic<bool> mRecording{true};
    mutable std::mutex mMutex;
    std::vector<Call> mCalls;
    std::map<int32_t, Result> mResults;
};

}  // namespace aaxhost
