// The base's controls chunk: every parameter but the filtered ones, by identifier, in the chunk
// data format.
#include <cstring>

#include "abi/chunk.h"
#include "parameters/aax_effect_parameters.h"
#include "parameters/narrow_to_float.h"

namespace {

// A parameter's value through the first typed accessor that answers, in the order the chunk
// tries them: float, 32-bit integer, bool, double, text.
struct TypedValue {
    enum class Kind { kNone, kFloat, kInt32, kBool, kDouble, kString };

    explicit TypedValue(const AAX_IParameter& parameter) {
        if (parameter.GetValueAsFloat(&floatValue)) {
            kind = Kind::kFloat;
        } else if (parameter.GetValueAsInt32(&intValue)) {
            kind = Kind::kInt32;
        } else if (parameter.GetValueAsBool(&boolValue)) {
            kind = Kind::kBool;
        } else if (parameter.GetValueAsDouble(&doubleValue)) {
            kind = Kind::kDouble;
        } else if (parameter.GetValueAsString(&text)) {
            kind = Kind::kString;
        }
    }

    Kind kind = Kind::kNone;
    float floatValue = 0.0f;
    int32_t intValue = 0;
    bool boolValue = false;
    double doubleValue = 0.0;
    AAX_CString text;
};

using Kind = TypedValue::Kind;

}  // namespace

std::vector<AAX_IParameter*> AAX_CEffectParameters::SavedParameters() const {
    std::vector<AAX_IParameter*> saved;
    int32_t count = 0;
    GetNumberOfParameters(&count);
    for (int32_t index = 0; index < count; ++index) {
        AAX_IParameter* parameter = mParameterManager.GetParameter(index);
        if (parameter != nullptr && !IsFiltered(*parameter)) saved.push_back(parameter);
    }
    return saved;
}

void AAX_CEffectParameters::BuildChunkData() {
    mChunkParser.Clear();
    for (const AAX_IParameter* parameter : SavedParameters()) {
        const char* name = parameter->Identifier();
        const TypedValue value(*parameter);
        switch (value.kind) {
            case Kind::kFloat:
                mChunkParser.AddDouble(name, value.floatValue);
                break;
            case Kind::kInt32:
                mChunkParser.AddInt32(name, value.intValue);
                break;
            case Kind::kBool:
                mChunkParser.AddInt32(name, value.boolValue ? 1 : 0);
                break;
            case Kind::kDouble:
                mChunkParser.AddDouble(name, value.doubleValue);
                break;
            case Kind::kString:
                mChunkParser.AddString(name, value.text);
                break;
            case Kind::kNone:
                break;
        }
    }
}

Result AAX_CEffectParameters::GetChunkSize(TypeCode chunkID, uint32_t* size) {
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

Result AAX_CEffectParameters::GetChunk(TypeCode chunkID, AAX_SPlugInChunk* chunk) {
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

Result AAX_CEffectParameters::SetChunk(TypeCode chunkID, const AAX_SPlugInChunk* chunk) {
    if (chunkID != kControlsChunkID) return AAX_ERROR_INVALID_CHUNK_ID;
    if (chunk == nullptr) return AAX_ERROR_NULL_OBJECT;
    mChunkParser.LoadChunk(chunk);
    for (AAX_IParameter* parameter : SavedParameters()) RestoreFromChunk(*parameter);
    return AAX_SUCCESS;
}

Result AAX_CEffectParameters::CompareActiveChunk(const AAX_SPlugInChunk* chunk, bool* isEqual) {
    if (chunk == nullptr || isEqual == nullptr) return AAX_ERROR_NULL_OBJECT;
    // A chunk that the base does not own is never reported as changed.
    if (chunk->fChunkID != kControlsChunkID) {
        *isEqual = true;
        return AAX_SUCCESS;
    }
    *isEqual = false;
    mChunkParser.LoadChunk(chunk);
    for (const AAX_IParameter* parameter : SavedParameters()) {
        if (!MatchesChunk(*parameter)) return AAX_SUCCESS;
    }
    *isEqual = true;
    return AAX_SUCCESS;
}

// A parameter without an entry of its type keeps its value.
void AAX_CEffectParameters::RestoreFromChunk(AAX_IParameter& parameter) {
    const char* name = parameter.Identifier();
    TypedValue stored(parameter);
    switch (stored.kind) {
        case Kind::kFloat:
            if (mChunkParser.FindDouble(name, &stored.doubleValue)) {
                parameter.SetValueWithFloat(NarrowToFloat(stored.doubleValue));
            }
            break;
        case Kind::kInt32:
            if (mChunkParser.FindInt32(name, &stored.intValue)) {
                parameter.SetValueWithInt32(stored.intValue);
            }
            break;
        case Kind::kBool:
            if (mChunkParser.FindInt32(name, &stored.intValue)) {
                parameter.SetValueWithBool(stored.intValue != 0);
            }
            break;
        case Kind::kDouble:
            if (mChunkParser.FindDouble(name, &stored.doubleValue)) {
                parameter.SetValueWithDouble(stored.doubleValue);
            }
            break;
        case Kind::kString:
            if (mChunkParser.FindString(name, &stored.text))
                parameter.SetValueWithString(stored.text);
            break;
        case Kind::kNone:
            break;
    }
}

// A parameter that answers no typed accessor is not compared.
bool AAX_CEffectParameters::MatchesChunk(const AAX_IParameter& parameter) {
    const char* name = parameter.Identifier();
    const TypedValue current(parameter);
    double storedDouble = 0.0;
    int32_t storedInt = 0;
    AAX_CString storedText;
    switch (current.kind) {
        case Kind::kFloat:
            return mChunkParser.FindDouble(name, &storedDouble) &&
                   NarrowToFloat(storedDouble) == current.floatValue;
        case Kind::kInt32:
            return mChunkParser.FindInt32(name, &storedInt) && storedInt == current.intValue;
        case Kind::kBool:
            return mChunkParser.FindInt32(name, &storedInt) &&
                   (storedInt != 0) == current.boolValue;
        case Kind::kDouble:
            return mChunkParser.FindDouble(name, &storedDouble) &&
                   NarrowToFloat(storedDouble) == NarrowToFloat(current.doubleValue);
        case Kind::kString:
            return mChunkParser.FindString(name, &storedText) && storedText == current.text;
        case Kind::kNone:
            return true;
    }
    return true;
}
