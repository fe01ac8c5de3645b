#include <windows.h>

#include <cstdio>
#include <mutex>
#include <thread>

#include "tools/aaxhost/program/check_process.h"

namespace aaxhost {
namespace {

std::wstring Wide(const std::string& text) {
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length > 0 ? length : 1), L'\0');
    if (length > 0) MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, wide.data(), length);
    wide.resize(wide.size() - 1);
    return wide;
}

// One argument quoted the way the C runtime splits a command line again.
std::wstring Quoted(const std::wstring& argument) {
    std::wstring quoted = L"\"";
    size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, L'\\');
    return quoted + L"\"";
}

std::string ErrorText(const char* what) {
    return std::string(what) + " failed with error " + std::to_string(GetLastError());
}

}  // namespace

ChildRun RunThisProgram(const std::vector<std::string>& arguments, double timeoutSeconds) {
    ChildRun run;
    std::wstring self(32768, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size()));
    if (length == 0 || length >= self.size()) {
        run.cause = ErrorText("GetModuleFileNameW");
        return run;
    }
    self.resize(length);
    std::wstring commandLine = Quoted(self);
    for (const std::string& argument : arguments) commandLine += L" " + Quoted(Wide(argument));

    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) {
        run.cause = ErrorText("CreatePipe");
        return run;
    }
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessW(self.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &startup, &process);
    CloseHandle(writeEnd);
    if (!started) {
        CloseHandle(readEnd);
        run.cause = ErrorText("CreateProcessW");
        return run;
    }
    CloseHandle(process.hThread);

    // A pipe has no wait with a time-out of its own: a thread reads it while this one waits for
    // the process.
    std::mutex linesMutex;
    std::string pending;
    std::thread reader([&] {
        char buffer[4096];
        DWORD got = 0;
        while (ReadFile(readEnd, buffer, sizeof(buffer), &got, nullptr) && got > 0) {
            const std::lock_guard<std::mutex> lock(linesMutex);
            pending.append(buffer, got);
            for (size_t end = pending.find('\n'); end != std::string::npos;
                 end = pending.find('\n')) {
                std::string line = pending.substr(0, end);
                if (!line.empty() && line.back() == '\r') line.pop_back();
                run.lines.push_back(std::move(line));
                pending.erase(0, end + 1);
            }
        }
    });
    const DWORD waited =
        WaitForSingleObject(process.hProcess, static_cast<DWORD>(timeoutSeconds * 1000.0));
    if (waited != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, INFINITE);
        run.end = ChildRun::End::kTimedOut;
    }
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hProcess);
    // The process is gone, so the pipe's last writer is too, unless it handed its end on.
    CancelIoEx(readEnd, nullptr);
    reader.join();
    CloseHandle(readEnd);
    if (!pending.empty()) run.lines.push_back(pending);
    if (run.end == ChildRun::End::kTimedOut) return run;
    if (exitCode >= 0xC0000000u) {
        char text[32];
        std::snprintf(text, sizeof(text), "exception 0x%08lX",
                      static_cast<unsigned long>(exitCode));
        run.end = ChildRun::End::kCrashed;
        run.cause = text;
    } else {
        run.end = ChildRun::End::kExited;
        run.exitCode = static_cast<int>(exitCode);
    }
    return run;
}

}  // namespace aaxhost
