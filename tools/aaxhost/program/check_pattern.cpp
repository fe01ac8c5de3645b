#include "tools/aaxhost/program/check_pattern.h"

#include <regex>

namespace aaxhost {

std::vector<bool> MatchingChecks(const std::string& pattern, const std::vector<CheckInfo>& checks) {
    std::vector<bool> matches(checks.size(), false);
    if (pattern.empty()) return matches;
    const std::regex expression(pattern);
    for (size_t i = 0; i < checks.size(); ++i) {
        matches[i] = std::regex_search(checks[i].name, expression);
    }
    return matches;
}

}  // namespace aaxhost
