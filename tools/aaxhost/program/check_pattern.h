// The checks that a regular expression of --only or --skip names.
#pragma once

#include <string>
#include <vector>

#include "tools/aaxhost/program/validation.h"

namespace aaxhost {

// For each check, whether `pattern` is found in its name; none for an empty pattern. Throws
// std::regex_error when `pattern` is no regular expression.
std::vector<bool> MatchingChecks(const std::string& pattern, const std::vector<CheckInfo>& checks);

}  // namespace aaxhost
