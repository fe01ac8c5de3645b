#define _GNU_SOURCE
#include "tests/integration/realtime_interposer.h"

#include <dlfcn.h>
#include <poll.h>
#include <pthread.h>
#include <sched.h>
#include <stdatomic.h>
#include <stddef.h>
#include <stdint.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

/* The watch flag lives in the program's static thread storage, so reading it allocates nothing. */
static _Thread_local int watching;
static atomic_long counts[kRealtimeKindCount];

void RealtimeWatch(int on) {
    watching = on;
}

long RealtimeCount(enum RealtimeCallKind kind) {
    return atomic_load(&counts[kind]);
}

void RealtimeReset(void) {
    for (int kind = 0; kind < kRealtimeKindCount; ++kind) atomic_store(&counts[kind], 0);
}

static void Count(enum RealtimeCallKind kind) {
    if (watching) atomic_fetch_add(&counts[kind], 1);
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

#define REAL(name)                        \
    static __typeof__(&name) real_##name; \
    if (real_##name == NULL) Resolve((void*)&real_##name, #name)

void* malloc(size_t size) {
    if (atomic_load(&resolving)) return Bootstrap(size);
    REAL(malloc);
    Count(kRealtimeAllocation);
    return real_malloc(size);
}

void* calloc(size_t count, size_t size) {
    if (atomic_load(&resolving)) return Bootstrap(count * size); /* zero: never handed out */
    REAL(calloc);
    Count(kRealtimeAllocation);
    return real_calloc(count, size);
}

void* realloc(void* block, size_t size) {
    REAL(realloc);
    Count(kRealtimeAllocation);
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
    Count(kRealtimeAllocation);
    real_free(block);
}

int pthread_mutex_lock(pthread_mutex_t* mutex) {
    REAL(pthread_mutex_lock);
    Count(kRealtimeMutex);
    return real_pthread_mutex_lock(mutex);
}

int pthread_mutex_unlock(pthread_mutex_t* mutex) {
    REAL(pthread_mutex_unlock);
    Count(kRealtimeMutex);
    return real_pthread_mutex_unlock(mutex);
}

int pthread_cond_wait(pthread_cond_t* condition, pthread_mutex_t* mutex) {
    REAL(pthread_cond_wait);
    Count(kRealtimeCondition);
    return real_pthread_cond_wait(condition, mutex);
}

int pthread_cond_signal(pthread_cond_t* condition) {
    REAL(pthread_cond_signal);
    Count(kRealtimeCondition);
    return real_pthread_cond_signal(condition);
}

int pthread_cond_broadcast(pthread_cond_t* condition) {
    REAL(pthread_cond_broadcast);
    Count(kRealtimeCondition);
    return real_pthread_cond_broadcast(condition);
}

int nanosleep(const struct timespec* duration, struct timespec* left) {
    REAL(nanosleep);
    Count(kRealtimeBlocking);
    return real_nanosleep(duration, left);
}

int usleep(useconds_t microseconds) {
    REAL(usleep);
    Count(kRealtimeBlocking);
    return real_usleep(microseconds);
}

ssize_t read(int descriptor, void* buffer, size_t size) {
    REAL(read);
    Count(kRealtimeBlocking);
    return real_read(descriptor, buffer, size);
}

ssize_t write(int descriptor, const void* buffer, size_t size) {
    REAL(write);
    Count(kRealtimeBlocking);
    return real_write(descriptor, buffer, size);
}

int poll(struct pollfd* descriptors, nfds_t count, int timeout) {
    REAL(poll);
    Count(kRealtimeBlocking);
    return real_poll(descriptors, count, timeout);
}

int sched_yield(void) {
    REAL(sched_yield);
    Count(kRealtimeBlocking);
    return real_sched_yield();
}
