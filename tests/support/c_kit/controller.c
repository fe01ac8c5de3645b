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

static int32_t effect_id(self_t* s, void* id) {
    (void)s;
    (void)id;
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
static int32_t signal_latency(self_t* s, int32_t* v) {
    (void)s;
    (void)v;
    return kUnimplemented;
}
static int32_t cycle_count(self_t* s, int32_t f, int32_t* v) {
    (void)s;
    (void)f;
    (void)v;
    return kUnimplemented;
}
static int32_t tod_location(self_t* s, int64_t* v) {
    (void)s;
    (void)v;
    return kUnimplemented;
}
static int32_t set_latency(self_t* s, int32_t v) {
    (void)s;
    (void)v;
    return kUnimplemented;
}
static int32_t set_cycle_count(self_t* s, int32_t* f, int32_t* v, int32_t n) {
    (void)s;
    (void)f;
    (void)v;
    (void)n;
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

static int32_t meter_value(self_t* s, uint32_t m, float* v) {
    (void)s;
    (void)m;
    (void)v;
    return kUnimplemented;
}
static int32_t meter_clear(self_t* s, uint32_t m) {
    (void)s;
    (void)m;
    return kUnimplemented;
}
static int32_t meter_clipped(self_t* s, uint32_t m, bool* v) {
    (void)s;
    (void)m;
    (void)v;
    return kUnimplemented;
}
static int32_t meter_count(self_t* s, uint32_t* v) {
    (void)s;
    (void)v;
    return kUnimplemented;
}
static int32_t next_midi(self_t* s, uint32_t* n, void* p) {
    (void)s;
    (void)n;
    (void)p;
    return kUnimplemented;
}
static int32_t timestamp(self_t* s, uint32_t* v) {
    (void)s;
    (void)v;
    return kUnimplemented;
}
static int32_t host_name(self_t* s, void* name) {
    (void)s;
    (void)name;
    return kUnimplemented;
}
static int32_t platform(self_t* s, int32_t* v) {
    (void)s;
    (void)v;
    return kUnimplemented;
}
static int32_t audio_suite(self_t* s, bool* v) {
    *v = false;
    (void)s;
    return 0;
}

typedef struct controller_table {
    int32_t (*queryInterface)(self_t*, const ck_uid*, void**);
    uint32_t (*addRef)(self_t*);
    uint32_t (*release)(self_t*);
    int32_t (*getEffectID)(self_t*, void*);
    int32_t (*getSampleRate)(self_t*, float*);
    int32_t (*getInputStemFormat)(self_t*, int32_t*);
    int32_t (*getOutputStemFormat)(self_t*, int32_t*);
    int32_t (*getSignalLatency)(self_t*, int32_t*);
    int32_t (*getCycleCount)(self_t*, int32_t, int32_t*);
    int32_t (*getTODLocation)(self_t*, int64_t*);
    int32_t (*setSignalLatency)(self_t*, int32_t);
    int32_t (*setCycleCount)(self_t*, int32_t*, int32_t*, int32_t);
    int32_t (*postPacket)(self_t*, uint32_t, const void*, uint32_t);
    int32_t (*getCurrentMeterValue)(self_t*, uint32_t, float*);
    int32_t (*getMeterPeakValue)(self_t*, uint32_t, float*);
    int32_t (*clearMeterPeakValue)(self_t*, uint32_t);
    int32_t (*getMeterClipped)(self_t*, uint32_t, bool*);
    int32_t (*clearMeterClipped)(self_t*, uint32_t);
    int32_t (*getMeterCount)(self_t*, uint32_t*);
    int32_t (*getNextMIDIPacket)(self_t*, uint32_t*, void*);
    int32_t (*getCurrentAutomationTimestamp)(self_t*, uint32_t*);
    int32_t (*getHostName)(self_t*, void*);
    int32_t (*getPlugInTargetPlatform)(self_t*, int32_t*);
    int32_t (*getIsAudioSuite)(self_t*, bool*);
} controller_table;

static const controller_table kTable = {
    query_interface, add_ref,        release,     effect_id,    sample_rate,   input_stem,
    output_stem,     signal_latency, cycle_count, tod_location, set_latency,   set_cycle_count,
    post_packet,     meter_value,    meter_value, meter_clear,  meter_clipped, meter_clear,
    meter_count,     next_midi,      timestamp,   host_name,    platform,      audio_suite};

void ck_controller_init(ck_controller* controller) {
    memset(controller, 0, sizeof *controller);
    controller->table = &kTable;
    controller->references = 1;
    controller->sampleRate = 48000.0f;
    controller->inputStemFormat = 0x00010002;
    controller->outputStemFormat = 0x00010002;
    controller->offerVersion2 = true;
}
