// The values that an effect description hands the host: algorithm context field indices, property
// identifiers and values, stem formats, and the procedures that the host calls later.
#pragma once

#include <cstdint>

class IACFUnknown;

// The index of a field of the algorithm context (abi/algorithm_context.h).
using FieldIndex = uint32_t;

using PropertyId = int32_t;
using PropertyValue = int32_t;

// Properties that a component declares in its property map. The host gives them their meaning;
// property 60 is always given the value 1.
enum : PropertyId {
    kPropertyManufacturerID = 11,
    kPropertyProductID = 12,
    kPropertyPlugInIDNative = 13,
    kPropertyPlugInIDAudioSuite = 14,
    kPropertyInputStemFormat = 51,
    kPropertyOutputStemFormat = 52,
    kPropertyFixedOne = 60,
};

// Channel layouts: the low 16 bits hold the channel count.
using StemFormat = int32_t;
constexpr StemFormat kStemFormatMono = 0x00000001;
constexpr StemFormat kStemFormatStereo = 0x00010002;

constexpr int32_t StemChannelCount(StemFormat format) {
    return format & 0xFFFF;
}

// A MIDI node's channel mask has one bit per channel.
constexpr uint32_t kAllMidiChannels = 0xFFFF;

// A creation procedure: creates one object with a reference count of 0 and returns its first
// base, or null when its memory cannot be had. The host takes its references through the
// object's interfaces. Non-real-time threads.
using CreationProc = IACFUnknown* (*)();

// What each creation procedure creates, by proc ID.
enum : uint32_t {
    kProcIDEffectParameters = 0,
    kProcIDEffectGUI = 1,
};

// Further procedures that a component may register beside its process procedure; the module
// registers none. An instance procedure runs when the host creates or destroys an instance's
// context, a background procedure when the host is idle.
using InstanceInitProc = int32_t (*)(const void* instanceContext, int32_t action);
using BackgroundProc = int32_t (*)();
