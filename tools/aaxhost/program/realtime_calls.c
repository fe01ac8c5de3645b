#include "tools/aaxhost/program/realtime_calls.h"

#include <stdatomic.h>

/* The watch flag lives in the program's static thread storage, so reading it allocates nothing. */
static _Thread_local int watching;
static atomic_long counts[kRealtimeKindCount];
/* 0 free, 1 being written, 2 written: the first call is kept by whoever takes it from 0. */
static atomic_int firstState;
static struct RealtimeCall firstCall;

void RealtimeWatch(int on) {
    watching = on;
}

int RealtimeWatching(void) {
    return watching;
}

void RealtimeNote(enum RealtimeCallKind kind, const char* function, const void* caller) {
    if (!watching) return;
    atomic_fetch_add(&counts[kind], 1);
    int expected = 0;
    if (atomic_compare_exchange_strong(&firstState, &expected, 1)) {
        firstCall.function = function;
        firstCall.caller = caller;
        atomic_store(&firstState, 2);
    }
}

long RealtimeCount(enum RealtimeCallKind kind) {
    return atomic_load(&counts[kind]);
}

int RealtimeFirst(struct RealtimeCall* first) {
    if (atomic_load(&firstState) != 2) return 0;
    *first = firstCall;
    return 1;
}

void RealtimeReset(void) {
    for (int kind = 0; kind < kRealtimeKindCount; ++kind) atomic_store(&counts[kind], 0);
    atomic_store(&firstState, 0);
}
