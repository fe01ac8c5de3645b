// The picture of `aaxhost render --plot`: the input and output waveforms and the automation
// curves on one time axis, in one SVG file that the program writes itself. Long signals are
// drawn as one min/max bar a column, so the file stays small whatever the length.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tools/aaxhost/cli/automation_file.h"

namespace aaxhost {

inline constexpr int kPlotColumns = 800;

struct PlotData {
    std::string title;
    double sampleRate = 44100.0;
    std::vector<float> input;  // one channel of each; the longer sets the time axis
    std::vector<float> output;
    std::vector<AutomationPoint> automation;  // drawn as one step curve per identifier
};

// Writes the whole SVG document. Each waveform has at most 2 x kPlotColumns points and each
// curve at most 2 x kPlotColumns + 2.
void WritePlot(std::ostream& out, const PlotData& data);

// Writes the plot to the file at `path`; false with a message when it cannot be written.
bool WritePlotFile(const std::string& path, const PlotData& data, std::string& error);

}  // namespace aaxhost
