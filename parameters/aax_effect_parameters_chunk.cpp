// The base's controls chunk: every parameter but the filtered ones, by identifier, in the chunk
// data format.
#include <cstring>

#include "abi/chunk.h"
#include "parameters/aax_effect_parameters.h"
#include "parameters/narrow_to_float.h"

void AAX_CEffectParameters::BuildChunkData() {
    mChunkParser.Clear();
    int32_t count = 0;
    GetNumberOfParameters(&count);
    for (int32_t index = 0; index < count; ++index) {
        const AAX_IParameter* parameter = mParameterManager.GetParameter(index);
        if (parameter == nullptr || IsFiltered(*parameter)) continue;
        const char* name = parameter->Identifier();
        float floatValue = 0.0f;
        int32_t intValue = 0;
        bool boolValue = false;
        double doubleValue = 0.0;
        AAX_CString text;
        if (parameter->GetValueAsFloat(&floatValue)) {
            mChunkParser.AddDouble(name, floatValue);
        } else if (parameter->GetValueAsInt32(&intValue)) {
            mChunkParser.AddInt32(name, intValue);
        } else if (parameter->GetValueAsBool(&boolValue)) {
            mChunkParser.AddInt32(name, boolValue ? 1 : 0);
        } else if (parameter->GetValueAsDouble(&doubleValue)) {
            mChunkParser.AddDouble(name, doubleValue);
        } else if (parameter->GetValueAsString(&text)) {
            mChunkParser.AddString(name, text);
        }
    }
}

AAX_Result AAX_CEffectParameters::GetChunkSize(AAX_CTypeID chunkID, uint32_t* size) {
    if (size == nullptr) return AAX_ERROR_NULL_OBJECT;
    if (chunkID != kControlsChunkID) {
        *size = 0;
        return AAX_ERROR_INVALID_CHUNK_ID;
    }
    BuildChunkData();
    mLastChunkSize = mChunkParser.GetChunkDataSize();
    *size = static_cast<uint32_t>(mLastChunkSize);
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetChunk(AAX_CTypeID chunkID, AAX_SPlugInChunk* chunk) {
    if (chunkID != kControlsChunkID) return AAX_ERROR_INVALID_CHUNK_ID;
    if (chunk == nullptr) return AAX_ERROR_NULL_OBJECT;
    BuildChunkData();
    // The host's record holds the size it was told; anything else would not fit.
    if (mChunkParser.GetChunkDataSize() != mLastChunkSize || mLastChunkSize == 0) {
        return AAX_ERROR_INCORRECT_CHUNK_SIZE;
    }
    chunk->fVersion = mChunkParser.GetChunkVersion();
    std::memset(chunk->fName, 0, sizeof chunk->fName);
    std::strncpy(chunk->fName, kControlsChunkName, sizeof chunk->fName - 1);
    return mChunkParser.GetChunkData(chunk);
}

AAX_Result AAX_CEffectParameters::SetChunk(AAX_CTypeID chunkID, const AAX_SPlugInChunk* chunk) {
    if (chunkID != kControlsChunkID) return AAX_ERROR_INVALID_CHUNK_ID;
    if (chunk == nullptr) return AAX_ERROR_NULL_OBJECT;
    mChunkParser.LoadChunk(chunk);
    int32_t count = 0;
    GetNumberOfParameters(&count);
    for (int32_t index = 0; index < count; ++index) {
        AAX_IParameter* parameter = mParameterManager.GetParameter(index);
        if (parameter != nullptr && !IsFiltered(*parameter)) RestoreFromChunk(*parameter);
    }
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::CompareActiveChunk(const AAX_SPlugInChunk* chunk, bool* isEqual) {
    if (chunk == nullptr || isEqual == nullptr) return AAX_ERROR_NULL_OBJECT;
    // A chunk that the base does not own is never reported as changed.
    if (chunk->fChunkID != kControlsChunkID) {
        *isEqual = true;
        return AAX_SUCCESS;
    }
    *isEqual = false;
    mChunkParser.LoadChunk(chunk);
    int32_t count = 0;
    GetNumberOfParameters(&count);
    for (int32_t index = 0; index < count; ++index) {
        const AAX_IParameter* parameter = mParameterManager.GetParameter(index);
        if (parameter == nullptr || IsFiltered(*parameter)) continue;
        if (!MatchesChunk(*parameter)) return AAX_SUCCESS;
    }
    *isEqual = true;
    return AAX_SUCCESS;
}

// A parameter without an entry of its type keeps its value.
void AAX_CEffectParameters::RestoreFromChunk(AAX_IParameter& parameter) {
    const char* name = parameter.Identifier();
    float floatValue = 0.0f;
    int32_t intValue = 0;
    bool boolValue = false;
    double doubleValue = 0.0;
    AAX_CString text;
    if (parameter.GetValueAsFloat(&floatValue)) {
        if (mChunkParser.FindDouble(name, &doubleValue)) {
            parameter.SetValueWithFloat(NarrowToFloat(doubleValue));
        }
    } else if (parameter.GetValueAsInt32(&intValue)) {
        if (mChunkParser.FindInt32(name, &intValue)) parameter.SetValueWithInt32(intValue);
    } else if (parameter.GetValueAsBool(&boolValue)) {
        if (mChunkParser.FindInt32(name, &intValue)) parameter.SetValueWithBool(intValue != 0);
    } else if (parameter.GetValueAsDouble(&doubleValue)) {
        if (mChunkParser.FindDouble(name, &doubleValue)) parameter.SetValueWithDouble(doubleValue);
    } else if (parameter.GetValueAsString(&text)) {
        if (mChunkParser.FindString(name, &text)) parameter.SetValueWithString(text);
    }
}

// A parameter that answers no typed accessor is not compared.
bool AAX_CEffectParameters::MatchesChunk(const AAX_IParameter& parameter) {
    const char* name = parameter.Identifier();
    float floatValue = 0.0f;
    int32_t intValue = 0;
    bool boolValue = false;
    double doubleValue = 0.0;
    AAX_CString text;
    double storedDouble = 0.0;
    int32_t storedInt = 0;
    if (parameter.GetValueAsFloat(&floatValue)) {
        return mChunkParser.FindDouble(name, &storedDouble) &&
               NarrowToFloat(storedDouble) == floatValue;
    }
    if (parameter.GetValueAsInt32(&intValue)) {
        return mChunkParser.FindInt32(name, &storedInt) && storedInt == intValue;
    }
    if (parameter.GetValueAsBool(&boolValue)) {
        return mChunkParser.FindInt32(name, &storedInt) && (storedInt != 0) == boolValue;
    }
    if (parameter.GetValueAsDouble(&doubleValue)) {
        return mChunkParser.FindDouble(name, &storedDouble) &&
               NarrowToFloat(storedDouble) == NarrowToFloat(doubleValue);
    }
    if (parameter.GetValueAsString(&text)) {
        AAX_CString stored;
        return mChunkParser.FindString(name, &stored) && stored == text;
    }
    return true;
}
