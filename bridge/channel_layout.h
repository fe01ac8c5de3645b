// The channel arrays that processReplacing receives, prepared when the plug-in is attached so
// that a block allocates nothing. The arrays always hold the plug-in's numInputs and numOutputs
// entries, whatever the host's instance has:
//   - plug-in inputs the host does not have read a silent buffer;
//   - plug-in outputs the host does not have write to scratch buffers that nobody reads;
//   - a one-output plug-in fills every host output with its one channel;
//   - host outputs the plug-in has no output for are silenced.
// Silence and scratch buffers hold kMaxFrames frames: no host announces its largest block, so a
// longer block that needs them reaches the plug-in in slices of at most kMaxFrames
// (SliceLimit), each arranged at its offset into the host's buffers.
#pragma once

#include <cstdint>
#include <limits>
#include <memory>

class ChannelLayout {
  public:
    static constexpr int32_t kMaxFrames = 8192;
    // A plug-in that declares more channels than this (or fewer than none) is never rendered.
    static constexpr int32_t kMaxChannels = 64;

    // Allocates the arrays and buffers for a plug-in of these counts. [main-thread]
    void Prepare(int32_t pluginInputs, int32_t pluginOutputs);

    // The most frames one processReplacing call may take on these host channels: any number
    // when the plug-in's channels are all the host's, kMaxFrames when buffers stand in for some.
    // [render-thread]
    int32_t SliceLimit(int32_t hostInputCount, int32_t hostOutputCount) const {
        return hostInputCount >= pluginInputs_ && hostOutputCount >= pluginOutputs_
                   ? std::numeric_limits<int32_t>::max()
                   : kMaxFrames;
    }

    // Fills the arrays for the `frames` frames of the host's channels that start `offset` frames
    // into its buffers. False when they must not reach the plug-in: no usable layout, or more
    // frames than SliceLimit. [render-thread]
    bool Arrange(float* const* hostInputs, int32_t hostInputCount, float* const* hostOutputs,
                 int32_t hostOutputCount, int32_t offset, int32_t frames) {
        // The usual block, with every channel the plug-in has coming from the host, is kept
        // short: it runs between the blocks of every instance.
        if (pluginInputs_ < 0 || frames < 0 || hostInputCount < pluginInputs_ ||
            hostOutputCount < pluginOutputs_) {
            return ArrangeWithBuffers(hostInputs, hostInputCount, hostOutputs, hostOutputCount,
                                      offset, frames);
        }
        for (int32_t i = 0; i < pluginInputs_; ++i) inputs_[i] = hostInputs[i] + offset;
        for (int32_t i = 0; i < pluginOutputs_; ++i) outputs_[i] = hostOutputs[i] + offset;
        return true;
    }
    float** Inputs() { return inputs_.get(); }
    float** Outputs() { return outputs_.get(); }

    // After the block's last processReplacing: the host outputs the plug-in did not write.
    // [render-thread]
    void CompleteOutputs(float* const* hostOutputs, int32_t hostOutputCount, int32_t frames) const {
        if (hostOutputCount > pluginOutputs_)
            FillExtraOutputs(hostOutputs, hostOutputCount, frames);
    }
    // Every host output silent, for a block the plug-in did not process. [render-thread]
    static void Silence(float* const* hostOutputs, int32_t hostOutputCount, int32_t frames);

  private:
    bool ArrangeWithBuffers(float* const* hostInputs, int32_t hostInputCount,
                            float* const* hostOutputs, int32_t hostOutputCount, int32_t offset,
                            int32_t frames);
    void FillExtraOutputs(float* const* hostOutputs, int32_t hostOutputCount, int32_t frames) const;

    int32_t pluginInputs_ = -1;
    int32_t pluginOutputs_ = -1;
    std::unique_ptr<float*[]> inputs_;
    std::unique_ptr<float*[]> outputs_;
    std::unique_ptr<float[]> silence_;
    std::unique_ptr<float[]> scratch_;  // kMaxFrames for each plug-in output
};
