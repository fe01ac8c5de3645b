// The wrapper's saved state: the plug-in's bank chunk, byte for byte, under the plug-in's unique
// identifier, or the values of its parameters when it keeps no chunk. The base's controls chunk
// is neither offered nor accepted.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "abi/chunk.h"
#include "bridge/parameter_identity.h"
#include "bridge/plugin_parameter_info.h"
#include "parameters/aaxwrapper_parameters.h"
#include "parameters/plugin_parameter_mirror.h"

namespace {

char* DataArea(AAX_SPlugInChunk* chunk) {
    return reinterpret_cast<char*>(chunk) + kChunkHeaderSize;
}

const char* DataArea(const AAX_SPlugInChunk* chunk) {
    return reinterpret_cast<const char*>(chunk) + kChunkHeaderSize;
}

}  // namespace

bool AAXWrapper_Parameters::IsCurrentChunk(TypeCode chunkID) const {
    TypeCode current = 0;
    GetChunkIDFromIndex(0, &current);
    return chunkID == current;
}

bool AAXWrapper_Parameters::HasProgramChunks() const {
    return mVstInterface->IsUsable() && (mVstInterface->effect->flags & effFlagsProgramChunks) != 0;
}

bool AAXWrapper_Parameters::AskBankChunk(BankChunk* chunk) {
    if (!HasProgramChunks()) {
        mValues.resize(static_cast<size_t>(std::max(mVstInterface->NumParams(), 0)));
        for (size_t i = 0; i < mValues.size(); ++i) {
            mValues[i] = mVstInterface->GetParameter(static_cast<int32_t>(i));
        }
        chunk->data = mValues.data();
        chunk->size = static_cast<int32_t>(mValues.size() * sizeof(float));
        return true;
    }
    void* data = nullptr;
    const intptr_t size = mVstInterface->Dispatch(effGetChunk, 0, 0, &data);
    if (size < 0 || size > INT32_MAX || (size > 0 && data == nullptr)) return false;
    chunk->data = data;
    chunk->size = static_cast<int32_t>(size);
    return true;
}

Result AAXWrapper_Parameters::GetChunkIDFromIndex(int32_t index, TypeCode* chunkID) const {
    if (chunkID == nullptr) return AAX_ERROR_NULL_OBJECT;
    if (index != 0) {
        *chunkID = 0;
        return AAX_ERROR_INVALID_CHUNK_INDEX;
    }
    *chunkID =
        mVstInterface->IsUsable() ? static_cast<TypeCode>(mVstInterface->effect->uniqueID) : 0;
    return AAX_SUCCESS;
}

Result AAXWrapper_Parameters::GetChunkSize(TypeCode chunkID, uint32_t* size) {
    // Edits the plug-in made during blocks belong to the state being saved.
    DeliverPlugInReports();
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

Result AAXWrapper_Parameters::GetChunk(TypeCode chunkID, AAX_SPlugInChunk* chunk) {
    DeliverPlugInReports();
    if (mPluginLoaded == 0 || !IsCurrentChunk(chunkID)) return AAX_ERROR_INVALID_CHUNK_ID;
    if (chunk == nullptr) return AAX_ERROR_NULL_OBJECT;
    BankChunk bank{};
    if (!AskBankChunk(&bank)) {
        chunk->fSize = 0;
        return AAX_ERROR_NULL_OBJECT;
    }
    // The host's record has room for the size it was told, and no more; a chunk that shrank
    // since fits, and the size field tells the host its real size.
    if (bank.size > mLastReportedChunkSize) return AAX_ERROR_INCORRECT_CHUNK_SIZE;
    chunk->fSize = bank.size;
    if (bank.size > 0) std::memcpy(DataArea(chunk), bank.data, static_cast<size_t>(bank.size));
    return AAX_SUCCESS;
}

Result AAXWrapper_Parameters::SetChunk(TypeCode chunkID, const AAX_SPlugInChunk* chunk) {
    // Edits made before the restore reach the host before the restored values do.
    DeliverPlugInReports();
    if (mPluginLoaded == 0 || !IsCurrentChunk(chunkID)) return AAX_ERROR_INVALID_CHUNK_ID;
    if (chunk == nullptr) return AAX_ERROR_NULL_OBJECT;
    if (chunk->fSize < 0) return AAX_ERROR_INCORRECT_CHUNK_SIZE;
    if (mFirstRestoreChunkSize == 0) {
        BankChunk bank{};
        if (AskBankChunk(&bank)) mFirstRestoreChunkSize = bank.size;
    }
    if (!HasProgramChunks()) {
        RestoreValues(DataArea(chunk), chunk->fSize);
        return AAX_SUCCESS;
    }
    // effSetChunk reads the data area through a non-const pointer but does not write it.
    mVstInterface->Dispatch(effSetChunk, 0, chunk->fSize, const_cast<char*>(DataArea(chunk)));
    RefreshMirrors();
    return AAX_SUCCESS;
}

void AAXWrapper_Parameters::RestoreValues(const char* data, int32_t size) {
    const int32_t count =
        std::min(mVstInterface->NumParams(), size / static_cast<int32_t>(sizeof(float)));
    for (int32_t index = 0; index < count; ++index) {
        float value = 0.0f;
        std::memcpy(&value, data + static_cast<size_t>(index) * sizeof value, sizeof value);
        if (!std::isfinite(value)) continue;
        mVstInterface->SetParameter(index, value);
        char identifier[PlugInParameterInfo::kIdentifierSize];
        IdentifyPlugInParameter(index, identifier);
        AAX_IParameter* parameter = ParameterManager().GetParameterByID(identifier);
        if (parameter != nullptr) parameter->UpdateNormalizedValue(value);
    }
}

void AAXWrapper_Parameters::IdentifyPlugInParameter(
    int32_t index, char (&identifier)[PlugInParameterInfo::kIdentifierSize]) {
    identifier[0] = '\0';
    mVstInterface->Dispatch(effGetParamIdentifier, index, sizeof identifier, identifier);
    identifier[sizeof identifier - 1] = '\0';
    FillMissingIdentifier(index, identifier, sizeof identifier);
}

void AAXWrapper_Parameters::RefreshMirrors() {
    const int32_t count = mVstInterface->NumParams();
    for (int32_t index = 0; index < count; ++index) {
        char identifier[PlugInParameterInfo::kIdentifierSize];
        IdentifyPlugInParameter(index, identifier);
        const AAX_IParameter* mirror = ParameterManager().GetParameterByID(identifier);
        if (mirror == nullptr || std::strcmp(identifier, mBypassParamId.Get()) == 0) continue;
        const float value = mVstInterface->GetParameter(index);
        if (!std::isfinite(value)) continue;
        const double normalized = MirrorNormalizedValue(*mirror, value);
        if (mirror->GetNormalizedValue() == normalized) continue;
        {
            std::lock_guard lock(mRefreshMutex);
            mRefreshing.insert(mirror);
        }
        // Not under the lock: a host may answer from inside the request.
        PlugInAutomated(identifier, normalized);
    }
}

bool AAXWrapper_Parameters::AnswersRefresh(const AAX_IParameter& parameter, int32_t index,
                                           double value) {
    {
        std::lock_guard lock(mRefreshMutex);
        if (mRefreshing.erase(&parameter) == 0) return false;
    }
    const float held = mVstInterface->GetParameter(index);
    return std::isfinite(held) && MirrorNormalizedValue(parameter, held) == value;
}
