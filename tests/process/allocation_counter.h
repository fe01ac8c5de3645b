// Counts the allocations made through operator new while counting is on, and makes them fail
// while failing is on. Linking allocation_counter.cpp replaces the program's global operator new
// and delete.
#pragma once

#include <cstdint>

namespace allocation {

void StartCounting();
// Stops counting and gives the number of allocations since StartCounting.
int64_t StopCounting();

// While on, every allocation through operator new throws std::bad_alloc, as when memory runs out.
void SetFailing(bool failing);

// Arms one failure: the `n`th allocation through operator new from now (1 for the next) throws
// std::bad_alloc; those before and after it succeed.
void FailNth(int64_t n);
// Disarms; true when the armed allocation was reached and thrown.
bool Disarm();

}  // namespace allocation
