// Windows implementation: the real registry and libraries through the wide-character functions,
// so that values and paths of any language cross the platform header intact as UTF-8, and a
// kernel mutex.
#include <windows.h>

#include <new>
#include <string>

#include "platform/platform.h"
#include "platform/registry_buffer.h"

namespace platform {
namespace {

// False for text that is not UTF-8: no file or key can bear such a name.
bool Widen(const char* text, std::wstring& wide) {
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, -1, nullptr, 0);
    if (length <= 0) return false;
    wide.assign(static_cast<size_t>(length), L'\0');
    if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, -1, wide.data(), length) !=
        length) {
        return false;
    }
    wide.resize(static_cast<size_t>(length - 1));
    return true;
}

// Writes `text` as UTF-8 with its terminator, or returns false when that does not fit. A UTF-16
// unit never becomes less than one UTF-8 byte, so a text longer than the buffer is refused before
// it is measured.
bool Narrow(const std::wstring& text, char* buffer, size_t capacity) {
    if (text.size() >= capacity) return false;
    if (text.empty()) {
        buffer[0] = '\0';
        return true;
    }
    const int units = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, text.data(), units,
                                           nullptr, 0, nullptr, nullptr);
    if (length <= 0 || static_cast<size_t>(length) >= capacity) return false;
    if (WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, text.data(), units, buffer, length,
                            nullptr, nullptr) != length) {
        return false;
    }
    buffer[length] = '\0';
    return true;
}

// The environment may change between measuring and expanding; a text that then no longer fits is
// refused rather than cut.
bool Expand(std::wstring& text) {
    const DWORD needed = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
    if (needed == 0) return false;
    std::wstring expanded(needed, L'\0');
    const DWORD written = ExpandEnvironmentStringsW(text.c_str(), expanded.data(), needed);
    if (written == 0 || written > needed) return false;
    expanded.resize(expanded.find(L'\0'));
    text = std::move(expanded);
    return true;
}

bool IsText(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

// Text values are read as UTF-16 up to their first terminator (the first string of a list);
// any other type is taken as the bytes of a string, as it is stored.
RegistryStatus ReadValue(HKEY key, const wchar_t* name, char* buffer, size_t capacity) {
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
        return RegistryStatus::kNoValue;
    }
    if (!IsText(type)) {
        DWORD length = capacity > MAXDWORD ? MAXDWORD : static_cast<DWORD>(capacity);
        const LONG status =
            RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &length);
        if (status != ERROR_SUCCESS || !detail::TerminateValue(buffer, length, capacity)) {
            return RegistryStatus::kNoValue;
        }
        return RegistryStatus::kOk;
    }
    // One unit more than the data, so that a value stored without its terminator still ends.
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    DWORD length = size;
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text.data()),
                         &length) != ERROR_SUCCESS) {
        return RegistryStatus::kNoValue;
    }
    const size_t end = text.find(L'\0');
    const size_t stored = length / sizeof(wchar_t);
    text.resize(end < stored ? end : stored);
    if (type == REG_EXPAND_SZ && !Expand(text)) return RegistryStatus::kNoValue;
    return Narrow(text, buffer, capacity) ? RegistryStatus::kOk : RegistryStatus::kNoValue;
}

}  // namespace

RegistryStatus ReadMachineRegistryValue(RegistryView view, const char* subkey,
                                        const char* valueName, char* buffer, size_t capacity) {
    std::wstring wideKey;
    std::wstring wideName;
    if (!Widen(subkey, wideKey)) return RegistryStatus::kNoKey;
    if (!Widen(valueName, wideName)) return RegistryStatus::kNoValue;
    const REGSAM access =
        KEY_READ | (view == RegistryView::k64Bit ? KEY_WOW64_64KEY : KEY_WOW64_32KEY);
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, wideKey.c_str(), 0, access, &key) != ERROR_SUCCESS) {
        return RegistryStatus::kNoKey;
    }
    const RegistryStatus status = ReadValue(key, wideName.c_str(), buffer, capacity);
    RegCloseKey(key);
    return status;
}

void* LoadLibraryFile(const char* path) {
    std::wstring widePath;
    if (!Widen(path, widePath)) return nullptr;
    return reinterpret_cast<void*>(LoadLibraryW(widePath.c_str()));
}

bool FileExists(const char* path) {
    std::wstring widePath;
    if (!Widen(path, widePath)) return false;
    const DWORD attributes = GetFileAttributesW(widePath.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
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

void WriteDebugOutput(const char* text) {
    std::wstring wide;
    if (Widen(text, wide)) OutputDebugStringW(wide.c_str());
}

// A console answers GetConsoleMode; files, pipes and the NUL device do not.
bool StandardOutputIsTerminal() {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) != 0;
}

}  // namespace platform
