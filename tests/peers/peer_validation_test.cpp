// aaxhost validate at its highest level, with each of Debian's third-party VST 2.4 plug-ins as the
// wrapped plug-in, on an X display for the editor checks. What the validator finds there is a
// finding about the peer, not about the module: each row names the checks that do not pass and
// why, so that a check that starts or stops failing shows here.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/command_output.h"
#include "tests/support/registry_fixture.h"

namespace fs = std::filesystem;

namespace {

// Under AddressSanitizer a plug-in's own heap overflow lands in a guard zone and goes unnoticed;
// in the release build it overwrites the program's memory.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kOverflowsCrash = false;
#else
constexpr bool kOverflowsCrash = true;
#endif

struct Finding {
    const char* line;    // the start of the check's line
    const char* detail;  // found further on in it
};

struct PeerRow {
    const char* name;
    const char* library;
    std::vector<Finding> findings;  // every line that is not PASS
};

// Dragonfly's reverbs allocate in their own processReplacing, which the caller's address places
// in the wrapped library.
const Finding kAllocates{"FAIL realtime: ", "; the first: operator new called from {library}("};
// DPF plug-ins read any bytes as a state and apply what they can.
const Finding kAcceptsRandomChunk{
    "FAIL state-refusal: ",
    "restoring random bytes of the chunk's size (answered 0) changed the saved state"};
// LSP's buffers hold 4,096 frames unless the host names a larger block, which this host never
// does; a block of 8,192 frames writes past them.
const Finding kOverflowsLargeBlocks{"CRASH block-sizes: ",
                                    "signal 11 (SIGSEGV) during rendering 2 blocks of 8192 frames"};
const Finding kAcceptsShortChunk{
    "FAIL state-refusal: ",
    "restoring a chunk one byte short (answered 0) changed the saved state"};

std::vector<PeerRow> Rows() {
    std::vector<Finding> lsp{kAcceptsShortChunk};
    if (kOverflowsCrash) lsp.insert(lsp.begin(), kOverflowsLargeBlocks);
    return {
        {"DragonflyHall",
         "/usr/lib/lxvst/DragonflyHallReverb-vst.so",
         {kAllocates,
          {"FAIL state-refusal: ",
           "restoring the first half of the chunk (answered 0) changed the saved state"}}},
        {"DragonflyPlate", "/usr/lib/lxvst/DragonflyPlateReverb-vst.so", {kAllocates}},
        {"ThreeBandEQ", "/usr/lib/vst/3BandEQ-vst.so", {kAcceptsRandomChunk}},
        {"PingPongPan", "/usr/lib/vst/PingPongPan-vst.so", {kAcceptsRandomChunk}},
        {"AmplitudeImposer", "/usr/lib/vst/AmplitudeImposer-vst.so", {kAcceptsRandomChunk}},
        {"ThreeBandSplitter", "/usr/lib/vst/3BandSplitter-vst.so", {kAcceptsRandomChunk}},
        {"LspCompDelayMono", "/usr/lib/vst/lsp-plugins/comp-delay-mono.so", lsp},
        {"LspCompDelayStereo", "/usr/lib/vst/lsp-plugins/comp-delay-stereo.so", lsp},
    };
}

std::string Replace(std::string text, const std::string& field, const std::string& value) {
    const size_t at = text.find(field);
    if (at != std::string::npos) text.replace(at, field.size(), value);
    return text;
}

TEST(PeerValidation, EachPeerPassesEveryCheckButItsOwnFindings) {
    const char* display = std::getenv("DISPLAY");
    const bool haveDisplay = display != nullptr && *display != '\0';
    int validated = 0;
    for (const PeerRow& row : Rows()) {
        SCOPED_TRACE(row.name);
        if (!fs::exists(row.library)) {
            std::printf("%s missing: %s not validated\n", row.library, row.name);
            continue;
        }
        ++validated;
        testsupport::ClearInstallDirectory();
        const std::string directory =
            testsupport::MakeTempDirectory(std::string("peer-validate-") + row.name);
        const fs::path installed = fs::path(directory) / "VST64" / "VQ318.so";
        fs::create_directories(installed.parent_path());
        fs::create_symlink(row.library, installed);
        testsupport::WriteInstallDirectory(testsupport::RegistryView::k64Bit, directory);

        const std::string out =
            testsupport::RunCommand(std::string(VQ318_AAXHOST) + " validate " +
                                    VQ318_PRODUCT_MODULE + " --level 10 --seed 1 2>&1")
                .out;
        std::vector<std::string> others;
        int passed = 0;
        size_t start = 0;
        while (start < out.size()) {
            size_t end = out.find('\n', start);
            if (end == std::string::npos) end = out.size();
            const std::string line = out.substr(start, end - start);
            start = end + 1;
            const bool isCheck = line.rfind("FAIL ", 0) == 0 || line.rfind("CRASH ", 0) == 0 ||
                                 line.rfind("TIMEOUT ", 0) == 0 || line.rfind("SKIP ", 0) == 0;
            // Without a display the editor checks skip; that is all a skip may be.
            const bool noWindow = !haveDisplay && line.rfind("SKIP ", 0) == 0 &&
                                  line.find(": no window for the editor: ") != std::string::npos;
            if (isCheck && !noWindow) others.push_back(line);
            if (line.rfind("PASS ", 0) == 0) ++passed;
        }
        ASSERT_EQ(others.size(), row.findings.size()) << out;
        EXPECT_GE(passed, 15) << out;  // a run that ended early passes few
        for (size_t i = 0; i < others.size(); ++i) {
            const Finding& finding = row.findings[i];
            EXPECT_EQ(others[i].rfind(finding.line, 0), 0u) << others[i];
            const std::string detail = Replace(finding.detail, "{library}", installed.string());
            EXPECT_NE(others[i].find(detail), std::string::npos) << others[i];
        }
        EXPECT_NE(
            out.find("validating " + std::string(VQ318_PRODUCT_MODULE) + " at level 10, seed 1\n"),
            std::string::npos)
            << out;
    }
    testsupport::ClearInstallDirectory();
    if (validated == 0) GTEST_SKIP() << "no peer plug-in installed";
}

}  // namespace
