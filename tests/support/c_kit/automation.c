/* A host automation delegate as an ACF object. Given the module's effect-parameters object, it
 * answers a set request at once, from inside the request, the way a workstation's automation
 * does when it applies a value immediately. */
#include <string.h>

#include "c_kit.h"
#include "module_calls.h"

static const ck_uid kAutomation = {
    0x9D5E3D3D, 0x42DC, 0x5EFA, {0x22, 0x17, 0xEE, 0xE2, 0xE8, 0xE5, 0x3E, 0x2E}};

typedef ck_automation self_t;

static int32_t query_interface(self_t* self, const ck_uid* iid, void** out) {
    return ck_counted_query(self, iid, &kAutomation, out);
}

static int32_t register_parameter(self_t* self, const char* id) {
    (void)id;
    ++self->registered;
    return 0;
}

static int32_t unregister_parameter(self_t* self, const char* id) {
    (void)id;
    --self->registered;
    return 0;
}

static void observe(self_t* self, int slot, const char* id, double value) {
    if (self->observer != NULL) self->observer(self->observerContext, slot, id, value);
}

static int32_t set_request(self_t* self, const char* id, double value) {
    observe(self, 5, id, value);
    ++self->setRequests;
    strncpy(self->lastSetIdentifier, id, sizeof self->lastSetIdentifier - 1);
    self->lastSetIdentifier[sizeof self->lastSetIdentifier - 1] = '\0';
    self->lastSetValue = value;
    if (self->answerTo != NULL) ck_effect_update_normalized(self->answerTo, id, value, 0);
    return 0;
}

static int32_t current_value(self_t* self, const char* id, double value) {
    (void)self;
    (void)id;
    (void)value;
    return 0;
}

static int32_t touch(self_t* self, const char* id) {
    observe(self, 7, id, 0.0);
    ++self->touches;
    return 0;
}

static int32_t release_request(self_t* self, const char* id) {
    observe(self, 8, id, 0.0);
    ++self->releases;
    return 0;
}

static int32_t touch_state(self_t* self, const char* id, bool* touched) {
    (void)self;
    (void)id;
    *touched = false;
    return 0;
}

typedef struct automation_table {
    int32_t (*queryInterface)(self_t*, const ck_uid*, void**);
    uint32_t (*addRef)(void*);
    uint32_t (*release)(void*);
    int32_t (*registerParameter)(self_t*, const char*);
    int32_t (*unregisterParameter)(self_t*, const char*);
    int32_t (*postSetValueRequest)(self_t*, const char*, double);
    int32_t (*postCurrentValue)(self_t*, const char*, double);
    int32_t (*postTouchRequest)(self_t*, const char*);
    int32_t (*postReleaseRequest)(self_t*, const char*);
    int32_t (*getTouchState)(self_t*, const char*, bool*);
} automation_table;

static const automation_table kTable = {
    query_interface,      ck_counted_add_ref, ck_counted_release, register_parameter,
    unregister_parameter, set_request,        current_value,      touch,
    release_request,      touch_state};

void ck_automation_init(ck_automation* automation) {
    memset(automation, 0, sizeof *automation);
    automation->table = &kTable;
    automation->references = 1;
}
