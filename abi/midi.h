// MIDI records and the MIDI node interface that the host places in the algorithm context.
#pragma once

#include <cstddef>
#include <cstdint>

#include "abi/boundary.h"
#include "abi/result.h"

class AAX_ITransport;

// One MIDI message; mTimestamp is the frame offset within the block.
struct MidiPacket {
    uint32_t mTimestamp;
    uint32_t mLength;
    unsigned char mData[4];
    bool mIsImmediate;
};
static_assert(sizeof(MidiPacket) == 16);
static_assert(offsetof(MidiPacket, mTimestamp) == 0);
static_assert(offsetof(MidiPacket, mLength) == 4);
static_assert(offsetof(MidiPacket, mData) == 8);
static_assert(offsetof(MidiPacket, mIsImmediate) == 12);

// The packets of one block.
struct MidiStream {
    uint32_t mBufferSize;
    MidiPacket* mBuffer;
};
static_assert(sizeof(MidiStream) == 16);
static_assert(offsetof(MidiStream, mBufferSize) == 0);
static_assert(offsetof(MidiStream, mBuffer) == 8);

// A host MIDI node, in slot order. All operations are called on the real-time thread.
class MidiNode {
    VQ318_BOUNDARY_DESTRUCTOR(MidiNode)  // 0
    // The block's incoming packets, or null when the node has none.
    virtual MidiStream* GetNodeBuffer() = 0;  // 1
    // The module never calls it.
    virtual Result MidiNodeSlot2(MidiPacket*) = 0;  // 2
    // The host transport, or null; only transport nodes have one.
    virtual AAX_ITransport* GetTransport() = 0;  // 3
};

// MIDI node types used in the effect description.
enum : int32_t {
    kMidiNodeTypeLocalInput = 0,
    kMidiNodeTypeTransport = 3,
};
