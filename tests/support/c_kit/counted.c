/* The IACFUnknown side that the C host objects share: each starts with its table and a
 * reference count. */
#include <string.h>

#include "c_kit.h"

enum { kNoInterface = (int32_t)0x80000004u };

static const ck_uid kUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

uint32_t ck_counted_add_ref(void* object) {
    return (uint32_t)++((ck_counted*)object)->references;
}

uint32_t ck_counted_release(void* object) {
    return (uint32_t)--((ck_counted*)object)->references;
}

int32_t ck_counted_query(void* object, const ck_uid* iid, const ck_uid* own, void** out) {
    const bool known =
        memcmp(iid, &kUnknown, sizeof *iid) == 0 || memcmp(iid, own, sizeof *iid) == 0;
    *out = known ? object : NULL;
    if (!known) return kNoInterface;
    ck_counted_add_ref(object);
    return 0;
}
