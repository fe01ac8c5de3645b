// The effect-parameters object of one effect instance, as the host calls it: the effect's data
// model (parameters with their texts and automation, coefficients for the real-time algorithm,
// saved state). The host creates it through creation procedure 0 and reaches it by these
// identifiers. Every operation returns 0 on success and is called on the host's non-real-time
// threads.
//
// Life of the object:
//   1. created with reference count 0; the host takes the first reference;
//   2. Initialize with the host's controller unknown: the effect creates its parameters and posts
//      its first packets to the algorithm context;
//   3. slots 5 to 47 in any order; GenerateCoefficients posts the packets of changed parameters;
//   4. Uninitialize; the last Release destroys the object.
//
// Parameter identifiers are NUL-terminated texts; a value the host sees is normalized (0.0 to
// 1.0). An unknown identifier answers AAX_ERROR_INVALID_PARAMETER_ID unless a line says otherwise.
#pragma once

#include <cstdint>

#include "abi/acf.h"
#include "abi/parameter_id.h"
#include "abi/type_id.h"

class AAX_IParameter;
class AAX_IString;
struct AAX_CMidiPacket;
struct AAX_SPlugInChunk;

class AAX_IACFEffectParameters : public IACFUnknown {
  public:
    // `controller` answers the controller, automation and transport interfaces of the instance.
    virtual AAX_Result Initialize(IACFUnknown* controller) = 0;  // 3
    virtual AAX_Result Uninitialize() = 0;                       // 4
    // A notification of type `type` with `size` bytes at `data`.
    virtual AAX_Result NotificationReceived(AAX_CTypeID type, const void* data,
                                            uint32_t size) = 0;          // 5
    virtual AAX_Result GetNumberOfParameters(int32_t* count) const = 0;  // 6
    // The master bypass parameter's identifier, or the empty text when there is none.
    virtual AAX_Result GetMasterBypassParameter(AAX_IString* identifier) const = 0;  // 7
    virtual AAX_Result GetParameterIsAutomatable(AAX_CParamID id,
                                                 bool* automatable) const = 0;                // 8
    virtual AAX_Result GetParameterNumberOfSteps(AAX_CParamID id, int32_t* steps) const = 0;  // 9
    virtual AAX_Result GetParameterName(AAX_CParamID id, AAX_IString* name) const = 0;        // 10
    // The longest line of the name that fits in `length` characters.
    virtual AAX_Result GetParameterNameOfLength(AAX_CParamID id, AAX_IString* name,
                                                int32_t length) const = 0;  // 11
    virtual AAX_Result GetParameterDefaultNormalizedValue(AAX_CParamID id,
                                                          double* value) const = 0;            // 12
    virtual AAX_Result SetParameterDefaultNormalizedValue(AAX_CParamID id, double value) = 0;  // 13
    // 0 discrete, 1 continuous.
    virtual AAX_Result GetParameterType(AAX_CParamID id, int32_t* type) const = 0;  // 14
    virtual AAX_Result GetParameterOrientation(AAX_CParamID id,
                                               int32_t* orientation) const = 0;  // 15
    // The parameter object itself, owned by the effect.
    virtual AAX_Result GetParameter(AAX_CParamID id, AAX_IParameter** parameter) = 0;      // 16
    virtual AAX_Result GetParameterIndex(AAX_CParamID id, int32_t* index) const = 0;       // 17
    virtual AAX_Result GetParameterIDFromIndex(int32_t index, AAX_IString* id) const = 0;  // 18
    virtual AAX_Result GetParameterValueInfo(AAX_CParamID id, int32_t selector,
                                             int32_t* value) const = 0;  // 19
    // The normalized value that `text` names.
    virtual AAX_Result GetParameterValueFromString(AAX_CParamID id, double* value,
                                                   const AAX_IString& text) const = 0;  // 20
    // The text of normalized `value`, cut to `maxLength` characters.
    virtual AAX_Result GetParameterStringFromValue(AAX_CParamID id, double value, AAX_IString* text,
                                                   int32_t maxLength) const = 0;  // 21
    // The text of the current value.
    virtual AAX_Result GetParameterValueString(AAX_CParamID id, AAX_IString* text,
                                               int32_t maxLength) const = 0;                   // 22
    virtual AAX_Result GetParameterNormalizedValue(AAX_CParamID id, double* value) const = 0;  // 23
    // Asks the host to set the value; the host answers with UpdateParameterNormalizedValue.
    virtual AAX_Result SetParameterNormalizedValue(AAX_CParamID id, double value) = 0;    // 24
    virtual AAX_Result SetParameterNormalizedRelative(AAX_CParamID id, double step) = 0;  // 25
    virtual AAX_Result TouchParameter(AAX_CParamID id) = 0;                               // 26
    virtual AAX_Result ReleaseParameter(AAX_CParamID id) = 0;                             // 27
    virtual AAX_Result UpdateParameterTouch(AAX_CParamID id, bool touched) = 0;           // 28
    // The host's answer to a set request, or a change the host makes itself.
    virtual AAX_Result UpdateParameterNormalizedValue(AAX_CParamID id, double value,
                                                      int32_t source) = 0;                   // 29
    virtual AAX_Result UpdateParameterNormalizedRelative(AAX_CParamID id, double step) = 0;  // 30
    // Posts the packets of changed parameters to the algorithm context.
    virtual AAX_Result GenerateCoefficients() = 0;  // 31
    virtual AAX_Result ResetFieldData(uint32_t fieldIndex, void* data,
                                      uint32_t size) const = 0;                             // 32
    virtual AAX_Result GetNumberOfChunks(int32_t* count) const = 0;                         // 33
    virtual AAX_Result GetChunkIDFromIndex(int32_t index, AAX_CTypeID* chunkID) const = 0;  // 34
    // Saving: the size first, then the chunk into a record with room for that size.
    virtual AAX_Result GetChunkSize(AAX_CTypeID chunkID, uint32_t* size) = 0;                 // 35
    virtual AAX_Result GetChunk(AAX_CTypeID chunkID, AAX_SPlugInChunk* chunk) = 0;            // 36
    virtual AAX_Result SetChunk(AAX_CTypeID chunkID, const AAX_SPlugInChunk* chunk) = 0;      // 37
    virtual AAX_Result CompareActiveChunk(const AAX_SPlugInChunk* chunk, bool* isEqual) = 0;  // 38
    virtual AAX_Result GetNumberOfChanges(int32_t* changes) const = 0;                        // 39
    virtual AAX_Result TimerWakeup() = 0;                                                     // 40
    virtual AAX_Result GetCurveData(AAX_CTypeID curveType, const float* values, uint32_t numValues,
                                    float* curveValues) const = 0;  // 41
    // Writes at most `size` bytes of block `blockID` to `data` and their count to `written`.
    virtual AAX_Result GetCustomData(AAX_CTypeID blockID, uint32_t size, void* data,
                                     uint32_t* written) const = 0;  // 42
    virtual AAX_Result SetCustomData(AAX_CTypeID blockID, uint32_t size,
                                     const void* data) = 0;  // 43

  protected:
    ~AAX_IACFEffectParameters() = default;
};

// Version 2 adds the MIDI and hybrid-processing operations.
class AAX_IACFEffectParameters_V2 : public AAX_IACFEffectParameters {
  public:
    virtual AAX_Result DoMIDITransfers() = 0;  // 44
    // `renderInfo` is the host's record of one hybrid block.
    virtual AAX_Result RenderAudio_Hybrid(void* renderInfo) = 0;                           // 45
    virtual AAX_Result UpdateMIDINodes(uint32_t fieldIndex, AAX_CMidiPacket& packet) = 0;  // 46
    virtual AAX_Result UpdateControlMIDINodes(AAX_CTypeID nodeID,
                                              AAX_CMidiPacket& packet) = 0;  // 47

  protected:
    ~AAX_IACFEffectParameters_V2() = default;
};

inline constexpr acfIID IID_AAX_IACFEffectParameters =
    MakeUID("964E333D-334C-533F-C2C7-3834C3C23E3E");
inline constexpr acfIID IID_AAX_IACFEffectParameters_V2 =
    MakeUID("F1F47D06-308F-4CC5-9C7C-50A83F8AB813");
