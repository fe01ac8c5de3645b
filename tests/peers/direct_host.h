// A plain VST 2.4 host for comparing the module with: loads a plug-in library, brings one
// instance up (effOpen, sample rate, effMainsChanged 1; it answers the sample-rate request and
// announces no block size) and renders with arrays of exactly the plug-in's channel counts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "abi/vst2.h"

class DirectHost {
  public:
    // Loads through "main", or "VSTPluginMain" when there is no "main"; effect() is null when
    // that fails.
    DirectHost(const std::string& library, float sampleRate);
    ~DirectHost();
    DirectHost(const DirectHost&) = delete;
    DirectHost& operator=(const DirectHost&) = delete;

    AEffect* effect() const { return effect_; }

    // One block: the given inputs first, silence for the plug-in's others; every output of the
    // plug-in comes back.
    std::vector<std::vector<float>> Render(const std::vector<std::vector<float>>& inputs,
                                           int32_t frames);

  private:
    AEffect* effect_ = nullptr;
};
