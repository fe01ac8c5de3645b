// The fixed identity under which the module presents its one effect.
#pragma once

#include <cstdint>

#include "abi/four_char_code.h"

// Longest first: the effect's names and the package names.
inline constexpr const char* kProductNames[] = {"VQ 318", "VQ318", "VQ"};
inline constexpr char kManufacturerName[] = "Morvane";
constexpr uint32_t kPackageVersion = 1;

// The maker's domain reversed, then the product in lower case; the host stores sessions under it,
// so it never changes.
inline constexpr char kEffectIdentifier[] = "com.morvane.vq318";

constexpr uint32_t kManufacturerID = FourCharCode("Morv");
constexpr uint32_t kProductID = FourCharCode("Vq31");
// Plug-in type IDs of the mono and the stereo component, real-time and offline.
constexpr uint32_t kMonoNativeID = FourCharCode("mVQn");
constexpr uint32_t kStereoNativeID = FourCharCode("sVQn");
constexpr uint32_t kMonoAudioSuiteID = FourCharCode("mVQa");
constexpr uint32_t kStereoAudioSuiteID = FourCharCode("sVQa");
