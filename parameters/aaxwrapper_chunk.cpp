// The wrapper's saved state: the plug-in's bank chunk, byte for byte, under the plug-in's unique
// identifier. The base's controls chunk is neither offered nor accepted.
#include <cstdint>
#include <cstring>

#include "abi/chunk.h"
#include "parameters/aaxwrapper_parameters.h"

namespace {

char* DataArea(AAX_SPlugInChunk* chunk) {
    return reinterpret_cast<char*>(chunk) + kChunkHeaderSize;
}

const char* DataArea(const AAX_SPlugInChunk* chunk) {
    return reinterpret_cast<const char*>(chunk) + kChunkHeaderSize;
}

}  // namespace

bool AAXWrapper_Parameters::IsCurrentChunk(AAX_CTypeID chunkID) const {
    AAX_CTypeID current = 0;
    GetChunkIDFromIndex(0, &current);
    return chunkID == current;
}

bool AAXWrapper_Parameters::AskBankChunk(BankChunk* chunk) {
    void* data = nullptr;
    const intptr_t size = mVstInterface->Dispatch(effGetChunk, 0, 0, &data);
    if (size < 0 || size > INT32_MAX || (size > 0 && data == nullptr)) return false;
    chunk->data = data;
    chunk->size = static_cast<int32_t>(size);
    return true;
}

AAX_Result AAXWrapper_Parameters::GetChunkIDFromIndex(int32_t index, AAX_CTypeID* chunkID) const {
    if (chunkID == nullptr) return AAX_ERROR_NULL_OBJECT;
    if (index != 0) {
        *chunkID = 0;
        return AAX_ERROR_INVALID_CHUNK_INDEX;
    }
    *chunkID =
        mVstInterface->IsUsable() ? static_cast<AAX_CTypeID>(mVstInterface->effect->uniqueID) : 0;
    return AAX_SUCCESS;
}

AAX_Result AAXWrapper_Parameters::GetChunkSize(AAX_CTypeID chunkID, uint32_t* size) {
    if (mPluginLoaded == 0) return AAX_ERROR_INVALID_CHUNK_ID;
    if (size == nullptr) return AAX_ERROR_NULL_OBJECT;
    if (!IsCurrentChunk(chunkID)) {
        *size = 0;
        return AAX_ERROR_INVALID_CHUNK_ID;
    }
    BankChunk bank{};
    const bool readable = AskBankChunk(&bank);
    mLastReportedChunkSize = readable ? bank.size : 0;
    *size = static_cast<uint32_t>(mLastReportedChunkSize);
    return readable ? AAX_SUCCESS : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAXWrapper_Parameters::GetChunk(AAX_CTypeID chunkID, AAX_SPlugInChunk* chunk) {
    if (mPluginLoaded == 0 || !IsCurrentChunk(chunkID)) return AAX_ERROR_INVALID_CHUNK_ID;
    if (chunk == nullptr) return AAX_ERROR_NULL_OBJECT;
    BankChunk bank{};
    if (!AskBankChunk(&bank)) {
        chunk->fSize = 0;
        return AAX_ERROR_NULL_OBJECT;
    }
    // The host's record has room for the size it was told, and no more.
    if (bank.size != mLastReportedChunkSize) return AAX_ERROR_INCORRECT_CHUNK_SIZE;
    chunk->fSize = bank.size;
    if (bank.size > 0) std::memcpy(DataArea(chunk), bank.data, static_cast<size_t>(bank.size));
    return AAX_SUCCESS;
}

AAX_Result AAXWrapper_Parameters::SetChunk(AAX_CTypeID chunkID, const AAX_SPlugInChunk* chunk) {
    if (mPluginLoaded == 0 || !IsCurrentChunk(chunkID)) return AAX_ERROR_INVALID_CHUNK_ID;
    if (chunk == nullptr) return AAX_ERROR_NULL_OBJECT;
    if (chunk->fSize < 0) return AAX_ERROR_INCORRECT_CHUNK_SIZE;
    if (mFirstRestoreChunkSize == 0) {
        BankChunk bank{};
        if (AskBankChunk(&bank)) mFirstRestoreChunkSize = bank.size;
    }
    // effSetChunk reads the data area through a non-const pointer but does not write it.
    mVstInterface->Dispatch(effSetChunk, 0, chunk->fSize, const_cast<char*>(DataArea(chunk)));
    return AAX_SUCCESS;
}
