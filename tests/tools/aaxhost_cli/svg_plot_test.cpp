// The SVG plot of a render: waveforms and automation curves in one document, of bounded size
// however long the signal.
#include "tools/aaxhost/cli/svg_plot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "tests/tools/aaxhost_cli/temp_files.h"

namespace {

using aaxhost::PlotData;

std::string Plot(const PlotData& data) {
    std::ostringstream out;
    aaxhost::WritePlot(out, data);
    return out.str();
}

// The coordinate pairs of each element with a points attribute of the given tag, in order.
std::vector<std::vector<std::pair<double, double>>> PointsOf(const std::string& svg,
                                                             const std::string& tag) {
    std::vector<std::vector<std::pair<double, double>>> shapes;
    const std::string attribute = " points=\"";
    for (size_t at = svg.find("<" + tag + " "); at != std::string::npos;
         at = svg.find("<" + tag + " ", at + 1)) {
        const size_t first = svg.find(attribute, at) + attribute.size();
        std::istringstream points(svg.substr(first, svg.find('"', first) - first));
        shapes.emplace_back();
        double x = 0.0;
        double y = 0.0;
        char comma = 0;
        while (points >> x >> comma >> y) shapes.back().emplace_back(x, y);
    }
    return shapes;
}

size_t Count(const std::string& text, const std::string& what) {
    size_t count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++count;
    }
    return count;
}

TEST(SvgPlot, IsOneDocumentWithBothWaveformsAndAnEscapedTitle) {
    PlotData data;
    data.title = "in.wav -> out.wav <demo & co>";
    data.input = std::vector<float>(1000, 0.5f);
    data.output = std::vector<float>(1000, -0.25f);
    const std::string svg = Plot(data);
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    EXPECT_EQ(Count(svg, "<svg "), 1u);
    EXPECT_EQ(Count(svg, "</svg>"), 1u);
    EXPECT_NE(svg.find("in.wav -&gt; out.wav &lt;demo &amp; co&gt;"), std::string::npos);
    const auto waves = PointsOf(svg, "polygon");
    ASSERT_EQ(waves.size(), 2u);
    // A constant signal is a flat band: every point of the input at +0.5, of the output at -0.25.
    const auto heights = [](const std::vector<std::pair<double, double>>& shape) {
        std::vector<double> ys;
        for (const auto& point : shape) ys.push_back(point.second);
        return ys;
    };
    const std::vector<double> in = heights(waves[0]);
    const std::vector<double> out = heights(waves[1]);
    EXPECT_EQ(*std::min_element(in.begin(), in.end()), *std::max_element(in.begin(), in.end()));
    EXPECT_EQ(*std::min_element(out.begin(), out.end()), *std::max_element(out.begin(), out.end()));
    // Both panels are 160 units high: +0.5 lies 40 above the input's middle, -0.25 lies 20 below
    // the output's middle, and the panels' middles are 200 apart.
    EXPECT_NEAR(out[0] - in[0], 200.0 + 20.0 + 40.0, 0.11);
}

TEST(SvgPlot, LongSignalsAndManyPointsStayWithinTheBound) {
    PlotData data;
    data.input.resize(3'000'000);
    for (size_t i = 0; i < data.input.size(); ++i) {
        data.input[i] = static_cast<float>(std::sin(0.001 * static_cast<double>(i)));
    }
    data.output = data.input;
    for (int i = 0; i < 100'000; ++i) {
        data.automation.push_back({i * 0.0006, "output_gain", (i % 10) / 10.0, i + 1});
    }
    const std::string svg = Plot(data);
    for (const auto& wave : PointsOf(svg, "polygon")) {
        EXPECT_LE(wave.size(), 2u * aaxhost::kPlotColumns);
    }
    const auto curves = PointsOf(svg, "polyline");
    ASSERT_EQ(curves.size(), 1u);
    EXPECT_LE(curves[0].size(), 2u * aaxhost::kPlotColumns + 2);
    EXPECT_LT(svg.size(), 200'000u);
}

TEST(SvgPlot, EachParameterIsOneStepCurveNamedInTheLegend) {
    PlotData data;
    data.sampleRate = 1000.0;
    data.input.resize(4000);  // four seconds
    data.output.resize(4000);
    data.automation = {{0.0, "output_gain", 0.5, 1},
                       {0.0, "tremolo_depth", 1.0, 2},
                       {2.0, "output_gain", 0.25, 3}};
    const std::string svg = Plot(data);
    EXPECT_NE(svg.find(">output_gain</text>"), std::string::npos);
    EXPECT_NE(svg.find(">tremolo_depth</text>"), std::string::npos);
    const auto curves = PointsOf(svg, "polyline");
    ASSERT_EQ(curves.size(), 2u);
    // output_gain: 0.5 from the start, a step down half-way, 0.25 to the end.
    const auto& gain = curves[0];
    ASSERT_EQ(gain.size(), 4u);
    EXPECT_EQ(gain[1].first, gain[2].first) << "the step is vertical";
    EXPECT_EQ(gain[0].second, gain[1].second);
    EXPECT_EQ(gain[2].second, gain[3].second);
    EXPECT_LT(gain[1].second, gain[2].second) << "0.25 lies lower";
    EXPECT_NEAR((gain[1].first - gain[0].first) / (gain[3].first - gain[0].first), 0.5, 0.01);
    EXPECT_EQ(curves[1].size(), 2u) << "one point, drawn to the end";
}

TEST(SvgPlot, PanelLabelsFitLeftOfTheirPanels) {
    PlotData data;
    data.input = std::vector<float>(100, 0.0f);
    data.output = data.input;
    data.automation = {{0.0, "tremolo_depth", 0.5, 1}};
    const std::string svg = Plot(data);
    // A right-aligned label of 12-unit sans-serif text needs about 0.65 of the font size for
    // each character to its left.
    const std::string end = "\" text-anchor=\"end\">";
    size_t labels = 0;
    for (size_t at = svg.find(end); at != std::string::npos; at = svg.find(end, at + 1)) {
        const size_t x = svg.rfind("<text x=\"", at) + 9;
        const double right = std::stod(svg.substr(x, svg.find('"', x) - x));
        const size_t first = at + end.size();
        const std::string label = svg.substr(first, svg.find('<', first) - first);
        EXPECT_GE(right - 0.65 * 12.0 * static_cast<double>(label.size()), 0.0) << label;
        ++labels;
    }
    EXPECT_EQ(labels, 3u);
}

TEST(SvgPlot, FileThatCannotBeWrittenIsReported) {
    TempFiles files;
    PlotData data;
    std::string error;
    EXPECT_TRUE(aaxhost::WritePlotFile(files.Path("plot.svg"), data, error)) << error;
    const std::string unwritable = files.Path("no-such-folder/plot.svg");
    EXPECT_FALSE(aaxhost::WritePlotFile(unwritable, data, error));
    EXPECT_EQ(error, unwritable + ": cannot be written");
}

}  // namespace
