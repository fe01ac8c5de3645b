// aaxhost validate: one line a check, a closing count, exit 0 only when every check passed.
#include "tools/aaxhost/program/program.h"
#include "tools/aaxhost/program/state_file.h"
#include "tools/aaxhost/program/validation.h"

namespace aaxhost {

int ValidateCommand(const Options& options, std::ostream& out, std::ostream& err) {
    const ValidateOptions& validate = options.validate;
    const std::vector<CheckResult> results =
        Validate(options.module, validate.level, validate.seed);
    size_t passed = 0;
    for (const CheckResult& result : results) {
        if (result.Passed()) {
            ++passed;
            out << "PASS " << result.name;
            if (!result.note.empty()) out << " (" << result.note << ')';
            out << '\n';
        } else {
            out << "FAIL " << result.name << ": " << result.failure << '\n';
        }
    }
    out << passed << " passed, " << results.size() - passed << " failed\n";
    if (!validate.jsonFile.empty()) {
        const std::string json =
            ValidationJson(options.module, validate.level, validate.seed, results);
        std::string error;
        if (!WriteWholeFile(validate.jsonFile, std::vector<unsigned char>(json.begin(), json.end()),
                            error)) {
            err << "aaxhost: " << error << '\n';
            return kExitFailure;
        }
    }
    return passed == results.size() ? 0 : kExitFailure;
}

}  // namespace aaxhost
