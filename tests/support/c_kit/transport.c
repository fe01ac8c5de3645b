/* A host transport whose answers the test sets. */
#include "c_kit.h"

enum { kUnimplemented = -20009 };

typedef struct transport_table {
    void* (*deletingDestructor)(ck_transport*, uint32_t);
    int32_t (*getCurrentTempo)(const ck_transport*, double*);
    int32_t (*getCurrentMeter)(const ck_transport*, int32_t*, int32_t*);
    int32_t (*isTransportPlaying)(const ck_transport*, bool*);
    int32_t (*getCurrentTickPosition)(const ck_transport*, int64_t*);
    int32_t (*getCurrentLoopPosition)(const ck_transport*, bool*, int64_t*, int64_t*);
    int32_t (*getCurrentNativeSampleLocation)(const ck_transport*, int64_t*);
    int32_t (*getCustomTickPosition)(const ck_transport*, int64_t*, int64_t);
    int32_t (*getBarBeatPosition)(ck_transport*, int32_t*, int32_t*, int64_t*, int64_t);
    int32_t (*getTicksPerQuarter)(const ck_transport*, uint32_t*);
    int32_t (*getCurrentTicksPerBeat)(const ck_transport*, uint32_t*);
    int32_t (*getTimelineSelectionStartPosition)(const ck_transport*, int64_t*);
    int32_t (*getTimeCodeInfo)(const ck_transport*, int32_t*, int32_t*);
    int32_t (*getFeetFramesInfo)(const ck_transport*, int32_t*, int64_t*);
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

static int32_t no_ticks(const ck_transport* self, int64_t* ticks) {
    (void)self;
    (void)ticks;
    return kUnimplemented;
}

static int32_t no_loop(const ck_transport* self, bool* looping, int64_t* start, int64_t* end) {
    (void)self;
    (void)looping;
    (void)start;
    (void)end;
    return kUnimplemented;
}

static int32_t no_custom_ticks(const ck_transport* self, int64_t* ticks, int64_t location) {
    (void)self;
    (void)ticks;
    (void)location;
    return kUnimplemented;
}

static int32_t no_count(const ck_transport* self, uint32_t* count) {
    (void)self;
    (void)count;
    return kUnimplemented;
}

static int32_t no_time_code(const ck_transport* self, int32_t* rate, int32_t* offset) {
    (void)self;
    (void)rate;
    (void)offset;
    return kUnimplemented;
}

static int32_t no_feet_frames(const ck_transport* self, int32_t* rate, int64_t* offset) {
    (void)self;
    (void)rate;
    (void)offset;
    return kUnimplemented;
}

static const transport_table kTable = {destroy,  tempo,    meter,           playing,       no_ticks,
                                       no_loop,  location, no_custom_ticks, bar_beat,      no_count,
                                       no_count, no_ticks, no_time_code,    no_feet_frames};

void ck_transport_state_init(ck_transport_state* state) {
    const ck_transport_state initial = {false, 0, 120.0, 4, 4, 1, 1, 0, 0, 0, 0, 0, -1};
    *state = initial;
}

void ck_transport_init(ck_transport* transport) {
    transport->table = &kTable;
    ck_transport_state_init(&transport->state);
}
