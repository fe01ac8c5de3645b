#include "fuzz/host_sequence/plugin_script.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <limits>

namespace {

// Most scripts announce a few parameters, which keeps a run cheap; a few announce up to 2,000.
int32_t ParameterCount(ByteReader& in) {
    const uint8_t pick = in.Byte();
    if (pick < 248) return pick % 20;
    static constexpr int32_t kLarge[] = {64, 200, 500, 1000, 1999, 2000, 0, 17};
    return kLarge[pick - 248];
}

// The plug-in is told the identifier buffer's size (32 bytes), so a written identifier holds at
// most 31 characters and its terminator; one that fills the buffer unterminated comes from
// fillsTextBuffers.
void ReadIdentifier(ByteReader& in, char (&identifier)[testplugin::kTextSize], int32_t index) {
    switch (in.Byte() % 4) {
        case 0:
            identifier[0] = '\0';
            break;
        case 1:
            std::strcpy(identifier, "same");
            break;
        case 2:
            std::memset(identifier, 'i', 31);
            identifier[31] = '\0';
            break;
        default:
            std::snprintf(identifier, sizeof identifier, "p%d", index);
            break;
    }
}

float ReadFloat(ByteReader& in) {
    const uint8_t pick = in.Byte();
    if (pick < 220) return static_cast<float>(pick) / 219.0f;
    static constexpr float kOdd[] = {std::numeric_limits<float>::quiet_NaN(),
                                     std::numeric_limits<float>::infinity(),
                                     -std::numeric_limits<float>::infinity(),
                                     -1.0f,
                                     2.0f,
                                     1e30f,
                                     -0.0f};
    return kOdd[pick % 7];
}

void ReadParameter(ByteReader& in, testplugin::Parameter& parameter, int32_t index) {
    const uint8_t flags = in.Byte();
    parameter.automatable = (flags & 1) != 0 || (flags & 0x80) != 0 ? 1 : 0;
    parameter.value = ReadFloat(in);
    std::snprintf(parameter.name, sizeof parameter.name, "N%d", index);
    ReadIdentifier(in, parameter.identifier, index);
    parameter.hasProperties = (flags & 2) != 0 ? 1 : 0;
    if (parameter.hasProperties != 0) {
        VstParameterProperties& properties = parameter.properties;
        properties.flags = in.Signed();
        properties.stepFloat = ReadFloat(in);
        properties.smallStepFloat = ReadFloat(in);
        properties.largeStepFloat = ReadFloat(in);
        properties.minInteger = in.Signed();
        properties.maxInteger = in.Signed();
        properties.stepInteger = in.Signed();
        properties.largeStepInteger = in.Signed();
    }
}

// Editor rectangles: ordinary, inverted, empty or huge.
ERect ReadRect(ByteReader& in) {
    switch (in.Byte() % 5) {
        case 0:
            return ERect{0, 0, 300, 400};
        case 1:
            return ERect{400, 300, 0, 0};
        case 2:
            return ERect{0, 0, 0, 0};
        case 3:
            return ERect{-32768, -32768, 32767, 32767};
        default: {
            ERect rect{};
            in.Take(&rect, sizeof rect);
            return rect;
        }
    }
}

// Chunk sizes: small ones with bytes from the input, 0, negative, or huge with no data.
void ReadChunk(ByteReader& in, testplugin::Script& script) {
    const uint8_t pick = in.Byte();
    script.chunkDataNull = (pick & 0x80) != 0 ? 1 : 0;
    switch (pick % 5) {
        case 0:
            script.chunkSize = 0;
            break;
        case 1:
            script.chunkSize = -static_cast<int32_t>(in.Byte()) - 1;
            break;
        case 2:
            script.chunkSize = script.chunkDataNull != 0 ? 0x7FFFFFFF : 1 << 16;
            break;
        default:
            script.chunkSize = static_cast<int32_t>(in.Take(script.chunk, in.Byte()));
            break;
    }
    const bool small = script.chunkSize <= testplugin::kMaxChunkSize;
    script.chunkGrowth = small && (pick & 0x40) != 0 ? in.Byte() % 32 : 0;
}

// Host calls the plug-in may make at any moment, with any index.
void ReadReports(ByteReader& in, testplugin::Script& script) {
    static constexpr int32_t kOpcodes[] = {
        audioMasterAutomate,   audioMasterBeginEdit, audioMasterEndEdit, audioMasterUpdateDisplay,
        audioMasterSizeWindow, audioMasterGetTime,   audioMasterIdle,    audioMasterIOChanged};
    script.reportPlaces = in.Byte() & 0x0F;
    script.reportOpcode = kOpcodes[in.Byte() % 8];
    const uint8_t index = in.Byte();
    script.reportIndex = index < 240 ? index % 24 - 1 : (index == 255 ? 10000 : -100000);
    script.reportValue = ReadFloat(in);
    script.reportsInProcess = in.Byte() % 3;
    script.reportsSpread = in.Byte() % 4;
    script.reportStep = 0.25;
    script.bareReports = in.Flag() ? 1 : 0;
    script.echoesSetParameter = in.Byte() % 3;
}

}  // namespace

testplugin::Script ReadPluginScript(ByteReader& in) {
    testplugin::Script script = testplugin::DefaultScript();
    script.recording = 0;
    script.numParams = ParameterCount(in);
    const int32_t scripted = std::min(script.numParams, testplugin::kMaxParameters);
    for (int32_t i = 0; i < scripted; ++i) ReadParameter(in, script.parameters[i], i);

    const uint8_t flags = in.Byte();
    script.asksTimeInProcess = (flags & 1) != 0 ? 1 : 0;
    script.fillsTextBuffers = (flags & 2) != 0 ? 1 : 0;
    script.editorRectNull = (flags & 4) != 0 ? 1 : 0;
    script.automatableOnlyWhenOpen = (flags & 8) != 0 ? 1 : 0;
    script.withoutChunks = (flags & 16) != 0 ? 1 : 0;
    script.openFails = (flags & 64) != 0 && (in.Byte() & 7) == 0 ? 1 : 0;
    script.chunkHoldsValues = (flags & 128) != 0 ? 1 : 0;

    const uint8_t more = in.Byte();
    script.mainReturnsNull = (more & 1) != 0 && (in.Byte() & 7) == 0 ? 1 : 0;
    script.processReplacingNull = (more & 2) != 0 && (in.Byte() & 7) == 0 ? 1 : 0;
    script.snapSteps = (more & 4) != 0 ? in.Byte() % 5 : 0;
    script.overridesGetParameter = (more & 8) != 0 ? 1 : 0;
    script.getParameterValue = ReadFloat(in);
    script.changesNumParamsOnOpen = (more & 16) != 0 ? 1 : 0;
    script.numParamsAfterOpen = ParameterCount(in);
    // A plug-in that calls its host back from every call costs the square of its parameters
    // (each answer asks for every identifier); the common path keeps that cheap.
    const bool few = script.numParams <= 4 &&
                     (script.changesNumParamsOnOpen == 0 || script.numParamsAfterOpen <= 4);
    script.reentrantHostCalls = (flags & 32) != 0 && few ? 1 : 0;
    script.overridesIndexFromIdentifier = (more & 32) != 0 ? 1 : 0;
    script.indexFromIdentifier = static_cast<int8_t>(in.Byte()) * 100;
    script.privateAnswer = (more & 64) != 0 ? in.Signed() : 0;
    static constexpr int32_t kChannels[] = {2, 1, 0, 8};
    script.numInputs = (more & 128) != 0 ? kChannels[in.Byte() % 4] : 2;
    script.numOutputs = (more & 128) != 0 ? kChannels[in.Byte() % 4] : 2;

    script.editorRect = ReadRect(in);
    ReadChunk(in, script);
    ReadReports(in, script);
    return script;
}
