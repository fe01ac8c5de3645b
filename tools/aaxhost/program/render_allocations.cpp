#include "tools/aaxhost/program/render_allocations.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace aaxhost {
namespace {

thread_local bool tCounting = false;
std::atomic<uint64_t> gAllocations{0};

}  // namespace

void CountAllocationsOnThisThread(bool counting) {
    tCounting = counting;
}

uint64_t CountedAllocations() {
    return gAllocations.load(std::memory_order_acquire);
}

namespace {

void* Allocate(std::size_t size) noexcept {
    if (tCounting) gAllocations.fetch_add(1, std::memory_order_acq_rel);
    return std::malloc(size == 0 ? 1 : size);
}

}  // namespace
}  // namespace aaxhost

// The array forms forward to these.
void* operator new(std::size_t size) {
    if (void* memory = aaxhost::Allocate(size)) return memory;
    throw std::bad_alloc();
}

// Replaced as well: a sanitizer runtime supplies its own no-throw form, which would not count and
// whose memory this program's operator delete must not free.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return aaxhost::Allocate(size);
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

void operator delete(void* memory, const std::nothrow_t&) noexcept {
    std::free(memory);
}
