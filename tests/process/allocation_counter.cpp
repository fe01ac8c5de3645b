#include "tests/process/allocation_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace allocation {
namespace {

std::atomic<bool> counting{false};
std::atomic<int64_t> allocations{0};
std::atomic<bool> failing{false};
std::atomic<int64_t> untilFailure{0};  // 0 while disarmed
std::atomic<bool> failed{false};

// True for the one allocation that an armed failure aims at.
bool ArmedFailureHere() {
    if (untilFailure.load(std::memory_order_relaxed) <= 0) return false;
    if (untilFailure.fetch_sub(1) != 1) return false;
    failed = true;
    return true;
}

}  // namespace

void StartCounting() {
    allocations = 0;
    counting = true;
}

int64_t StopCounting() {
    counting = false;
    return allocations.load();
}

void SetFailing(bool failingFromNow) {
    failing = failingFromNow;
}

void FailNth(int64_t n) {
    failed = false;
    untilFailure = n;
}

bool Disarm() {
    untilFailure = 0;
    return failed.load();
}

}  // namespace allocation

// The array forms forward to this one.
void* operator new(std::size_t size) {
    if (allocation::counting.load(std::memory_order_relaxed)) ++allocation::allocations;
    if (allocation::failing.load(std::memory_order_relaxed) || allocation::ArmedFailureHere()) {
        throw std::bad_alloc();
    }
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}

// Replaced as well: a sanitizer runtime supplies its own no-throw form, which would neither count
// nor fail, and whose memory this program's operator delete must not free.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return operator new(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
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
