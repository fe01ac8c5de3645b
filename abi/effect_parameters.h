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

#include "abi/parameter_id.h"
#include "abi/type_id.h"
#include "abi/unknown.h"

class AAX_IParameter;
class AAX_IString;
struct MidiPacket;
struct AAX_SPlugInChunk;

class AAX_IACFEffectParameters : public IACFUnknown {
  public:
    // `controller` answers the controller, automation and transport interfaces of the instance.
    virtual Result Initialize(IACFUnknown* controller) = 0;  // 3
    virtual Result Uninitialize() = 0;                       // 4
    // A notification of type `type` with `size` bytes at `data`.
    virtual Result NotificationReceived(TypeCode type, const void* data,
                                        uint32_t size) = 0;          // 5
    virtual Result GetNumberOfParameters(int32_t* count) const = 0;  // 6
    // The master bypass parameter's identifier, or the empty text when there is none.
    virtual Result GetMasterBypassParameter(AAX_IString* identifier) const = 0;  // 7
    virtual Result GetParameterIsAutomatable(ParameterId id,
                                             bool* automatable) const = 0;               // 8
    virtual Result GetParameterNumberOfSteps(ParameterId id, int32_t* steps) const = 0;  // 9
    virtual Result GetParameterName(ParameterId id, AAX_IString* name) const = 0;        // 10
    // The longest line of the name that fits in `length` characters.
    virtual Result GetParameterNameOfLength(ParameterId id, AAX_IString* name,
                                            int32_t length) const = 0;  // 11
    virtual Result GetParameterDefaultNormalizedValue(ParameterId id,
                                                      double* value) const = 0;           // 12
    virtual Result SetParameterDefaultNormalizedValue(ParameterId id, double value) = 0;  // 13
    // 0 discrete, 1 continuous.
    virtual Result GetParameterType(ParameterId id, int32_t* type) const = 0;  // 14
    virtual Result GetParameterOrientation(ParameterId id,
                                           int32_t* orientation) const = 0;  // 15
    // The parameter object itself, owned by the effect.
    virtual Result GetParameter(ParameterId id, AAX_IParameter** parameter) = 0;       // 16
    virtual Result GetParameterIndex(ParameterId id, int32_t* index) const = 0;        // 17
    virtual Result GetParameterIDFromIndex(int32_t index, AAX_IString* id) const = 0;  // 18
    virtual Result GetParameterValueInfo(ParameterId id, int32_t selector,
                                         int32_t* value) const = 0;  // 19
    // The normalized value that `text` names.
    virtual Result GetParameterValueFromString(ParameterId id, double* value,
                                               const AAX_IString& text) const = 0;  // 20
    // The text of normalized `value`, cut to `maxLength` characters.
    virtual Result GetParameterStringFromValue(ParameterId id, double value, AAX_IString* text,
                                               int32_t maxLength) const = 0;  // 21
    // The text of the current value.
    virtual Result GetParameterValueString(ParameterId id, AAX_IString* text,
                                           int32_t maxLength) const = 0;                  // 22
    virtual Result GetParameterNormalizedValue(ParameterId id, double* value) const = 0;  // 23
    // Asks the host to set the value; the host answers with UpdateParameterNormalizedValue.
    virtual Result SetParameterNormalizedValue(ParameterId id, double value) = 0;    // 24
    virtual Result SetParameterNormalizedRelative(ParameterId id, double step) = 0;  // 25
    virtual Result TouchParameter(ParameterId id) = 0;                               // 26
    virtual Result ReleaseParameter(ParameterId id) = 0;                             // 27
    virtual Result UpdateParameterTouch(ParameterId id, bool touched) = 0;           // 28
    // The host's answer to a set request, or a change the host makes itself.
    virtual Result UpdateParameterNormalizedValue(ParameterId id, double value,
                                                  int32_t source) = 0;                  // 29
    virtual Result UpdateParameterNormalizedRelative(ParameterId id, double step) = 0;  // 30
    // Posts the packets of changed parameters to the algorithm context.
    virtual Result GenerateCoefficients() = 0;  // 31
    virtual Result ResetFieldData(uint32_t fieldIndex, void* data,
                                  uint32_t size) const = 0;                          // 32
    virtual Result GetNumberOfChunks(int32_t* count) const = 0;                      // 33
    virtual Result GetChunkIDFromIndex(int32_t index, TypeCode* chunkID) const = 0;  // 34
    // Saving: the size first, then the chunk into a record with room for that size.
    virtual Result GetChunkSize(TypeCode chunkID, uint32_t* size) = 0;                    // 35
    virtual Result GetChunk(TypeCode chunkID, AAX_SPlugInChunk* chunk) = 0;               // 36
    virtual Result SetChunk(TypeCode chunkID, const AAX_SPlugInChunk* chunk) = 0;         // 37
    virtual Result CompareActiveChunk(const AAX_SPlugInChunk* chunk, bool* isEqual) = 0;  // 38
    virtual Result GetNumberOfChanges(int32_t* changes) const = 0;                        // 39
    virtual Result TimerWakeup() = 0;                                                     // 40
    virtual Result GetCurveData(TypeCode curveType, const float* values, uint32_t numValues,
                                float* curveValues) const = 0;  // 41
    // Writes at most `size` bytes of block `blockID` to `data` and their count to `written`.
    virtual Result GetCustomData(TypeCode blockID, uint32_t size, void* data,
                                 uint32_t* written) const = 0;  // 42
    virtual Result SetCustomData(TypeCode blockID, uint32_t size,
                                 const void* data) = 0;  // 43

  protected:
    ~AAX_IACFEffectParameters() = default;
};

// Version 2 adds the MIDI and hybrid-processing operations.
class AAX_IACFEffectParameters_V2 : public AAX_IACFEffectParameters {
  public:
    virtual Result DoMIDITransfers() = 0;  // 44
    // `renderInfo` is the host's record of one hybrid block.
    virtual Result RenderAudio_Hybrid(void* renderInfo) = 0;                      // 45
    virtual Result UpdateMIDINodes(uint32_t fieldIndex, MidiPacket& packet) = 0;  // 46
    virtual Result UpdateControlMIDINodes(TypeCode nodeID,
                                          MidiPacket& packet) = 0;  // 47

  protected:
    ~AAX_IACFEffectParameters_V2() = default;
};

inline constexpr InterfaceId IID_AAX_IACFEffectParameters =
    MakeUID("964E333D-334C-533F-C2C7-3834C3C23E3E");
inline constexpr InterfaceId IID_AAX_IACFEffectParameters_V2 =
    MakeUID("F1F47D06-308F-4CC5-9C7C-50A83F8AB813");
