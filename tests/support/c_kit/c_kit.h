/* Host objects as a workstation built by another compiler has them, written in C: each is a
 * structure whose first member points to a table of functions in the listed slot order, every
 * function taking the object first. Module objects are called the same way, by slot index
 * through their table. Nothing here knows the module's C++ declarations. */
#ifndef VQ318_C_KIT_H
#define VQ318_C_KIT_H

#include <stdbool.h>
#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef void (*ck_function)(void);

/* Entry `index` of the table of any object laid out as above, module objects included. */
ck_function ck_slot(const void* object, int index);

/* A 16-byte interface identifier. */
typedef struct ck_uid {
    uint32_t data1;
    uint16_t data2;
    uint16_t data3;
    uint8_t data4[8];
} ck_uid;

/* ---- Host string: slots 0 deleting destructor, 1 Length, 2 MaxLength, 3 Get, 4 Set,
 * 5 AssignText, 6 AssignString. Holds at most 255 bytes. */
typedef struct ck_string {
    const void* table;
    char text[256];
    int writes; /* calls of Set, AssignText and AssignString */
} ck_string;
void ck_string_init(ck_string* string, const char* text);

/* ---- Transport: slots 0 deleting destructor, 1 GetCurrentTempo ... 13 TransportSlot13. */
typedef struct ck_transport_state {
    bool playing;
    int64_t sampleLocation;
    double tempo;
    int32_t numerator;
    int32_t denominator;
    int32_t bars;
    int32_t beats;
    int64_t ticks;
    int32_t locationResult;
    int32_t tempoResult;
    int32_t meterResult;
    int32_t barBeatResult;
    int64_t barBeatLocationAsked; /* the sample location of the last bar-and-beat question */
} ck_transport_state;
/* Playing stopped at sample 0, 120 bpm, 4/4, bar 1 beat 1, every query answering 0. */
void ck_transport_state_init(ck_transport_state* state);

typedef struct ck_transport {
    const void* table;
    ck_transport_state state;
} ck_transport;
void ck_transport_init(ck_transport* transport);

/* ---- MIDI node: slots 0 deleting destructor, 1 GetNodeBuffer, 2 MidiNodeSlot2,
 * 3 GetTransport. Packets and streams have the host's layout. */
typedef struct ck_midi_packet {
    uint32_t timestamp;
    uint32_t length;
    unsigned char data[4];
    bool isImmediate;
} ck_midi_packet;
typedef struct ck_midi_stream {
    uint32_t bufferSize;
    ck_midi_packet* buffer;
} ck_midi_stream;

enum { CK_MIDI_CAPACITY = 512 };
typedef struct ck_midi_node {
    const void* table;
    ck_midi_packet packets[CK_MIDI_CAPACITY];
    ck_midi_stream stream;
    bool hasStream;
    ck_transport* transport; /* null for an input node */
    int posted;              /* packets sent out through MidiNodeSlot2 */
} ck_midi_node;
void ck_midi_node_init(ck_midi_node* node, ck_transport* transport);
/* Copies at most CK_MIDI_CAPACITY packets as the block's input. */
void ck_midi_node_set_packets(ck_midi_node* node, const ck_midi_packet* packets, size_t count);

/* ---- The head of the C host objects that are ACF objects, and their IACFUnknown slots. */
typedef struct ck_counted {
    const void* table;
    int32_t references;
} ck_counted;
uint32_t ck_counted_add_ref(void* object);
uint32_t ck_counted_release(void* object);
/* Answers the unknown's identifier and `own` with the object and one more reference. */
int32_t ck_counted_query(void* object, const ck_uid* iid, const ck_uid* own, void** out);

/* ---- Automation delegate: IACFUnknown slots 0 to 2, then 3 RegisterParameter,
 * 4 UnregisterParameter, 5 PostSetValueRequest, 6 PostCurrentValue, 7 PostTouchRequest,
 * 8 PostReleaseRequest, 9 GetTouchState. It counts references and requests; given a module
 * effect-parameters object in answerTo, it answers each set request at once with that object's
 * UpdateParameterNormalizedValue, by slot. Given an observer, it tells it of every set, touch and
 * release request (by slot number) before answering, on the thread that made the request. */
typedef void (*ck_automation_observer)(void* context, int slot, const char* id, double value);
typedef struct ck_automation {
    const void* table;
    int32_t references;
    int registered; /* registrations less unregistrations */
    int setRequests;
    char lastSetIdentifier[64];
    double lastSetValue;
    int touches;
    int releases;
    void* answerTo;
    ck_automation_observer observer;
    void* observerContext;
} ck_automation;
/* One reference held by the caller. */
void ck_automation_init(ck_automation* automation);

/* ---- View container: IACFUnknown slots 0 to 2, then 3 GetType, 4 GetPtr, 5 to 9
 * HostViewContainerSlot5 to HostViewContainerSlot9. */
typedef struct ck_view {
    const void* table;
    int32_t references;
    int32_t type;
    void* native;
} ck_view;
/* One reference held by the caller. */
void ck_view_init(ck_view* view, int32_t type, void* native);

/* ---- Controller: IACFUnknown slots 0 to 2, version 1 slots 3 to 19, version 2 slots 20 to 23.
 * It answers the unknown and both controller identifiers, counts references, gives a sample rate
 * and stem formats, and records every PostPacket with up to 16 payload bytes. When set, it also
 * answers the automation delegate's identifier with `automation` and the effect-parameters
 * identifier with what the module object `effectParameters` answers. With a context attached it
 * delivers each packet the way a host's data port does: the payload is copied into the port's
 * own storage and the context field points at it. */
enum { CK_MAX_POSTS = 64, CK_CONTEXT_FIELDS = 11, CK_PORT_BYTES = 16 };
typedef struct ck_posted_packet {
    uint32_t field;
    uint32_t size;
    unsigned char bytes[16];
} ck_posted_packet;
typedef struct ck_controller {
    const void* table;
    int32_t references;
    float sampleRate;
    int32_t inputStemFormat;
    int32_t outputStemFormat;
    bool offerVersion2;
    ck_posted_packet posts[CK_MAX_POSTS];
    int postCount;
    ck_automation* automation;
    void* effectParameters;
    void** context; /* the algorithm context's fields, or null */
    uint64_t ports[CK_CONTEXT_FIELDS][CK_PORT_BYTES / 8]; /* aligned for any payload */
} ck_controller;
/* One reference held by the caller; 48 kHz stereo in and out. */
void ck_controller_init(ck_controller* controller);

#ifdef __cplusplus
}
#endif

#endif
