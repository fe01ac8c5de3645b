// Writes a list of named, typed values into the data area of a host chunk record and reads it
// back. The byte format is what saved sessions and presets hold:
//
//   bytes 0-3  marker 01 01 01 01
//   then, each entry from a multiple of 4:
//     key    type letter (d double, f float, l 32-bit, s 16-bit, r string), '_', name, NUL,
//            zero bytes up to a multiple of 4
//     value  d: 8 bytes; f, l: 4 bytes; s: 2 bytes and 2 zero bytes; r: the text, NUL, zero
//            bytes up to a multiple of 4. Numbers are big-endian.
//
// No count and no end marker: the record's size field alone tells where the data ends. Lookups
// by name resume after the previous hit, so reading back in write order costs one comparison
// per name.
#pragma once

#include <cstdint>
#include <deque>

#include "abi/chunk.h"
#include "abi/result.h"
#include "host/aax_string.h"
#include "parameters/chunk_data_entry.h"

class AAX_CChunkDataParser {
  public:
    AAX_CChunkDataParser() = default;
    virtual ~AAX_CChunkDataParser() = default;

    // Removes every entry; the chunk version becomes -1.
    void Clear();
    // Each appends one entry; names may repeat.
    void AddDouble(const char* name, double value);
    void AddInt32(const char* name, int32_t value);
    void AddString(const char* name, AAX_CString value);

    // The data area's size for the current entries; at least 4.
    int32_t GetChunkDataSize() const;
    // Writes the size field and the data area; the record must have room for
    // GetChunkDataSize() bytes of data. -333 for a null record, else 0.
    int32_t GetChunkData(AAX_SPlugInChunk* chunk) const;
    // Replaces the entries by those in the record's data area and takes its version. Reads
    // nothing outside the size that the record gives, whatever its bytes.
    void LoadChunk(const AAX_SPlugInChunk* chunk);

    // True when an entry of that name has the type asked for; the value is then written. A null
    // name is the empty name. A name found with another type still moves the search on.
    bool FindDouble(const char* name, double* value);
    bool FindInt32(const char* name, int32_t* value);
    bool FindString(const char* name, AAX_IString* value);

    int32_t GetChunkVersion() const { return mChunkVersion; }
    const std::deque<ChunkDataEntry>& Entries() const { return mEntries; }

  private:
    // Index of the entry of that name, searching on from the previous hit and wrapping round;
    // -1 when there is none.
    int32_t FindName(const char* name);

    int32_t mLastFoundIndex = -1;
    int32_t mChunkVersion = -1;
    // In write order. A deque builds entries in place and never relocates them, so no
    // AAX_CString is copy-constructed (its interface base makes that copy deprecated).
    std::deque<ChunkDataEntry> mEntries;
};
