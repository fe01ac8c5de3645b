// The progress bar of `aaxhost render`, drawn in place on one terminal line. It draws only on a
// terminal: output to a file or a pipe stays free of it.
#pragma once

#include <ostream>

namespace aaxhost {

class ProgressBar {
  public:
    // Draws on `out` when `enabled`; `cells` is the bar's width in characters.
    ProgressBar(std::ostream& out, bool enabled, int cells = 40);
    // Draws on standard output when that is a terminal.
    static ProgressBar ForStandardOutput();

    // Shows `fraction` (0 to 1, clamped) done; draws again only when the percentage changes.
    void Update(double fraction);
    // Shows 100 % and ends the line; the bar draws nothing after it.
    void Finish();

  private:
    std::ostream* out_;
    bool enabled_;
    int cells_;
    int shownPercent_ = -1;
};

}  // namespace aaxhost
