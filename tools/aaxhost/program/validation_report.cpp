#include "tools/aaxhost/program/validation_report.h"

#include <cstdio>

#include "tools/aaxhost/cli/xml_text.h"

namespace aaxhost {
namespace {

using Outcome = CheckRecord::Outcome;

std::string JsonText(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof(escaped), "\\u%04x", c);
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

std::string Seconds(double seconds) {
    char text[32];
    std::snprintf(text, sizeof(text), "%.3f", seconds);
    return text;
}

const char* OutcomeName(Outcome outcome) {
    switch (outcome) {
        case Outcome::kPassed:
            return "passed";
        case Outcome::kFailed:
            return "failed";
        case Outcome::kCrashed:
            return "crashed";
        case Outcome::kTimedOut:
            return "timed out";
        case Outcome::kSkipped:
            return "skipped";
    }
    return "failed";
}

struct Counts {
    size_t passed = 0;
    size_t failed = 0;
    size_t crashed = 0;
    size_t timedOut = 0;
    size_t skipped = 0;
    double seconds = 0.0;
};

Counts CountOf(const std::vector<CheckRecord>& records) {
    Counts counts;
    for (const CheckRecord& record : records) {
        counts.seconds += record.seconds;
        switch (record.outcome) {
            case Outcome::kPassed:
                ++counts.passed;
                break;
            case Outcome::kFailed:
                ++counts.failed;
                break;
            case Outcome::kCrashed:
                ++counts.crashed;
                break;
            case Outcome::kTimedOut:
                ++counts.timedOut;
                break;
            case Outcome::kSkipped:
                ++counts.skipped;
                break;
        }
    }
    return counts;
}

}  // namespace

std::string ResultLine(const CheckRecord& record) {
    const std::string time = " [" + Seconds(record.seconds) + " s]";
    switch (record.outcome) {
        case Outcome::kPassed:
            return "PASS " + record.name + (record.note.empty() ? "" : " (" + record.note + ")") +
                   time;
        case Outcome::kFailed:
            return "FAIL " + record.name + ": " + record.text + time;
        case Outcome::kCrashed:
            return "CRASH " + record.name + ": " + record.text + time;
        case Outcome::kTimedOut:
            return "TIMEOUT " + record.name + ": " + record.text + time;
        case Outcome::kSkipped:
            return "SKIP " + record.name + ": " + record.text;
    }
    return {};
}

std::string SummaryLine(const std::vector<CheckRecord>& records) {
    const Counts counts = CountOf(records);
    std::string line =
        std::to_string(counts.passed) + " passed, " + std::to_string(counts.failed) + " failed";
    if (counts.crashed != 0) line += ", " + std::to_string(counts.crashed) + " crashed";
    if (counts.timedOut != 0) line += ", " + std::to_string(counts.timedOut) + " timed out";
    if (counts.skipped != 0) line += ", " + std::to_string(counts.skipped) + " skipped";
    return line;
}

int ExitCodeOf(const std::vector<CheckRecord>& records) {
    const Counts counts = CountOf(records);
    if (counts.crashed + counts.timedOut != 0) return kExitCrashOrTimeout;
    return counts.failed != 0 ? 1 : 0;
}

std::string ValidationJson(const ValidationRun& run) {
    const Counts counts = CountOf(run.records);
    std::string checks;
    for (const CheckRecord& record : run.records) {
        const bool passed = record.outcome == Outcome::kPassed;
        checks += std::string(checks.empty() ? "" : ",") +
                  "\n    {\"name\": " + JsonText(record.name) +
                  ", \"passed\": " + (passed ? "true" : "false") +
                  ", \"outcome\": " + JsonText(OutcomeName(record.outcome)) +
                  ", \"failure\": " + JsonText(passed ? "" : record.text) +
                  (record.note.empty() ? "" : ", \"note\": " + JsonText(record.note)) +
                  ", \"seconds\": " + Seconds(record.seconds) + "}";
    }
    return "{\n  \"module\": " + JsonText(run.module) +
           ",\n  \"level\": " + std::to_string(run.level) +
           ",\n  \"seed\": " + std::to_string(run.seed) + ",\n  \"checks\": [" + checks +
           "\n  ],\n  \"passed\": " + std::to_string(counts.passed) +
           ",\n  \"failed\": " + std::to_string(counts.failed) +
           ",\n  \"crashed\": " + std::to_string(counts.crashed) +
           ",\n  \"timed_out\": " + std::to_string(counts.timedOut) +
           ",\n  \"skipped\": " + std::to_string(counts.skipped) + "\n}\n";
}

std::string ValidationJunit(const ValidationRun& run) {
    const Counts counts = CountOf(run.records);
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    xml += "<testsuites>\n  <testsuite name=\"aaxhost validate\" tests=\"" +
           std::to_string(run.records.size()) + "\" failures=\"" + std::to_string(counts.failed) +
           "\" errors=\"" + std::to_string(counts.crashed + counts.timedOut) + "\" skipped=\"" +
           std::to_string(counts.skipped) + "\" time=\"" + Seconds(counts.seconds) + "\">\n";
    xml += "    <properties>\n      <property name=\"module\" value=\"" + XmlText(run.module) +
           "\"/>\n      <property name=\"level\" value=\"" + std::to_string(run.level) +
           "\"/>\n      <property name=\"seed\" value=\"" + std::to_string(run.seed) +
           "\"/>\n    </properties>\n";
    for (const CheckRecord& record : run.records) {
        xml += "    <testcase classname=\"aaxhost.validate\" name=\"" + XmlText(record.name) +
               "\" time=\"" + Seconds(record.seconds) + "\"";
        const std::string message = "message=\"" + XmlText(record.text) + "\"";
        switch (record.outcome) {
            case Outcome::kPassed:
                xml += "/>\n";
                continue;
            case Outcome::kFailed:
                xml += ">\n      <failure " + message + "/>\n";
                break;
            case Outcome::kCrashed:
                xml += ">\n      <error type=\"crash\" " + message + "/>\n";
                break;
            case Outcome::kTimedOut:
                xml += ">\n      <error type=\"timeout\" " + message + "/>\n";
                break;
            case Outcome::kSkipped:
                xml += ">\n      <skipped " + message + "/>\n";
                break;
        }
        xml += "    </testcase>\n";
    }
    return xml + "  </testsuite>\n</testsuites>\n";
}

std::string CheckListJson(const std::vector<CheckInfo>& checks) {
    std::string list = "[";
    for (const CheckInfo& check : checks) {
        list += std::string(list.size() > 1 ? "," : "") + "\n  {\"name\": " + JsonText(check.name) +
                ", \"summary\": " + JsonText(check.summary) + "}";
    }
    return list + "\n]\n";
}

}  // namespace aaxhost
