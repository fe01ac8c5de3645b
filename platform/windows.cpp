// Windows implementation: the real registry, LoadLibraryA, and a kernel mutex.
#include <windows.h>

#include <new>

#include "platform/platform.h"
#include "platform/registry_buffer.h"

namespace platform {

RegistryStatus ReadMachineRegistryValue(RegistryView view, const char* subkey,
                                        const char* valueName, char* buffer, size_t capacity) {
    const REGSAM access =
        KEY_READ | (view == RegistryView::k64Bit ? KEY_WOW64_64KEY : KEY_WOW64_32KEY);
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subkey, 0, access, &key) != ERROR_SUCCESS) {
        return RegistryStatus::kNoKey;
    }
    DWORD length = capacity > MAXDWORD ? MAXDWORD : static_cast<DWORD>(capacity);
    const LONG status = RegQueryValueExA(key, valueName, nullptr, nullptr,
                                         reinterpret_cast<BYTE*>(buffer), &length);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || !detail::TerminateValue(buffer, length, capacity)) {
        return RegistryStatus::kNoValue;
    }
    return RegistryStatus::kOk;
}

void* LoadLibraryFile(const char* path) {
    return reinterpret_cast<void*>(LoadLibraryA(path));
}

void* FindLibrarySymbol(void* library, const char* name) {
    if (library == nullptr) return nullptr;
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

struct MutexHandle {
    HANDLE handle;
};

MutexHandle* CreateMutexHandle() {
    HANDLE handle = CreateMutexA(nullptr, FALSE, nullptr);
    if (handle == nullptr) return nullptr;
    auto* mutex = new (std::nothrow) MutexHandle{handle};
    if (mutex == nullptr) CloseHandle(handle);
    return mutex;
}

void WaitMutex(MutexHandle* mutex) {
    WaitForSingleObject(mutex->handle, INFINITE);
}

void ReleaseMutexHandle(MutexHandle* mutex) {
    ReleaseMutex(mutex->handle);
}

void CloseMutexHandle(MutexHandle* mutex) {
    if (mutex == nullptr) return;
    CloseHandle(mutex->handle);
    delete mutex;
}

uint32_t CurrentThreadId() {
    return static_cast<uint32_t>(GetCurrentThreadId());
}

// Read from the thread's own environment block: no system call.
uintptr_t CurrentThreadToken() {
    return static_cast<uintptr_t>(GetCurrentThreadId());
}

// A console answers GetConsoleMode; files, pipes and the NUL device do not.
bool StandardOutputIsTerminal() {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) != 0;
}

}  // namespace platform
