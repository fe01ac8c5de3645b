// Where the host's calls enter the module. Inside, running out of memory throws as usual; no
// exception leaves an entry point, a creation procedure or an operation of an object that the
// host holds. An operation cut short by an exception answers ACF_E_UNEXPECTED, the result of an
// exported entry point that caught one: the host knows it from every ACF call, and no AAX result
// says "out of memory".
#pragma once

#include <cstdint>
#include <type_traits>

#include "abi/result.h"

namespace exception_boundary {

// Exceptions that boundaries on this thread have caught. An operation during which another one
// (an operation of its own object called from inside it, or of the module's other object) caught
// one has failed as well, even though the inner call only answered a result.
inline thread_local uint64_t caughtOnThisThread = 0;

}  // namespace exception_boundary

// Runs the body of an operation; returns its result code, or ACF_E_UNEXPECTED when an exception
// left it or was caught inside it. An operation without result just ends.
template <class Body>
auto CatchAll(Body&& body) noexcept {
    using Answer = decltype(body());
    if constexpr (std::is_void_v<Answer>) {
        try {
            body();
        } catch (...) {
            ++exception_boundary::caughtOnThisThread;
        }
    } else {
        const uint64_t caughtBefore = exception_boundary::caughtOnThisThread;
        Answer result = ACF_E_UNEXPECTED;
        try {
            result = body();
        } catch (...) {
            ++exception_boundary::caughtOnThisThread;
            return Answer{ACF_E_UNEXPECTED};
        }
        return exception_boundary::caughtOnThisThread == caughtBefore ? result : ACF_E_UNEXPECTED;
    }
}
