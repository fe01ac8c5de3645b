// On Windows the fixture edits the machine registry with the system's reg.exe, run from inside
// the test process, so that no Windows header reaches the tests; /reg:64 and /reg:32 choose the
// view (the 32-bit one is Software\WOW6432Node on a 64-bit system).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>
#include <thread>

#include "tests/support/registry_fixture.h"

namespace testsupport {
namespace {

const std::string kKey = "\"HKLM\\Software\\Morvane\\VQ318\"";

const char* ViewSwitch(RegistryView view) {
    return view == RegistryView::k64Bit ? " /reg:64" : " /reg:32";
}

// Quotes one argument for the C runtime's command-line parser, which takes backslashes
// literally except before a quote: those before an embedded or the closing quote are doubled,
// so that "C:\dir\" arrives with its trailing backslash.
std::string Quote(const std::string& argument) {
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
        } else {
            if (c == '"') quoted.append(backslashes + 1, '\\');
            backslashes = 0;
        }
        quoted += c;
    }
    quoted.append(backslashes, '\\');
    return quoted + '"';
}

}  // namespace

// Under Wine on a loaded machine, the shell now and then fails to start reg at all (exit code
// 9009, "not recognized"); each edit is whole or absent, so trying again is safe.
void RunReg(const std::string& arguments) {
    constexpr int kAttempts = 3;
    for (int attempt = 1;; ++attempt) {
        if (std::system(("reg " + arguments + " >NUL").c_str()) == 0) return;
        if (attempt == kAttempts) {
            throw std::runtime_error("reg " + arguments + " failed " + std::to_string(kAttempts) +
                                     " times");
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
}

void ClearInstallDirectory() {
    // One shell for both views, as each start costs a tenth of a second under Wine. A key that
    // is not there makes reg fail, which is the state wanted, so its status is not examined.
    const std::string deleteKey = "reg delete " + kKey + " /f";
    std::system((deleteKey + ViewSwitch(RegistryView::k64Bit) + " >NUL 2>&1 & " + deleteKey +
                 ViewSwitch(RegistryView::k32Bit) + " >NUL 2>&1")
                    .c_str());
}

// The switches go before the value: should a value ever be mis-quoted, the ones after it would
// be swallowed, and Wine's reg without /f asks whether to overwrite and never takes no for an
// answer on a closed input.
void CreateEmptyKey(RegistryView view) {
    RunReg("add " + kKey + " /f" + ViewSwitch(view));
}

void WriteInstallDirectory(RegistryView view, const std::string& value) {
    RunReg("add " + kKey + " /f" + ViewSwitch(view) + " /v installdirectory /d " + Quote(value));
}

std::filesystem::path Utf8Path(const std::string& path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

// A registry file of the current format is UTF-16 text, and so is the data of its hex(1) and
// hex(2) values: any character reaches the registry, and no shell sees a percent sign on the way.
void WriteInstallDirectoryText(RegistryView view, const std::string& value, bool expandable) {
    std::u16string text = Utf8Path(value).u16string();
    text.push_back(u'\0');
    std::string data;
    for (const char16_t unit : text) {
        char bytes[8];
        std::snprintf(bytes, sizeof bytes, "%s%02x,%02x", data.empty() ? "" : ",", unit & 0xff,
                      unit >> 8);
        data += bytes;
    }
    const std::string lines =
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "[HKEY_LOCAL_MACHINE\\Software\\Morvane\\VQ318]\r\n\"installdirectory\"=hex(" +
        std::string(expandable ? "2" : "1") + "):" + data + "\r\n";
    const std::string file =
        (std::filesystem::temp_directory_path() / "vq318-install-directory.reg").string();
    std::ofstream out(file, std::ios::binary);
    out << "\xff\xfe";
    for (const char c : lines) out << c << '\0';
    out.close();
    RunReg("import " + Quote(file) + ViewSwitch(view));
}

}  // namespace testsupport
