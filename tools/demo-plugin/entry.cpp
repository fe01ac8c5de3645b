// The demo plug-in's entry point "main", the library's only export.
#include "tools/demo-plugin/instance.h"

// A C++ function cannot be named "main"; the symbol gets that name from the toolchain instead.
#if defined(_MSC_VER)
#pragma comment(linker, "/EXPORT:main=DemoPluginMain")
extern "C" AEffect* DemoPluginMain(audioMasterCallback host);
#elif defined(_WIN32)
extern "C" __declspec(dllexport) AEffect* DemoPluginMain(audioMasterCallback host) __asm__("main");
#else
extern "C" __attribute__((visibility("default"))) AEffect* DemoPluginMain(
    audioMasterCallback host) __asm__("main");
#endif

extern "C" AEffect* DemoPluginMain(audioMasterCallback host) {
    return vq318demo::CreateInstance(host);
}
