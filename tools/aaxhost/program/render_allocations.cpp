#include "tools/aaxhost/program/render_allocations.h"

#include <cstdlib>
#include <new>

#include "tools/aaxhost/program/realtime_calls.h"

namespace aaxhost {

void CountAllocationsOnThisThread(bool counting) {
    RealtimeWatch(counting ? 1 : 0);
}

uint64_t CountedAllocations() {
    return static_cast<uint64_t>(RealtimeCount(kRealtimeAllocation));
}

namespace {

// Noted as the operator, with the caller of the operator: the C library call it makes is not
// counted again, where it is interposed.
void* Allocate(std::size_t size, const void* caller) noexcept {
    if (!RealtimeWatching()) return std::malloc(size == 0 ? 1 : size);
    RealtimeNote(kRealtimeAllocation, "operator new", caller);
    RealtimeWatch(0);
    void* memory = std::malloc(size == 0 ? 1 : size);
    RealtimeWatch(1);
    return memory;
}

void Release(void* memory, const void* caller) noexcept {
    if (memory == nullptr) return;
    if (!RealtimeWatching()) return std::free(memory);
    RealtimeNote(kRealtimeAllocation, "operator delete", caller);
    RealtimeWatch(0);
    std::free(memory);
    RealtimeWatch(1);
}

}  // namespace
}  // namespace aaxhost

// The array forms as well: the C++ library's forward to the single ones, but a sanitizer
// run-time's do not.
void* operator new(std::size_t size) {
    if (void* memory = aaxhost::Allocate(size, __builtin_return_address(0))) return memory;
    throw std::bad_alloc();
}

// Replaced as well: a sanitizer runtime supplies its own no-throw form, which would not count and
// whose memory this program's operator delete must not free.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return aaxhost::Allocate(size, __builtin_return_address(0));
}

void operator delete(void* memory) noexcept {
    aaxhost::Release(memory, __builtin_return_address(0));
}

void operator delete(void* memory, std::size_t) noexcept {
    aaxhost::Release(memory, __builtin_return_address(0));
}

void operator delete(void* memory, const std::nothrow_t&) noexcept {
    aaxhost::Release(memory, __builtin_return_address(0));
}

void* operator new[](std::size_t size) {
    if (void* memory = aaxhost::Allocate(size, __builtin_return_address(0))) return memory;
    throw std::bad_alloc();
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return aaxhost::Allocate(size, __builtin_return_address(0));
}

void operator delete[](void* memory) noexcept {
    aaxhost::Release(memory, __builtin_return_address(0));
}

void operator delete[](void* memory, std::size_t) noexcept {
    aaxhost::Release(memory, __builtin_return_address(0));
}

void operator delete[](void* memory, const std::nothrow_t&) noexcept {
    aaxhost::Release(memory, __builtin_return_address(0));
}
