/* A host transport whose answers the test sets. */
#include "c_kit.h"

enum { kUnimplemented = -20009 };

typedef struct transport_table {
    void* (*deletingDestructor)(ck_transport*, uint32_t);
    int32_t (*getCurrentTempo)(const ck_transport*, double*);
    int32_t (*getCurrentMeter)(const ck_transport*, int32_t*, int32_t*);
    int32_t (*isTransportPlaying)(const ck_transport*, bool*);
    int32_t (*transportSlot4)(const ck_transport*, int64_t*);
    int32_t (*transportSlot5)(const ck_transport*, bool*, int64_t*, int64_t*);
    int32_t (*getCurrentNativeSampleLocation)(const ck_transport*, int64_t*);
    int32_t (*transportSlot7)(const ck_transport*, int64_t*, int64_t);
    int32_t (*getBarBeatPosition)(ck_transport*, int32_t*, int32_t*, int64_t*, int64_t);
    int32_t (*transportSlot9)(const ck_transport*, uint32_t*);
    int32_t (*transportSlot10)(const ck_transport*, uint32_t*);
    int32_t (*transportSlot11)(const ck_transport*, int64_t*);
    int32_t (*transportSlot12)(const ck_transport*, int32_t*, int32_t*);
    int32_t (*transportSlot13)(const ck_transport*, int32_t*, int64_t*);
} transport_table;

static void* destroy(ck_transport* self, uint32_t flags) {
    (void)flags;
    return self;
}

static int32_t tempo(const ck_transport* self, double* value) {
    if (self->state.tempoResult == 0) *value = self->state.tempo;
    return self->state.tempoResult;
}

static int32_t meter(const ck_transport* self, int32_t* numerator, int32_t* denominator) {
    if (self->state.meterResult != 0) return self->state.meterResult;
    *numerator = self->state.numerator;
    *denominator = self->state.denominator;
    return 0;
}

static int32_t playing(const ck_transport* self, bool* value) {
    *value = self->state.playing;
    return 0;
}

static int32_t location(const ck_transport* self, int64_t* value) {
    if (self->state.locationResult == 0) *value = self->state.sampleLocation;
    return self->state.locationResult;
}

static int32_t bar_beat(ck_transport* self, int32_t* bars, int32_t* beats, int64_t* ticks,
                        int64_t sampleLocation) {
    self->state.barBeatLocationAsked = sampleLocation;
    if (self->state.barBeatResult != 0) return self->state.barBeatResult;
    *bars = self->state.bars;
    *beats = self->state.beats;
    *ticks = self->state.ticks;
    return 0;
}

static int32_t slot_4_11(const ck_transport* self, int64_t* a2) {
    (void)self;
    (void)a2;
    return kUnimplemented;
}

static int32_t slot_5(const ck_transport* self, bool* a2, int64_t* a3, int64_t* a4) {
    (void)self;
    (void)a2;
    (void)a3;
    (void)a4;
    return kUnimplemented;
}

static int32_t slot_7(const ck_transport* self, int64_t* a2, int64_t a3) {
    (void)self;
    (void)a2;
    (void)a3;
    return kUnimplemented;
}

static int32_t slot_9_10(const ck_transport* self, uint32_t* a2) {
    (void)self;
    (void)a2;
    return kUnimplemented;
}

static int32_t slot_12(const ck_transport* self, int32_t* a2, int32_t* a3) {
    (void)self;
    (void)a2;
    (void)a3;
    return kUnimplemented;
}

static int32_t slot_13(const ck_transport* self, int32_t* a2, int64_t* a3) {
    (void)self;
    (void)a2;
    (void)a3;
    return kUnimplemented;
}

static const transport_table kTable = {destroy,   tempo,     meter,   playing,  slot_4_11,
                                       slot_5,    location,  slot_7,  bar_beat, slot_9_10,
                                       slot_9_10, slot_4_11, slot_12, slot_13};

void ck_transport_state_init(ck_transport_state* state) {
    const ck_transport_state initial = {false, 0, 120.0, 4, 4, 1, 1, 0, 0, 0, 0, 0, -1};
    *state = initial;
}

void ck_transport_init(ck_transport* transport) {
    transport->table = &kTable;
    ck_transport_state_init(&transport->state);
}
