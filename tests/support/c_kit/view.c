/* A host view container as an ACF object: a native view of a given type. */
#include <string.h>

#include "c_kit.h"

static const ck_uid kViewContainer = {
    0x22DA0BBC, 0xD550, 0x4D5E, {0x8C, 0xC6, 0x73, 0x44, 0x83, 0xB8, 0x83, 0x7F}};

typedef ck_view self_t;

static int32_t query_interface(self_t* self, const ck_uid* iid, void** out) {
    return ck_counted_query(self, iid, &kViewContainer, out);
}

static int32_t get_type(self_t* self) {
    return self->type;
}

static void* get_ptr(self_t* self) {
    return self->native;
}

static int32_t slot_5(self_t* self, uint32_t* a2) {
    (void)self;
    *a2 = 0;
    return 0;
}

static int32_t slot_6(self_t* self, float a2, float a3) {
    (void)self;
    (void)a2;
    (void)a3;
    return 0;
}

static int32_t slot_7_to_9(self_t* self, const char* a2, uint32_t a3) {
    (void)self;
    (void)a2;
    (void)a3;
    return 0;
}

typedef struct view_table {
    int32_t (*queryInterface)(self_t*, const ck_uid*, void**);
    uint32_t (*addRef)(void*);
    uint32_t (*release)(void*);
    int32_t (*getType)(self_t*);
    void* (*getPtr)(self_t*);
    int32_t (*hostViewContainerSlot5)(self_t*, uint32_t*);
    int32_t (*hostViewContainerSlot6)(self_t*, float, float);
    int32_t (*hostViewContainerSlot7)(self_t*, const char*, uint32_t);
    int32_t (*hostViewContainerSlot8)(self_t*, const char*, uint32_t);
    int32_t (*hostViewContainerSlot9)(self_t*, const char*, uint32_t);
} view_table;

static const view_table kTable = {
    query_interface, ck_counted_add_ref, ck_counted_release, get_type,   get_ptr, slot_5,
    slot_6,          slot_7_to_9,        slot_7_to_9,        slot_7_to_9};

void ck_view_init(ck_view* view, int32_t type, void* native) {
    memset(view, 0, sizeof *view);
    view->table = &kTable;
    view->references = 1;
    view->type = type;
    view->native = native;
}
