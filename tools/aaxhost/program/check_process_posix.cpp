#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <climits>
#include <cstring>
#include <thread>

#include "tools/aaxhost/program/check_process.h"

extern char** environ;

namespace aaxhost {
namespace {

using Clock = std::chrono::steady_clock;

std::string SignalText(int signal) {
    const char* name = sigabbrev_np(signal);
    return "signal " + std::to_string(signal) +
           (name != nullptr ? " (SIG" + std::string(name) + ")" : "");
}

// Splits what was read into lines; an unfinished last line waits in `pending`.
void TakeLines(std::string& pending, std::vector<std::string>& lines) {
    size_t start = 0;
    for (size_t end = pending.find('\n'); end != std::string::npos;
         end = pending.find('\n', start)) {
        lines.push_back(pending.substr(start, end - start));
        start = end + 1;
    }
    pending.erase(0, start);
}

}  // namespace

ChildRun RunThisProgram(const std::vector<std::string>& arguments, double timeoutSeconds) {
    ChildRun run;
    char self[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof(self) - 1);
    if (length <= 0) {
        run.cause = "cannot find this program: " + std::string(std::strerror(errno));
        return run;
    }
    self[length] = '\0';
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        run.cause = "cannot make a pipe: " + std::string(std::strerror(errno));
        return run;
    }
    std::vector<std::string> words{self};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, self, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0) {
        close(pipeEnds[0]);
        run.cause = "cannot start " + std::string(self) + ": " + std::strerror(spawned);
        return run;
    }

    const Clock::time_point deadline =
        Clock::now() +
        std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(timeoutSeconds));
    std::string pending;
    bool open = true;
    bool timedOut = false;
    while (open) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            timedOut = true;
            break;
        }
        pollfd reader{pipeEnds[0], POLLIN, 0};
        const int ready = poll(&reader, 1, static_cast<int>(std::min<int64_t>(left.count(), 1000)));
        if (ready < 0 && errno != EINTR) break;
        if (ready <= 0) continue;
        char buffer[4096];
        const ssize_t got = read(pipeEnds[0], buffer, sizeof(buffer));
        if (got > 0) {
            pending.append(buffer, static_cast<size_t>(got));
            TakeLines(pending, run.lines);
        } else if (got == 0 || errno != EINTR) {
            open = false;
        }
    }
    close(pipeEnds[0]);

    // The output can end before the process does (a descriptor closed early); it gets the rest
    // of its time to exit.
    int status = 0;
    while (!timedOut && waitpid(child, &status, WNOHANG) == 0) {
        if (Clock::now() >= deadline) {
            timedOut = true;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (!pending.empty()) run.lines.push_back(pending);
    if (timedOut) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
        run.end = ChildRun::End::kTimedOut;
    } else if (WIFSIGNALED(status)) {
        run.end = ChildRun::End::kCrashed;
        run.cause = SignalText(WTERMSIG(status));
    } else {
        run.end = ChildRun::End::kExited;
        run.exitCode = WEXITSTATUS(status);
    }
    return run;
}

}  // namespace aaxhost
