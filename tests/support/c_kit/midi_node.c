/* A host MIDI node: one block's incoming packets, or the transport. */
#include <string.h>

#include "c_kit.h"

typedef struct midi_node_table {
    void* (*deletingDestructor)(ck_midi_node*, uint32_t);
    ck_midi_stream* (*getNodeBuffer)(ck_midi_node*);
    int32_t (*midiNodeSlot2)(ck_midi_node*, ck_midi_packet*);
    ck_transport* (*getTransport)(ck_midi_node*);
} midi_node_table;

static void* destroy(ck_midi_node* self, uint32_t flags) {
    (void)flags;
    return self;
}

static ck_midi_stream* node_buffer(ck_midi_node* self) {
    return self->hasStream ? &self->stream : NULL;
}

static int32_t slot_2(ck_midi_node* self, ck_midi_packet* a2) {
    (void)a2;
    ++self->posted;
    return 0;
}

static ck_transport* transport(ck_midi_node* self) {
    return self->transport;
}

static const midi_node_table kTable = {destroy, node_buffer, slot_2, transport};

void ck_midi_node_init(ck_midi_node* node, ck_transport* transport) {
    memset(node, 0, sizeof *node);
    node->table = &kTable;
    node->stream.buffer = node->packets;
    node->hasStream = true;
    node->transport = transport;
}

void ck_midi_node_set_packets(ck_midi_node* node, const ck_midi_packet* packets, size_t count) {
    if (count > CK_MIDI_CAPACITY) count = CK_MIDI_CAPACITY;
    if (count > 0) memcpy(node->packets, packets, count * sizeof *packets);
    node->stream.bufferSize = (uint32_t)count;
}
