/* A host controller as an ACF object: reference counted, found by interface identifier. */
#include <string.h>

#include "c_kit.h"
#include "module_calls.h"

enum { kUnimplemented = -20009, kNoInterface = (int32_t)0x80000004u };

static const ck_uid kUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
static const ck_uid kControllerV1 = {
    0x9D5E3E3D, 0x52DC, 0x5EFB, {0x20, 0x18, 0xDE, 0x1D, 0xE2, 0xE6, 0x3F, 0x4E}};
static const ck_uid kControllerV2 = {
    0x4C59AA0E, 0xD7C0, 0x4205, {0x8B, 0x6C, 0x32, 0x46, 0x8D, 0x42, 0xD2, 0x02}};

static const ck_uid kAutomation = {
    0x9D5E3D3D, 0x42DC, 0x5EFA, {0x22, 0x17, 0xEE, 0xE2, 0xE8, 0xE5, 0x3E, 0x2E}};
static const ck_uid kEffectParameters = {
    0x964E333D, 0x334C, 0x533F, {0xC2, 0xC7, 0x38, 0x34, 0xC3, 0xC2, 0x3E, 0x3E}};

typedef ck_controller self_t;

static uint32_t add_ref(self_t* self) {
    return (uint32_t)++self->references;
}

static uint32_t release(self_t* self) {
    return (uint32_t)--self->references;
}

static int32_t query_interface(self_t* self, const ck_uid* iid, void** out) {
    if (self->automation != NULL && memcmp(iid, &kAutomation, sizeof *iid) == 0) {
        ++self->automation->references;
        *out = self->automation;
        return 0;
    }
    if (self->effectParameters != NULL && memcmp(iid, &kEffectParameters, sizeof *iid) == 0) {
        return ck_query_interface(self->effectParameters, iid, out);
    }
    const bool known = memcmp(iid, &kUnknown, sizeof *iid) == 0 ||
                       memcmp(iid, &kControllerV1, sizeof *iid) == 0 ||
                       (self->offerVersion2 && memcmp(iid, &kControllerV2, sizeof *iid) == 0);
    *out = known ? self : NULL;
    if (!known) return kNoInterface;
    add_ref(self);
    return 0;
}

static int32_t slot_3(self_t* s, void* a2) {
    (void)s;
    (void)a2;
    return kUnimplemented;
}
static int32_t sample_rate(self_t* s, float* rate) {
    *rate = s->sampleRate;
    return 0;
}
static int32_t input_stem(self_t* s, int32_t* f) {
    *f = s->inputStemFormat;
    return 0;
}
static int32_t output_stem(self_t* s, int32_t* f) {
    *f = s->outputStemFormat;
    return 0;
}
static int32_t slot_7(self_t* s, int32_t* a2) {
    (void)s;
    (void)a2;
    return kUnimplemented;
}
static int32_t slot_8(self_t* s, int32_t a2, int32_t* a3) {
    (void)s;
    (void)a2;
    (void)a3;
    return kUnimplemented;
}
static int32_t slot_9(self_t* s, int64_t* a2) {
    (void)s;
    (void)a2;
    return kUnimplemented;
}
static int32_t slot_10(self_t* s, int32_t a2) {
    (void)s;
    (void)a2;
    return kUnimplemented;
}
static int32_t slot_11(self_t* s, int32_t* a2, int32_t* a3, int32_t a4) {
    (void)s;
    (void)a2;
    (void)a3;
    (void)a4;
    return kUnimplemented;
}

static int32_t post_packet(self_t* self, uint32_t field, const void* payload, uint32_t size) {
    if (self->postCount < CK_MAX_POSTS) {
        ck_posted_packet* post = &self->posts[self->postCount];
        post->field = field;
        post->size = size;
        memset(post->bytes, 0, sizeof post->bytes);
        if (payload != NULL) {
            memcpy(post->bytes, payload, size < sizeof post->bytes ? size : sizeof post->bytes);
        }
    }
    ++self->postCount;
    if (self->context != NULL && field < CK_CONTEXT_FIELDS && size <= CK_PORT_BYTES &&
        payload != NULL) {
        memcpy(self->ports[field], payload, size);
        self->context[field] = self->ports[field];
    }
    return 0;
}

static int32_t slot_13_14(self_t* s, uint32_t a2, float* a3) {
    (void)s;
    (void)a2;
    (void)a3;
    return kUnimplemented;
}
static int32_t slot_15_17(self_t* s, uint32_t a2) {
    (void)s;
    (void)a2;
    return kUnimplemented;
}
static int32_t slot_16(self_t* s, uint32_t a2, bool* a3) {
    (void)s;
    (void)a2;
    (void)a3;
    return kUnimplemented;
}
static int32_t slot_18(self_t* s, uint32_t* a2) {
    (void)s;
    (void)a2;
    return kUnimplemented;
}
static int32_t slot_19(self_t* s, uint32_t* a2, void* a3) {
    (void)s;
    (void)a2;
    (void)a3;
    return kUnimplemented;
}
static int32_t slot_20(self_t* s, uint32_t* a2) {
    (void)s;
    (void)a2;
    return kUnimplemented;
}
static int32_t slot_21(self_t* s, void* a2) {
    (void)s;
    (void)a2;
    return kUnimplemented;
}
static int32_t slot_22(self_t* s, int32_t* a2) {
    (void)s;
    (void)a2;
    return kUnimplemented;
}
static int32_t slot_23(self_t* s, bool* a2) {
    *a2 = false;
    (void)s;
    return 0;
}

typedef struct controller_table {
    int32_t (*queryInterface)(self_t*, const ck_uid*, void**);
    uint32_t (*addRef)(self_t*);
    uint32_t (*release)(self_t*);
    int32_t (*hostControllerSlot3)(self_t*, void*);
    int32_t (*getSampleRate)(self_t*, float*);
    int32_t (*getInputStemFormat)(self_t*, int32_t*);
    int32_t (*getOutputStemFormat)(self_t*, int32_t*);
    int32_t (*hostControllerSlot7)(self_t*, int32_t*);
    int32_t (*hostControllerSlot8)(self_t*, int32_t, int32_t*);
    int32_t (*hostControllerSlot9)(self_t*, int64_t*);
    int32_t (*hostControllerSlot10)(self_t*, int32_t);
    int32_t (*hostControllerSlot11)(self_t*, int32_t*, int32_t*, int32_t);
    int32_t (*postPacket)(self_t*, uint32_t, const void*, uint32_t);
    int32_t (*hostControllerSlot13)(self_t*, uint32_t, float*);
    int32_t (*hostControllerSlot14)(self_t*, uint32_t, float*);
    int32_t (*hostControllerSlot15)(self_t*, uint32_t);
    int32_t (*hostControllerSlot16)(self_t*, uint32_t, bool*);
    int32_t (*hostControllerSlot17)(self_t*, uint32_t);
    int32_t (*hostControllerSlot18)(self_t*, uint32_t*);
    int32_t (*hostControllerSlot19)(self_t*, uint32_t*, void*);
    int32_t (*hostControllerSlot20)(self_t*, uint32_t*);
    int32_t (*hostControllerSlot21)(self_t*, void*);
    int32_t (*hostControllerSlot22)(self_t*, int32_t*);
    int32_t (*hostControllerSlot23)(self_t*, bool*);
} controller_table;

static const controller_table kTable = {
    query_interface, add_ref,    release, slot_3,  sample_rate, input_stem, output_stem, slot_7,
    slot_8,          slot_9,     slot_10, slot_11, post_packet, slot_13_14, slot_13_14,  slot_15_17,
    slot_16,         slot_15_17, slot_18, slot_19, slot_20,     slot_21,    slot_22,     slot_23};

void ck_controller_init(ck_controller* controller) {
    memset(controller, 0, sizeof *controller);
    controller->table = &kTable;
    controller->references = 1;
    controller->sampleRate = 48000.0f;
    controller->inputStemFormat = 0x00010002;
    controller->outputStemFormat = 0x00010002;
    controller->offerVersion2 = true;
}
