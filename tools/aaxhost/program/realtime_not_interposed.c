/* Where the C library cannot be interposed: only the calls the program notes itself count. */
#include "tools/aaxhost/program/realtime_calls.h"

int RealtimeInterposed(void) {
    return 0;
}
