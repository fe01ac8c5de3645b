// POSIX implementation: the registry is a directory tree under $VQ318_REGISTRY_ROOT, one file a
// value; libraries come from dlopen; the mutex is a pthread mutex.
#include <dlfcn.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

#include "platform/platform.h"
#include "platform/registry_buffer.h"

namespace platform {
namespace {

// "Software\A\B" in the 32-bit view lives under "Software\WOW6432Node\A\B".
std::string KeyDirectory(RegistryView view, const char* subkey) {
    const char* root = std::getenv("VQ318_REGISTRY_ROOT");
    if (root == nullptr || *root == '\0') return {};
    std::string key(subkey);
    for (char& c : key) {
        if (c == '\\') c = '/';
    }
    if (view == RegistryView::k32Bit) {
        const size_t firstSlash = key.find('/');
        const std::string head = key.substr(0, firstSlash);
        const std::string tail = firstSlash == std::string::npos ? "" : key.substr(firstSlash);
        key = head + "/WOW6432Node" + tail;
    }
    return std::string(root) + "/HKEY_LOCAL_MACHINE/" + key;
}

bool IsDirectory(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

RegistryStatus ReadMachineRegistryValue(RegistryView view, const char* subkey,
                                        const char* valueName, char* buffer, size_t capacity) {
    const std::string directory = KeyDirectory(view, subkey);
    if (directory.empty() || !IsDirectory(directory)) return RegistryStatus::kNoKey;

    FILE* file = std::fopen((directory + "/" + valueName).c_str(), "rb");
    if (file == nullptr) return RegistryStatus::kNoValue;
    const size_t length = std::fread(buffer, 1, capacity, file);
    const bool moreData = length == capacity && std::fgetc(file) != EOF;
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed || moreData || !detail::TerminateValue(buffer, length, capacity)) {
        return RegistryStatus::kNoValue;
    }
    return RegistryStatus::kOk;
}

void* LoadLibraryFile(const char* path) {
    return dlopen(path, RTLD_NOW | RTLD_LOCAL);
}

bool FileExists(const char* path) {
    struct stat info {};
    return stat(path, &info) == 0 && !S_ISDIR(info.st_mode);
}

void* FindLibrarySymbol(void* library, const char* name) {
    return library == nullptr ? nullptr : dlsym(library, name);
}

struct MutexHandle {
    pthread_mutex_t mutex;
};

MutexHandle* CreateMutexHandle() {
    auto* handle = new (std::nothrow) MutexHandle;
    if (handle == nullptr) return nullptr;
    if (pthread_mutex_init(&handle->mutex, nullptr) != 0) {
        delete handle;
        return nullptr;
    }
    return handle;
}

void WaitMutex(MutexHandle* mutex) {
    pthread_mutex_lock(&mutex->mutex);
}

void ReleaseMutexHandle(MutexHandle* mutex) {
    pthread_mutex_unlock(&mutex->mutex);
}

void CloseMutexHandle(MutexHandle* mutex) {
    if (mutex == nullptr) return;
    pthread_mutex_destroy(&mutex->mutex);
    delete mutex;
}

// The kernel's thread identifier where there is one, so that every module loaded in the process
// (the wrapped plug-in included) names a thread alike.
uint32_t CurrentThreadId() {
#if defined(__linux__)
    thread_local const uint32_t id = static_cast<uint32_t>(gettid());
#else
    static std::atomic<uint32_t> next{1};
    thread_local const uint32_t id = next.fetch_add(1, std::memory_order_relaxed);
#endif
    return id;
}

uintptr_t CurrentThreadToken() {
    static_assert(sizeof(pthread_t) <= sizeof(uintptr_t));
    const pthread_t self = pthread_self();
    uintptr_t token = 0;
    std::memcpy(&token, &self, sizeof self);
    return token;
}

void WriteDebugOutput(const char*) {}

bool StandardOutputIsTerminal() {
    return isatty(STDOUT_FILENO) == 1;
}

}  // namespace platform
