#include "c_kit.h"

ck_function ck_slot(const void* object, int index) {
    const ck_function* table = *(const ck_function* const*)object;
    return table[index];
}
