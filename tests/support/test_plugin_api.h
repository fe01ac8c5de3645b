// The records shared by the scriptable test plug-in and the tests that drive it: the script of
// answers the next instances give, and the record of each call an instance receives. Tests reach
// the plug-in's control functions by name in the same loaded library (TestPluginControl).
#pragma once

#include <cstdint>
#include <cstdio>

#include "abi/vst2.h"

namespace testplugin {

// Parameters scripted one by one. A script may announce more (numParams has no limit): those past
// kMaxParameters are generated, automatable, named "Param<index>" with identifier "param<index>",
// and read 0.
inline constexpr int32_t kMaxParameters = 16;
// Chunk bytes kept in the script. A larger chunkSize makes the instance answer that many zero
// bytes of its own, and a larger set chunk is kept whole.
inline constexpr int32_t kMaxChunkSize = 256;
// How many calls the log keeps between resets; one more marks it overflowed, and the error then
// names what filled it. Far above what any test makes, as a slow run under Wine once overflowed
// 8,192 in a test that logs under a thousand.
inline constexpr int32_t kCallLogCapacity = 65536;
inline constexpr int32_t kTextSize = 64;
inline constexpr int32_t kRecordedChannels = 8;  // channel pointers kept per processReplacing

struct Parameter {
    int32_t automatable;
    float value;
    char name[kTextSize];
    char identifier[kTextSize];  // the answer to effGetParamIdentifier (-14)
    int32_t hasProperties;
    VstParameterProperties properties;
};

enum class Dsp : int32_t {
    kCopy,    // each output channel that has a matching input gets a copy of it, and every other
              // output its channel number plus one
    kBiquad,  // a low-pass biquad per channel, for measuring
};

// What instances created from now on answer. Each instance keeps the script it was made with.
struct Script {
    int32_t mainReturnsNull;
    int32_t uniqueID;
    int32_t numParams;
    Parameter parameters[kMaxParameters];
    int32_t chunkSize;
    unsigned char chunk[kMaxChunkSize];
    ERect editorRect;
    Dsp dsp;
    int32_t recording;          // 0: calls are not recorded
    int32_t asksTimeInProcess;  // processReplacing asks the host for the time first
    // Hostile answers.
    int32_t chunkDataNull;            // effGetChunk announces chunkSize bytes but gives no data
    int32_t chunkGrowth;              // each effGetChunk answers this many bytes more than the last
    int32_t fillsTextBuffers;         // identifiers and names fill their buffers, unterminated
    int32_t editorRectNull;           // effEditGetRect answers 1 without a rectangle
    int32_t automatableOnlyWhenOpen;  // effCanBeAutomated answers 0 until effOpen arrived
    int32_t withoutChunks;            // the effect's flags lack effFlagsProgramChunks
    int32_t numInputs;
    int32_t numOutputs;
    // Inside every dispatcher call, before answering, the plug-in calls the host back: asks the
    // time and the sample rate, automates its parameter 0 and asks for a display update (not
    // again from within those calls).
    int32_t reentrantHostCalls;
    int32_t openFails;             // effOpen answers 0; the instance then answers nothing more
    int32_t processReplacingNull;  // the effect record has no processReplacing
    // effSetChunk also takes the chunk's leading native floats as the values of the scripted
    // parameters, in index order, as many as the chunk holds.
    int32_t chunkHoldsValues;
    // processReplacing first reports this many edits to the host (of parameter 0, or spread as
    // reportsSpread says), each as begin edit, automate, end edit (only the automate with
    // bareReports), with the values kReportStep, 2 * kReportStep, ... (or reportStep) counted
    // over the instance's blocks.
    int32_t reportsInProcess;
    int32_t bareReports;
    double reportStep;  // the step of those values; 0 for kReportStep
    // The edits reported from processReplacing go to parameters 0 to reportsSpread - 1 in turn
    // (0 or 1: parameter 0 only).
    int32_t reportsSpread;
    // setParameter snaps the value to this many evenly spaced steps (from 2 on) before taking it.
    int32_t snapSteps;
    // setParameter reports the value it took to the host as a bare automate: 1 from inside
    // setParameter, 2 from the start of the next processReplacing (the last one taken).
    int32_t echoesSetParameter;
    // getParameter answers getParameterValue for every index (NaN and values outside 0 to 1
    // included).
    int32_t overridesGetParameter;
    float getParameterValue;
    // effOpen sets the effect record's numParams to numParamsAfterOpen.
    int32_t changesNumParamsOnOpen;
    int32_t numParamsAfterOpen;
    // effPrivateRedraw, effPrivatePrepareEditor and effSetBypassParamIdentifier answer this.
    int32_t privateAnswer;
    // effGetParamIndexFromIdentifier answers indexFromIdentifier whatever the identifier.
    int32_t overridesIndexFromIdentifier;
    int32_t indexFromIdentifier;
    // Inside each call that reportPlaces names (the ReportPlace bits), before answering, the
    // plug-in calls the host once with reportOpcode, reportIndex and reportValue (not again from
    // within that call).
    int32_t reportPlaces;
    int32_t reportOpcode;
    int32_t reportIndex;
    float reportValue;
};

enum ReportPlace : int32_t {
    kReportInSetParameter = 1,
    kReportInProcess = 2,
    kReportInSetChunk = 4,
    kReportInEditIdle = 8,
};

inline constexpr double kReportStep = 1.0 / 8192.0;

// Bytes that a text-filling plug-in writes: the identifier buffer's size as the host passed it
// in `value` (or this many when it passed none), and for a name this many.
inline constexpr int32_t kFilledIdentifierSize = 256;
inline constexpr int32_t kFilledNameSize = 128;

// processReplacing is recorded once its own time request has been answered, so calls nested in
// that request (an all-notes-off) come before it.
enum class CallKind : int32_t { kDispatcher, kSetParameter, kGetParameter, kProcessReplacing };

struct Call {
    CallKind kind;
    const AEffect* effect;
    uint32_t thread;  // platform::CurrentThreadId(), the same in every module
    int32_t opcode;
    int32_t index;
    intptr_t value;
    const void* ptr;
    float opt;             // dispatcher's opt, or the value given to setParameter
    char text[kTextSize];  // the string at ptr, for opcodes that pass one
    int32_t numEvents;     // effProcessEvents: the count and the first event
    VstMidiEvent event;
    ERect rect;  // effPrivateRedraw: the rectangle, when one is given
    // processReplacing: the first kRecordedChannels entries of each array that the plug-in has.
    const float* inputs[kRecordedChannels];
    const float* outputs[kRecordedChannels];
    int32_t frames;
    int32_t sawTime;  // processReplacing: the time answer, when it asked for one
    VstTimeInfo time;
};

// Makes the first `count` scripted parameters automatable at 0.5, named as generated ones are.
inline void NameLikeGenerated(Script& script, int32_t count) {
    for (int32_t i = 0; i < count && i < kMaxParameters; ++i) {
        Parameter& parameter = script.parameters[i];
        parameter.automatable = 1;
        parameter.value = 0.5f;
        std::snprintf(parameter.name, sizeof parameter.name, "Param%d", i);
        std::snprintf(parameter.identifier, sizeof parameter.identifier, "param%d", i);
    }
}

inline Script DefaultScript() {
    Script script{};
    script.uniqueID = 0x56513331;  // 'VQ31'
    script.editorRect = ERect{0, 0, 300, 400};
    script.dsp = Dsp::kCopy;
    script.recording = 1;
    script.numInputs = 2;
    script.numOutputs = 2;
    return script;
}

// Names and signatures of the exported control functions.
inline constexpr const char* kSetScript = "TestPlugin_SetScript";
inline constexpr const char* kResetLog = "TestPlugin_ResetLog";
inline constexpr const char* kReadLog = "TestPlugin_ReadLog";
inline constexpr const char* kMainCalls = "TestPlugin_MainCalls";
inline constexpr const char* kCallHost = "TestPlugin_CallHost";
inline constexpr const char* kCallsAfterClose = "TestPlugin_CallsAfterClose";
inline constexpr const char* kForgetClosed = "TestPlugin_ForgetClosed";
inline constexpr const char* kLastEffect = "TestPlugin_LastEffect";

using SetScriptProc = void (*)(const Script* script);
// Forgets every recorded call.
using ResetLogProc = void (*)();
// Copies up to `capacity` calls in the order they arrived; returns how many were recorded, or
// -1 when more arrived than the log holds.
using ReadLogProc = int32_t (*)(Call* calls, int32_t capacity);
// How often "main" has been called since the library was loaded.
using MainCallsProc = int32_t (*)();
// Calls the host callback that the last "main" received, as the plug-in would.
using CallHostProc = intptr_t (*)(AEffect* effect, int32_t opcode, int32_t index, intptr_t value,
                                  void* ptr, float opt);
// How many calls instances received after their effClose, since the library was loaded.
using CallsAfterCloseProc = int32_t (*)();
// Frees the instances that effClose has closed; a later call to one is a use after free.
using ForgetClosedProc = void (*)();
// The effect record of the instance created last, or null.
using LastEffectProc = AEffect* (*)();

}  // namespace testplugin
