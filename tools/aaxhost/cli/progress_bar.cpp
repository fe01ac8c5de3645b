#include "tools/aaxhost/cli/progress_bar.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <iostream>
#include <string>

#include "platform/platform.h"

namespace aaxhost {

ProgressBar::ProgressBar(std::ostream& out, bool enabled, int cells)
    : out_(&out), enabled_(enabled), cells_(std::max(cells, 1)) {}

ProgressBar ProgressBar::ForStandardOutput() {
    return ProgressBar(std::cout, platform::StandardOutputIsTerminal());
}

void ProgressBar::Update(double fraction) {
    if (!enabled_) return;
    const double done = std::isnan(fraction) ? 0.0 : std::clamp(fraction, 0.0, 1.0);
    const auto percent = static_cast<int>(done * 100.0);
    if (percent == shownPercent_) return;
    shownPercent_ = percent;
    const auto filled = static_cast<int>(done * cells_);
    *out_ << "\r[" << std::string(static_cast<size_t>(filled), '#')
          << std::string(static_cast<size_t>(cells_ - filled), '-') << "] " << std::setw(3)
          << percent << " %" << std::flush;
}

void ProgressBar::Finish() {
    if (!enabled_) return;
    Update(1.0);
    *out_ << '\n' << std::flush;
    enabled_ = false;
}

}  // namespace aaxhost
