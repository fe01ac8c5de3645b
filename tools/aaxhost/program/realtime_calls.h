/* Counts, on threads that watch, the calls a real-time thread must not make: allocation and
 * release of memory, mutex and condition-variable operations, and calls that block or give up
 * the processor, and keeps the first such call with the address it was made from. Where the
 * build allows (realtime_interposer.c: POSIX, no sanitizer run-time), the C library's functions
 * are interposed for every module in the process, each forwarding to the real one; elsewhere
 * only what the program notes itself (its operator new and delete) is counted. */
#ifndef VQ318_TOOLS_AAXHOST_PROGRAM_REALTIME_CALLS_H
#define VQ318_TOOLS_AAXHOST_PROGRAM_REALTIME_CALLS_H

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

/* The first call counted since the last reset: its function's name and the return address
 * into its caller. */
struct RealtimeCall {
    const char* function;
    const void* caller;
};

/* Starts or stops counting the calling thread's calls. */
void RealtimeWatch(int watching);
int RealtimeWatching(void);
/* Counts a call of `function` from `caller` when the calling thread watches. */
void RealtimeNote(enum RealtimeCallKind kind, const char* function, const void* caller);
/* Calls of `kind` counted since the last reset, on every thread that watched. */
long RealtimeCount(enum RealtimeCallKind kind);
/* Whether a call was counted since the last reset; if so, `first` gets it. */
int RealtimeFirst(struct RealtimeCall* first);
void RealtimeReset(void);
/* Whether the C library's functions are interposed in this build. */
int RealtimeInterposed(void);

#ifdef __cplusplus
}
#endif

#endif
