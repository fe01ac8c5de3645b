/* Counts, on threads that watch, the calls a real-time thread must not make: the C library's
 * allocator, mutex and condition-variable operations, and calls that block or give up the
 * processor. Linking realtime_interposer.c puts its definitions of those functions in front of
 * the C library's for every module in the process; each forwards to the real one. */
#ifndef VQ318_TESTS_INTEGRATION_REALTIME_INTERPOSER_H
#define VQ318_TESTS_INTEGRATION_REALTIME_INTERPOSER_H

#ifdef __cplusplus
extern "C" {
#endif

enum RealtimeCallKind {
    kRealtimeAllocation,
    kRealtimeMutex,
    kRealtimeCondition,
    kRealtimeBlocking,
    kRealtimeKindCount
};

/* Starts or stops counting the calling thread's calls. */
void RealtimeWatch(int watching);
/* Calls of `kind` counted since the last reset, on every thread that watched. */
long RealtimeCount(enum RealtimeCallKind kind);
void RealtimeReset(void);

#ifdef __cplusplus
}
#endif

#endif
