// Calls of the allocator on the render thread. The program replaces the global operator new and
// delete (render_allocations.cpp), which note themselves with the realtime calls
// (realtime_calls.h); they count only on a thread that has switched counting on, so the host
// thread's own allocations never show up in the count.
#pragma once

#include <cstdint>

namespace aaxhost {

// Switches counting on or off for the calling thread, of every call realtime_calls.h counts.
void CountAllocationsOnThisThread(bool counting);
// Allocations and releases counted on every thread since the program started.
uint64_t CountedAllocations();

}  // namespace aaxhost
