// The invariants the host-sequence fuzzer holds the module to; a broken one aborts with a line
// saying which, so that the fuzzer keeps the input.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "abi/result.h"

[[noreturn]] inline void Broken(const char* what, long long detail = 0) {
    std::fprintf(stderr, "host_sequence invariant broken: %s (%lld)\n", what, detail);
    std::abort();
}

inline void Check(bool holds, const char* what, long long detail = 0) {
    if (!holds) Broken(what, detail);
}

// Every result the module hands the host is one of the codes the host knows.
inline int32_t Known(int32_t result) {
    switch (result) {
        case AAX_SUCCESS:
        case AAX_ERROR_INVALID_PARAMETER_ID:
        case AAX_ERROR_INVALID_STRING_CONVERSION:
        case AAX_ERROR_NULL_OBJECT:
        case AAX_ERROR_INVALID_CHUNK_INDEX:
        case AAX_ERROR_INVALID_CHUNK_ID:
        case AAX_ERROR_INCORRECT_CHUNK_SIZE:
        case AAX_ERROR_UNIMPLEMENTED:
        case AAX_ERROR_NOT_INITIALIZED:
        case kChunkParserWriteFailed:
        case ACF_E_NOINTERFACE:
        case ACF_E_POINTER:
        case ACF_E_UNEXPECTED:
            return result;
        default:
            Broken("result code outside the known set", result);
    }
}
