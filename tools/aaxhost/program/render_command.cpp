// aaxhost render: an audio file through an instance, block by block on the render thread, with
// automation, MIDI and a playing transport prepared by the host thread between blocks.
#include <algorithm>
#include <set>

#include "tools/aaxhost/cli/audio_file.h"
#include "tools/aaxhost/cli/progress_bar.h"
#include "tools/aaxhost/cli/render_summary.h"
#include "tools/aaxhost/cli/svg_plot.h"
#include "tools/aaxhost/program/block_events.h"
#include "tools/aaxhost/program/program.h"
#include "tools/aaxhost/program/render_thread.h"

namespace aaxhost {
namespace {

struct RenderInputs {
    AudioData audio;
    std::vector<AutomationPoint> automation;
    std::vector<MidiMessageAt> midi;
};

bool LoadInputs(const RenderOptions& options, RenderInputs& inputs, std::ostream& err) {
    std::string error;
    if (!ReadAudioFile(options.input, inputs.audio, error)) {
        err << "aaxhost: " << error << '\n';
        return false;
    }
    const size_t channels = inputs.audio.channels.size();
    if (channels != 1 && channels != 2) {
        err << "aaxhost: " << options.input << ": has " << channels
            << " channels; the effect takes 1 (mono) or 2 (stereo)\n";
        return false;
    }
    if (!options.automationFile.empty()) {
        AutomationResult loaded = LoadAutomationFile(options.automationFile);
        if (const auto* problem = std::get_if<TextFileError>(&loaded)) {
            err << "aaxhost: " << problem->Describe(options.automationFile) << '\n';
            return false;
        }
        inputs.automation = std::get<std::vector<AutomationPoint>>(std::move(loaded));
    }
    if (!options.midiFile.empty()) {
        MidiResult loaded = LoadMidiFile(options.midiFile);
        if (const auto* problem = std::get_if<TextFileError>(&loaded)) {
            err << "aaxhost: " << problem->Describe(options.midiFile) << '\n';
            return false;
        }
        inputs.midi = std::get<std::vector<MidiMessageAt>>(std::move(loaded));
    }
    return true;
}

// Automation may name only parameters the instance has.
bool CheckAutomationIdentifiers(const RenderOptions& options, const RenderInputs& inputs,
                                const EffectInstance& instance, std::ostream& err) {
    const std::vector<std::string> known = instance.ParameterIdentifiers();
    const std::set<std::string> identifiers(known.begin(), known.end());
    for (const AutomationPoint& point : inputs.automation) {
        if (identifiers.count(point.identifier) == 0) {
            err << "aaxhost: "
                << TextFileError{point.line,
                                 "the effect has no parameter '" + point.identifier + "'"}
                       .Describe(options.automationFile)
                << '\n';
            return false;
        }
    }
    return true;
}

}  // namespace

int RenderCommand(const Options& options, std::ostream& out, std::ostream& err) {
    const RenderOptions& render = options.render;
    RenderInputs inputs;
    if (!LoadInputs(render, inputs, err)) return kExitFailure;
    const double rate = render.sampleRate.value_or(inputs.audio.sampleRate);
    const auto channels = static_cast<int32_t>(inputs.audio.channels.size());

    std::unique_ptr<ModuleSession> session = OpenModule(options.module, err);
    if (session == nullptr) return kExitFailure;
    EffectInstance instance(*session, ProgramInstance(channels, rate));
    if (!instance.Ready()) {
        err << "aaxhost: " << options.module << ": cannot instantiate a "
            << (channels == 2 ? "stereo" : "mono") << " effect: " << instance.Failure() << '\n';
        return kExitFailure;
    }
    if (!CheckAutomationIdentifiers(render, inputs, instance, err)) return kExitFailure;

    TransportState& transport = instance.Transport().state;
    transport.playing = true;
    transport.sampleRate = rate;
    if (render.tempo) transport.tempo = *render.tempo;

    const size_t frames = inputs.audio.Frames();
    const int32_t block = std::min(render.blockFrames, EffectInstance::kMaxFrames);
    AudioData output{rate, std::vector<std::vector<float>>(static_cast<size_t>(channels),
                                                           std::vector<float>(frames))};
    std::vector<std::vector<float>> inBlock(static_cast<size_t>(channels),
                                            std::vector<float>(static_cast<size_t>(block)));
    std::vector<std::vector<float>> outBlock = inBlock;
    std::vector<const float*> inPointers;
    std::vector<float*> outPointers;
    for (int32_t c = 0; c < channels; ++c) {
        inPointers.push_back(inBlock[static_cast<size_t>(c)].data());
        outPointers.push_back(outBlock[static_cast<size_t>(c)].data());
    }

    BlockEvents events(inputs.automation, inputs.midi, rate);
    std::vector<double> blockSeconds;
    ProgressBar progress = ProgressBar::ForStandardOutput();
    uint64_t allocations = 0;
    {
        RenderThread thread(instance);
        for (size_t first = 0; first < frames; first += static_cast<size_t>(block)) {
            const auto count =
                static_cast<int32_t>(std::min(frames - first, static_cast<size_t>(block)));
            const auto firstFrame = static_cast<int64_t>(first);
            const std::vector<AutomationPoint> due = events.AutomationDue(firstFrame);
            for (const AutomationPoint& point : due) {
                instance.Effect().SetParameterNormalizedValue(point.identifier.c_str(),
                                                              point.value);
            }
            instance.Service();
            const std::vector<MidiPacket> packets = events.MidiIn(firstFrame, count);
            instance.MidiInput().SetPackets(packets.data(), packets.size());
            for (size_t c = 0; c < inBlock.size(); ++c) {
                std::copy_n(inputs.audio.channels[c].begin() + static_cast<ptrdiff_t>(first), count,
                            inBlock[c].begin());
            }
            blockSeconds.push_back(
                thread.RenderBlock(inPointers.data(), outPointers.data(), count));
            for (size_t c = 0; c < outBlock.size(); ++c) {
                std::copy_n(outBlock[c].begin(), count,
                            output.channels[c].begin() + static_cast<ptrdiff_t>(first));
            }
            progress.Update(static_cast<double>(first + static_cast<size_t>(count)) /
                            static_cast<double>(frames));
        }
        instance.MidiInput().ClearPackets();
        allocations = thread.Allocations();
    }
    progress.Finish();

    std::string error;
    if (!WriteAudioFile(render.output, output, error)) {
        err << "aaxhost: " << error << '\n';
        return kExitFailure;
    }
    out << FormatSummary(MeasureLevels(inputs.audio.channels), MeasureLevels(output.channels),
                         SummarizeBlockTimes(blockSeconds, block, rate), block);
    out << "render thread allocations: " << allocations << '\n';
    out << "wrote " << render.output << '\n';
    if (!render.plotFile.empty()) {
        PlotData plot{options.module, rate, inputs.audio.channels.front(), output.channels.front(),
                      inputs.automation};
        if (!WritePlotFile(render.plotFile, plot, error)) {
            err << "aaxhost: " << error << '\n';
            return kExitFailure;
        }
        out << "wrote " << render.plotFile << '\n';
    }
    return 0;
}

}  // namespace aaxhost
