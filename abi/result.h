// Result codes of the host interfaces: every operation towards the host returns one.
#pragma once

#include <cstdint>

using Result = int32_t;

enum : Result {
    AAX_SUCCESS = 0,
    AAX_ERROR_INVALID_PARAMETER_ID = -20001,
    AAX_ERROR_INVALID_STRING_CONVERSION = -20002,
    AAX_ERROR_NULL_OBJECT = -20004,
    AAX_ERROR_INVALID_CHUNK_INDEX = -20006,
    AAX_ERROR_INVALID_CHUNK_ID = -20007,
    AAX_ERROR_INCORRECT_CHUNK_SIZE = -20008,
    AAX_ERROR_UNIMPLEMENTED = -20009,
    AAX_ERROR_NOT_INITIALIZED = -20011,
};

// The chunk data parser's failure to write.
constexpr Result kChunkParserWriteFailed = -333;

constexpr Result ACF_E_NOINTERFACE = static_cast<Result>(0x80000004u);
constexpr Result ACF_E_POINTER = static_cast<Result>(0x80000005u);
constexpr Result ACF_E_UNEXPECTED = static_cast<Result>(0x8000FFFFu);
