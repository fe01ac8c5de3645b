#include "bridge/channel_layout.h"

#include <algorithm>

void ChannelLayout::Prepare(int32_t pluginInputs, int32_t pluginOutputs) {
    if (pluginInputs < 0 || pluginInputs > kMaxChannels || pluginOutputs < 0 ||
        pluginOutputs > kMaxChannels) {
        pluginInputs_ = -1;
        pluginOutputs_ = -1;
        return;
    }
    pluginInputs_ = pluginInputs;
    pluginOutputs_ = pluginOutputs;
    // One entry at least, so that a plug-in without channels still gets valid arrays.
    inputs_ = std::make_unique<float*[]>(static_cast<size_t>(std::max(pluginInputs, 1)));
    outputs_ = std::make_unique<float*[]>(static_cast<size_t>(std::max(pluginOutputs, 1)));
    silence_ = std::make_unique<float[]>(kMaxFrames);
    scratch_ =
        std::make_unique<float[]>(static_cast<size_t>(std::max(pluginOutputs, 1)) * kMaxFrames);
}

bool ChannelLayout::ArrangeWithBuffers(float* const* hostInputs, int32_t hostInputCount,
                                       float* const* hostOutputs, int32_t hostOutputCount,
                                       int32_t offset, int32_t frames) {
    if (pluginInputs_ < 0 || frames < 0) return false;
    const int32_t directInputs = std::clamp(hostInputCount, 0, pluginInputs_);
    const int32_t directOutputs = std::clamp(hostOutputCount, 0, pluginOutputs_);
    const bool needsBuffers = directInputs < pluginInputs_ || directOutputs < pluginOutputs_;
    if (needsBuffers && frames > kMaxFrames) return false;

    for (int32_t i = 0; i < pluginInputs_; ++i) {
        inputs_[i] = i < directInputs ? hostInputs[i] + offset : silence_.get();
    }
    // A plug-in may have written into its inputs in the last block.
    if (directInputs < pluginInputs_) std::fill_n(silence_.get(), frames, 0.0f);
    for (int32_t i = 0; i < pluginOutputs_; ++i) {
        outputs_[i] = i < directOutputs ? hostOutputs[i] + offset : scratch_.get() + i * kMaxFrames;
    }
    return true;
}

void ChannelLayout::FillExtraOutputs(float* const* hostOutputs, int32_t hostOutputCount,
                                     int32_t frames) const {
    if (frames <= 0) return;
    for (int32_t i = std::max(pluginOutputs_, 0); i < hostOutputCount; ++i) {
        if (pluginOutputs_ == 1) {
            std::copy_n(hostOutputs[0], frames, hostOutputs[i]);
        } else {
            std::fill_n(hostOutputs[i], frames, 0.0f);
        }
    }
}

void ChannelLayout::Silence(float* const* hostOutputs, int32_t hostOutputCount, int32_t frames) {
    if (frames <= 0) return;
    for (int32_t i = 0; i < hostOutputCount; ++i) std::fill_n(hostOutputs[i], frames, 0.0f);
}
