// MIDI records and the MIDI node interface that the host places in the algorithm context.
#pragma once

#include <cstddef>
#include <cstdint>

#include "abi/boundary.h"
#include "abi/result.h"

class AAX_ITransport;

// One MIDI message; mTimestamp is the frame offset within the block.
struct AAX_CMidiPacket {
    uint32_t mTimestamp;
    uint32_t mLength;
    unsigned char mData[4];
    bool mIsImmediate;
};
static_assert(sizeof(AAX_CMidiPacket) == 16);
static_assert(offsetof(AAX_CMidiPacket, mTimestamp) == 0);
static_assert(offsetof(AAX_CMidiPacket, mLength) == 4);
static_assert(offsetof(AAX_CMidiPacket, mData) == 8);
static_assert(offsetof(AAX_CMidiPacket, mIsImmediate) == 12);

// The packets of one block.
struct AAX_CMidiStream {
    uint32_t mBufferSize;
    AAX_CMidiPacket* mBuffer;
};
static_assert(sizeof(AAX_CMidiStream) == 16);
static_assert(offsetof(AAX_CMidiStream, mBufferSize) == 0);
static_assert(offsetof(AAX_CMidiStream, mBuffer) == 8);

// A host MIDI node, in slot order. All operations are called on the real-time thread.
class AAX_IMIDINode {
    VQ318_BOUNDARY_DESTRUCTOR(AAX_IMIDINode)  // 0
    // The block's incoming packets, or null when the node has none.
    virtual AAX_CMidiStream* GetNodeBuffer() = 0;  // 1
    // Sends one packet out through the node.
    virtual AAX_Result PostMIDIPacket(AAX_CMidiPacket* packet) = 0;  // 2
    // The host transport, or null; only transport nodes have one.
    virtual AAX_ITransport* GetTransport() = 0;  // 3
};

// MIDI node types used in the effect description.
enum : int32_t {
    kMidiNodeTypeLocalInput = 0,
    kMidiNodeTypeTransport = 3,
};
