// Operating-system services: registry values, dynamic libraries, a mutex, thread identity and
// the kind of the standard output.
// One header, a Windows and a POSIX implementation; no other folder includes an OS header.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

// Windows keeps separate registry trees for 64-bit and 32-bit programs.
enum class RegistryView { k64Bit, k32Bit };

enum class RegistryStatus {
    kOk,
    kNoKey,    // the key cannot be opened in that view
    kNoValue,  // the key exists but the value is missing, unreadable or larger than the buffer
};

// Reads `valueName` of `subkey` (backslash-separated) under HKEY_LOCAL_MACHINE into `buffer`.
// On kOk the buffer holds the value followed by a terminating zero within `capacity`; a value
// that leaves no room for the terminator is kNoValue. Nothing past `capacity` is written, and the
// value's data is never read past its end. A string value arrives as UTF-8, one stored for
// expansion with its environment variables expanded; other data arrives as its bytes.
RegistryStatus ReadMachineRegistryValue(RegistryView view, const char* subkey,
                                        const char* valueName, char* buffer, size_t capacity);

// Separator between the folders of a file path.
#if defined(_WIN32)
constexpr char kPathSeparator = '\\';
constexpr const char* kLibraryExtension = ".dll";
#else
constexpr char kPathSeparator = '/';
constexpr const char* kLibraryExtension = ".so";
#endif

// Loads a shared library by its UTF-8 path; null on failure. Libraries are never unloaded.
void* LoadLibraryFile(const char* path);
// True when a file (not a folder) lies at the UTF-8 path.
bool FileExists(const char* path);
// The address of an exported symbol, or null.
void* FindLibrarySymbol(void* library, const char* name);

// An unnamed mutex that is not initially owned; blocking, without time-out.
struct MutexHandle;
// Null when the operating system cannot create one.
MutexHandle* CreateMutexHandle();
void WaitMutex(MutexHandle* mutex);
void ReleaseMutexHandle(MutexHandle* mutex);
void CloseMutexHandle(MutexHandle* mutex);

// A non-zero identifier of the calling thread, unique among live threads and the same in every
// module of the process.
uint32_t CurrentThreadId();

// An identity of the calling thread cheap enough for the real-time thread: no system call, no
// allocation. Non-zero and unique among live threads; compare it only with tokens taken in the
// same module.
uintptr_t CurrentThreadToken();

// Hands a line of UTF-8 text to the system's debug output, where debug-output viewers show it;
// the system has one on Windows only, so elsewhere the text goes nowhere.
void WriteDebugOutput(const char* text);

// True when the process's standard output is an interactive terminal (a console on Windows),
// not a file or a pipe.
bool StandardOutputIsTerminal();

}  // namespace platform
