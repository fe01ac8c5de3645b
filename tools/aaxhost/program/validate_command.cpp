// aaxhost validate: every check in a child process of its own with a time limit, a line printed
// as each ends, a closing count, and JSON and JUnit files written whatever happened.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <random>
#include <regex>

#include "tools/aaxhost/program/check_pattern.h"
#include "tools/aaxhost/program/check_process.h"
#include "tools/aaxhost/program/program.h"
#include "tools/aaxhost/program/state_file.h"
#include "tools/aaxhost/program/validation.h"
#include "tools/aaxhost/program/validation_report.h"

namespace aaxhost {
namespace {

using Outcome = CheckRecord::Outcome;

// What the child process writes for the parent, each at the start of a line of its own, so that
// the plug-in's own output on the same stream is passed over.
constexpr const char* kStepLine = "@check step ";
constexpr const char* kPassLine = "@check pass ";
constexpr const char* kFailLine = "@check fail ";
constexpr const char* kSkipLine = "@check skip ";

std::string OneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    std::replace(text.begin(), text.end(), '\r', ' ');
    return text;
}

CheckRange RangeOf(const ValidateOptions& validate) {
    return {validate.rates, validate.blocks};
}

// The lists as the command line takes them, so that a child process checks the same range.
template <typename Number>
std::string CommaList(const std::vector<Number>& numbers) {
    std::string list;
    for (const Number number : numbers) {
        char text[32];
        std::snprintf(text, sizeof text, "%.10g", static_cast<double>(number));
        if (!list.empty()) list += ',';
        list += text;
    }
    return list;
}

CheckRecord RecordOf(const CheckResult& result) {
    CheckRecord record{result.name, Outcome::kPassed};
    if (!result.Passed()) {
        record.outcome = Outcome::kFailed;
        record.text = result.failure;
    } else if (!result.skipped.empty()) {
        record.outcome = Outcome::kSkipped;
        record.text = result.skipped;
    } else {
        record.note = result.note;
    }
    return record;
}

// The child's side: runs one check and says each step and the result on standard output.
int RunOneCheck(const Options& options, std::ostream& out) {
    const ValidateOptions& validate = options.validate;
    const CheckResult result =
        RunCheck(options.module, validate.runCheck, validate.level, validate.seed,
                 RangeOf(validate), [&out](const std::string& step) {
                     out << '\n' << kStepLine << OneLine(step) << std::endl;
                 });
    const CheckRecord record = RecordOf(result);
    const char* kind = record.outcome == Outcome::kPassed
                           ? kPassLine
                           : (record.outcome == Outcome::kSkipped ? kSkipLine : kFailLine);
    out << '\n'
        << kind << OneLine(record.outcome == Outcome::kPassed ? record.note : record.text)
        << std::endl;
    return 0;
}

double DefaultTimeout(int32_t level) {
    return 60.0 + 30.0 * level;
}

bool StartsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

CheckRecord RunInChild(const Options& options, const std::string& name) {
    const ValidateOptions& validate = options.validate;
    const double timeout = validate.timeoutSeconds.value_or(DefaultTimeout(validate.level));
    const ChildRun run = RunThisProgram(
        {"validate", options.module, "--level", std::to_string(validate.level), "--seed",
         std::to_string(validate.seed), "--rates", CommaList(validate.rates), "--blocks",
         CommaList(validate.blocks), "--run-check", name},
        timeout);
    CheckRecord record{name, Outcome::kPassed};
    std::string step = "start-up";
    bool answered = false;
    for (const std::string& line : run.lines) {
        if (StartsWith(line, kStepLine)) {
            step = line.substr(std::strlen(kStepLine));
        } else if (StartsWith(line, kPassLine)) {
            record.note = line.substr(std::strlen(kPassLine));
            answered = true;
        } else if (StartsWith(line, kSkipLine)) {
            record.outcome = Outcome::kSkipped;
            record.text = line.substr(std::strlen(kSkipLine));
            answered = true;
        } else if (StartsWith(line, kFailLine)) {
            record.outcome = Outcome::kFailed;
            record.text = line.substr(std::strlen(kFailLine));
            answered = true;
        }
    }
    switch (run.end) {
        case ChildRun::End::kNotStarted:
            record.outcome = Outcome::kCrashed;
            record.text = run.cause;
            break;
        case ChildRun::End::kCrashed:
            record.outcome = Outcome::kCrashed;
            record.text = run.cause + " during " + step;
            break;
        case ChildRun::End::kTimedOut: {
            record.outcome = Outcome::kTimedOut;
            char seconds[32];
            std::snprintf(seconds, sizeof(seconds), "%g", timeout);
            record.text = "after " + std::string(seconds) + " s during " + step;
            break;
        }
        case ChildRun::End::kExited:
            if (!answered || run.exitCode != 0) {
                record.outcome = Outcome::kCrashed;
                record.text = "exit code " + std::to_string(run.exitCode) + " during " + step;
            }
            break;
    }
    return record;
}

CheckRecord RunHere(const Options& options, const std::string& name) {
    const ValidateOptions& validate = options.validate;
    const CheckResult result = RunCheck(options.module, name, validate.level, validate.seed,
                                        RangeOf(validate), [](const std::string&) {});
    return RecordOf(result);
}

bool Write(const std::string& path, const std::string& text, std::ostream& out, std::ostream& err) {
    if (path == "-") {
        out << text;
        return true;
    }
    std::string error;
    if (WriteWholeFile(path, std::vector<unsigned char>(text.begin(), text.end()), error)) {
        return true;
    }
    err << "aaxhost: " << error << '\n';
    return false;
}

int ListChecks(const ValidateOptions& validate, std::ostream& out, std::ostream& err) {
    const std::vector<CheckInfo> checks = ChecksAt(validate.level, RangeOf(validate));
    if (!validate.jsonFile.empty()) {
        return Write(validate.jsonFile, CheckListJson(checks), out, err) ? 0 : kExitFailure;
    }
    for (const CheckInfo& check : checks) out << check.name << "  " << check.summary << '\n';
    return 0;
}

// The names to run, in order, and the skipped ones with their reason; nullopt after a message
// about a pattern that is not a regular expression.
struct Plan {
    std::vector<std::string> run;
    std::vector<CheckRecord> skipped;
};

std::optional<Plan> PlanChecks(const ValidateOptions& validate, std::ostream& err) {
    const std::vector<CheckInfo> checks = ChecksAt(validate.level, RangeOf(validate));
    std::vector<bool> only(checks.size(), true);
    std::vector<bool> skip;
    try {
        if (!validate.only.empty()) only = MatchingChecks(validate.only, checks);
        skip = MatchingChecks(validate.skip, checks);
    } catch (const std::regex_error& error) {
        err << "aaxhost: --only or --skip is not a regular expression: " << error.what() << '\n';
        return std::nullopt;
    }
    Plan plan;
    for (size_t i = 0; i < checks.size(); ++i) {
        const CheckInfo& check = checks[i];
        if (!only[i]) continue;
        if (skip[i]) {
            plan.skipped.push_back(
                {check.name, Outcome::kSkipped, "matches --skip '" + validate.skip + "'"});
            continue;
        }
        for (int32_t i = 0; i < validate.repeat; ++i) plan.run.push_back(check.name);
    }
    if (validate.randomise) {
        // The load check stays first: it tells whether anything else can work.
        const auto first = plan.run.begin() + (!plan.run.empty() && plan.run.front() == "load");
        std::mt19937_64 random(validate.seed);
        std::shuffle(first, plan.run.end(), random);
    }
    return plan;
}

}  // namespace

int ValidateCommand(const Options& options, std::ostream& out, std::ostream& err) {
    const ValidateOptions& validate = options.validate;
    if (!validate.runCheck.empty()) return RunOneCheck(options, out);
    if (validate.list) return ListChecks(validate, out, err);
    const std::optional<Plan> plan = PlanChecks(validate, err);
    if (!plan) return 2;

    ValidationRun run{options.module, validate.level, validate.seed, {}};
    out << "validating " << options.module << " at level " << validate.level << ", seed "
        << validate.seed << std::endl;
    for (const CheckRecord& skipped : plan->skipped) {
        out << ResultLine(skipped) << std::endl;
        run.records.push_back(skipped);
    }
    for (const std::string& name : plan->run) {
        const auto start = std::chrono::steady_clock::now();
        CheckRecord record =
            validate.inProcess ? RunHere(options, name) : RunInChild(options, name);
        record.seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        out << ResultLine(record) << std::endl;
        run.records.push_back(record);
        // Without a module that loads, no other check can say anything.
        if (name == "load" && record.outcome != Outcome::kPassed) break;
    }
    out << SummaryLine(run.records) << '\n';
    bool written = true;
    if (!validate.jsonFile.empty())
        written &= Write(validate.jsonFile, ValidationJson(run), out, err);
    if (!validate.junitFile.empty()) {
        written &= Write(validate.junitFile, ValidationJunit(run), out, err);
    }
    const int code = ExitCodeOf(run.records);
    return code == 0 && !written ? kExitFailure : code;
}

}  // namespace aaxhost
