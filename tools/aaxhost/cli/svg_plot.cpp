#include "tools/aaxhost/cli/svg_plot.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <map>

#include "tools/aaxhost/cli/xml_text.h"

namespace aaxhost {
namespace {

constexpr double kLeft = 100.0;
constexpr double kWidth = 900.0;
constexpr double kWaveHeight = 160.0;
constexpr double kCurveHeight = 140.0;
constexpr double kGap = 40.0;
constexpr double kTop = 50.0;
constexpr const char* kColors[] = {"#d62728", "#2ca02c", "#9467bd", "#ff7f0e",
                                   "#17becf", "#8c564b", "#e377c2", "#7f7f7f"};

// Fixed-point text, the same in every locale.
std::string Number(double value, int decimals = 1) {
    char text[64];
    const auto result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    return std::string(text, result.ptr);
}

struct Panel {
    double top;
    double height;
    double X(double fraction) const { return kLeft + kWidth * fraction; }
};

void Frame(std::ostream& out, const Panel& panel, const std::string& label) {
    out << "<rect x=\"" << Number(kLeft) << "\" y=\"" << Number(panel.top) << "\" width=\""
        << Number(kWidth) << "\" height=\"" << Number(panel.height)
        << "\" fill=\"#fafafa\" stroke=\"#999\"/>\n";
    out << "<text x=\"" << Number(kLeft - 8) << "\" y=\"" << Number(panel.top + panel.height / 2)
        << "\" text-anchor=\"end\">" << XmlText(label) << "</text>\n";
}

// A waveform from -1 to 1 as the outline of its per-column minimum and maximum.
void Waveform(std::ostream& out, const Panel& panel, const std::vector<float>& samples,
              size_t totalFrames, const char* color) {
    const double middle = panel.top + panel.height / 2;
    out << "<line x1=\"" << Number(kLeft) << "\" y1=\"" << Number(middle) << "\" x2=\""
        << Number(kLeft + kWidth) << "\" y2=\"" << Number(middle) << "\" stroke=\"#ccc\"/>\n";
    if (samples.empty() || totalFrames == 0) return;
    const size_t columns = std::min<size_t>(kPlotColumns, totalFrames);
    const auto y = [&](float sample) {
        return middle - std::clamp(static_cast<double>(sample), -1.0, 1.0) * panel.height / 2;
    };
    std::vector<std::string> upper;
    std::vector<std::string> lower;
    for (size_t column = 0; column < columns; ++column) {
        const size_t first = column * totalFrames / columns;
        const size_t last = std::min((column + 1) * totalFrames / columns, samples.size());
        if (first >= last) break;
        const auto [low, high] =
            std::minmax_element(samples.begin() + first, samples.begin() + last);
        const std::string x = Number(panel.X((column + 0.5) / static_cast<double>(columns)));
        upper.push_back(x + "," + Number(y(*high)));
        lower.push_back(x + "," + Number(y(*low)));
    }
    out << "<polygon fill=\"" << color << "\" fill-opacity=\"0.6\" stroke=\"" << color
        << "\" stroke-width=\"0.5\" points=\"";
    for (const std::string& point : upper) out << point << ' ';
    for (auto point = lower.rbegin(); point != lower.rend(); ++point) out << *point << ' ';
    out << "\"/>\n";
}

// The value each column ends with, for the columns where the parameter has points.
std::vector<std::pair<size_t, double>> ColumnValues(
    const std::vector<const AutomationPoint*>& points, double seconds) {
    std::vector<std::pair<size_t, double>> columns;
    for (const AutomationPoint* point : points) {
        const double fraction = seconds > 0.0 ? std::min(point->seconds / seconds, 1.0) : 0.0;
        const auto column = static_cast<size_t>(fraction * (kPlotColumns - 1) + 0.5);
        if (!columns.empty() && columns.back().first == column) {
            columns.back().second = point->value;
        } else {
            columns.emplace_back(column, point->value);
        }
    }
    return columns;
}

// One step curve a parameter, from its first point to the end of the time axis, and its name
// in the parameter's colour.
void Curves(std::ostream& out, const Panel& panel, const std::vector<AutomationPoint>& points,
            double seconds) {
    Frame(out, panel, "automation");
    std::vector<std::string> order;
    std::map<std::string, std::vector<const AutomationPoint*>> byParameter;
    for (const AutomationPoint& point : points) {
        auto& list = byParameter[point.identifier];
        if (list.empty()) order.push_back(point.identifier);
        list.push_back(&point);
    }
    const auto x = [&](size_t column) {
        return Number(panel.X(static_cast<double>(column) / (kPlotColumns - 1)));
    };
    const auto y = [&](double value) { return Number(panel.top + panel.height * (1.0 - value)); };
    for (size_t i = 0; i < order.size(); ++i) {
        const char* color = kColors[i % std::size(kColors)];
        out << "<polyline fill=\"none\" stroke=\"" << color << "\" stroke-width=\"1.5\" points=\"";
        const std::vector<std::pair<size_t, double>> columns =
            ColumnValues(byParameter[order[i]], seconds);
        for (size_t c = 0; c < columns.size(); ++c) {
            if (c > 0) out << x(columns[c].first) << ',' << y(columns[c - 1].second) << ' ';
            out << x(columns[c].first) << ',' << y(columns[c].second) << ' ';
        }
        out << x(kPlotColumns - 1) << ',' << y(columns.back().second) << "\"/>\n";
        out << "<text x=\"" << Number(kLeft + kWidth + 8) << "\" y=\""
            << Number(panel.top + 14.0 * static_cast<double>(i + 1)) << "\" fill=\"" << color
            << "\">" << XmlText(order[i]) << "</text>\n";
    }
}

void TimeAxis(std::ostream& out, double y, double seconds) {
    for (int tick = 0; tick <= 4; ++tick) {
        const double fraction = tick / 4.0;
        out << "<text x=\"" << Number(kLeft + kWidth * fraction) << "\" y=\"" << Number(y)
            << "\" text-anchor=\"middle\">" << Number(seconds * fraction, 2) << " s</text>\n";
    }
}

}  // namespace

void WritePlot(std::ostream& out, const PlotData& data) {
    const size_t frames = std::max(data.input.size(), data.output.size());
    const double rate = data.sampleRate > 0.0 ? data.sampleRate : 1.0;
    const double seconds = static_cast<double>(frames) / rate;
    const Panel input{kTop, kWaveHeight};
    const Panel output{input.top + kWaveHeight + kGap, kWaveHeight};
    const Panel automation{output.top + kWaveHeight + kGap, kCurveHeight};
    const double height = automation.top + kCurveHeight + kGap;
    const double width = kLeft + kWidth + 160.0;

    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << Number(width, 0)
        << "\" height=\"" << Number(height, 0) << "\" viewBox=\"0 0 " << Number(width, 0) << ' '
        << Number(height, 0) << "\" font-family=\"sans-serif\" font-size=\"12\">\n";
    out << "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
    out << "<text x=\"" << Number(kLeft) << "\" y=\"28\" font-size=\"16\">" << XmlText(data.title)
        << "</text>\n";
    Frame(out, input, "input");
    Waveform(out, input, data.input, frames, "#1f77b4");
    Frame(out, output, "output");
    Waveform(out, output, data.output, frames, "#ff7f0e");
    Curves(out, automation, data.automation, seconds);
    TimeAxis(out, automation.top + kCurveHeight + 18.0, seconds);
    out << "</svg>\n";
}

bool WritePlotFile(const std::string& path, const PlotData& data, std::string& error) {
    std::ofstream file(path, std::ios::binary);
    if (file) WritePlot(file, data);
    file.close();
    if (!file) {
        error = path + ": cannot be written";
        return false;
    }
    return true;
}

}  // namespace aaxhost
