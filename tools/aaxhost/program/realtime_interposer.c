/* Definitions of the C library's allocator, lock, condition-variable and blocking functions in
 * front of the C library's own, for every module in the process: each notes the call with its
 * caller, then forwards to the real one. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <poll.h>
#include <pthread.h>
#include <sched.h>
#include <stdatomic.h>
#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

#include "tools/aaxhost/program/realtime_calls.h"

int RealtimeInterposed(void) {
    return 1;
}

/* Looking the real functions up may itself allocate; those few blocks come from here. */
static _Alignas(16) unsigned char bootstrap[16384];
static atomic_size_t bootstrapUsed;
static atomic_int resolving;

static void* Bootstrap(size_t size) {
    const size_t rounded = (size + 15u) & ~(size_t)15u;
    const size_t start = atomic_fetch_add(&bootstrapUsed, rounded);
    return start + rounded <= sizeof bootstrap ? bootstrap + start : NULL;
}

static int FromBootstrap(const void* block) {
    const unsigned char* byte = block;
    return byte >= bootstrap && byte < bootstrap + sizeof bootstrap;
}

/* The next definition of `name` after this program's, as a function pointer of any type. */
static void Resolve(void* slot, const char* name) {
    atomic_store(&resolving, 1);
    void* found = dlsym(RTLD_NEXT, name);
    memcpy(slot, &found, sizeof found);
    atomic_store(&resolving, 0);
}

/* As Resolve, in the version of the current condition-variable layout: an unversioned look-up
 * finds the oldest, which takes another layout. */
static void ResolveCondition(void* slot, const char* name) {
    void* found = dlvsym(RTLD_NEXT, name, "GLIBC_2.3.2");
    if (found == NULL) {
        Resolve(slot, name);
        return;
    }
    memcpy(slot, &found, sizeof found);
}

#define REAL(name)                        \
    static __typeof__(&name) real_##name; \
    if (real_##name == NULL) Resolve((void*)&real_##name, #name)

#define REAL_CONDITION(name)              \
    static __typeof__(&name) real_##name; \
    if (real_##name == NULL) ResolveCondition((void*)&real_##name, #name)

#define NOTE(kind, name) RealtimeNote(kind, #name, __builtin_return_address(0))

void* malloc(size_t size) {
    if (atomic_load(&resolving)) return Bootstrap(size);
    REAL(malloc);
    NOTE(kRealtimeAllocation, malloc);
    return real_malloc(size);
}

void* calloc(size_t count, size_t size) {
    if (atomic_load(&resolving)) return Bootstrap(count * size); /* zero: never handed out */
    REAL(calloc);
    NOTE(kRealtimeAllocation, calloc);
    return real_calloc(count, size);
}

void* realloc(void* block, size_t size) {
    REAL(realloc);
    NOTE(kRealtimeAllocation, realloc);
    if (FromBootstrap(block)) {
        void* moved = real_realloc(NULL, size);
        const size_t left = (size_t)(bootstrap + sizeof bootstrap - (unsigned char*)block);
        if (moved != NULL) memcpy(moved, block, size < left ? size : left);
        return moved;
    }
    return real_realloc(block, size);
}

void free(void* block) {
    if (block == NULL || FromBootstrap(block)) return;
    REAL(free);
    NOTE(kRealtimeAllocation, free);
    real_free(block);
}

int posix_memalign(void** block, size_t alignment, size_t size) {
    REAL(posix_memalign);
    NOTE(kRealtimeAllocation, posix_memalign);
    return real_posix_memalign(block, alignment, size);
}

void* aligned_alloc(size_t alignment, size_t size) {
    REAL(aligned_alloc);
    NOTE(kRealtimeAllocation, aligned_alloc);
    return real_aligned_alloc(alignment, size);
}

int pthread_mutex_lock(pthread_mutex_t* mutex) {
    REAL(pthread_mutex_lock);
    NOTE(kRealtimeMutex, pthread_mutex_lock);
    return real_pthread_mutex_lock(mutex);
}

int pthread_mutex_trylock(pthread_mutex_t* mutex) {
    REAL(pthread_mutex_trylock);
    NOTE(kRealtimeMutex, pthread_mutex_trylock);
    return real_pthread_mutex_trylock(mutex);
}

int pthread_mutex_unlock(pthread_mutex_t* mutex) {
    REAL(pthread_mutex_unlock);
    NOTE(kRealtimeMutex, pthread_mutex_unlock);
    return real_pthread_mutex_unlock(mutex);
}

int pthread_cond_wait(pthread_cond_t* condition, pthread_mutex_t* mutex) {
    REAL_CONDITION(pthread_cond_wait);
    NOTE(kRealtimeCondition, pthread_cond_wait);
    return real_pthread_cond_wait(condition, mutex);
}

int pthread_cond_timedwait(pthread_cond_t* condition, pthread_mutex_t* mutex,
                           const struct timespec* until) {
    REAL_CONDITION(pthread_cond_timedwait);
    NOTE(kRealtimeCondition, pthread_cond_timedwait);
    return real_pthread_cond_timedwait(condition, mutex, until);
}

int pthread_cond_signal(pthread_cond_t* condition) {
    REAL_CONDITION(pthread_cond_signal);
    NOTE(kRealtimeCondition, pthread_cond_signal);
    return real_pthread_cond_signal(condition);
}

int pthread_cond_broadcast(pthread_cond_t* condition) {
    REAL_CONDITION(pthread_cond_broadcast);
    NOTE(kRealtimeCondition, pthread_cond_broadcast);
    return real_pthread_cond_broadcast(condition);
}

int nanosleep(const struct timespec* duration, struct timespec* left) {
    REAL(nanosleep);
    NOTE(kRealtimeBlocking, nanosleep);
    return real_nanosleep(duration, left);
}

int clock_nanosleep(clockid_t clock, int flags, const struct timespec* duration,
                    struct timespec* left) {
    REAL(clock_nanosleep);
    NOTE(kRealtimeBlocking, clock_nanosleep);
    return real_clock_nanosleep(clock, flags, duration, left);
}

int usleep(useconds_t microseconds) {
    REAL(usleep);
    NOTE(kRealtimeBlocking, usleep);
    return real_usleep(microseconds);
}

ssize_t read(int descriptor, void* buffer, size_t size) {
    REAL(read);
    NOTE(kRealtimeBlocking, read);
    return real_read(descriptor, buffer, size);
}

ssize_t write(int descriptor, const void* buffer, size_t size) {
    REAL(write);
    NOTE(kRealtimeBlocking, write);
    return real_write(descriptor, buffer, size);
}

int poll(struct pollfd* descriptors, nfds_t count, int timeout) {
    REAL(poll);
    NOTE(kRealtimeBlocking, poll);
    return real_poll(descriptors, count, timeout);
}

int sched_yield(void) {
    REAL(sched_yield);
    NOTE(kRealtimeBlocking, sched_yield);
    return real_sched_yield();
}
