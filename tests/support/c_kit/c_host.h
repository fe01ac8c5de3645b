/* A workstation in C: it registers a module through its entry points, keeps the procedures the
 * description gives, and runs one instance of the effect by slot index, the way a host built by
 * another compiler does. The caller loads the module and hands over its entry points. */
#ifndef VQ318_C_HOST_H
#define VQ318_C_HOST_H

#include "c_kit.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef int32_t (*ck_entry_unknown)(void* host);
typedef int32_t (*ck_entry_register)(void* host, void** definition);
typedef void* (*ck_create_proc)(void);
typedef void (*ck_render_proc)(void* const instancesBegin[], const void* instancesEnd);

typedef struct ck_module {
    ck_entry_unknown startup;
    ck_entry_unknown shutdown;
    ck_entry_register registerPlugin;
    ck_entry_unknown canUnloadNow;
} ck_module;

/* Host objects that the description creates through the factory, each answering every slot. */
enum { CK_MAX_OBJECTS = 32 };
typedef struct ck_object {
    const void* table;
    int32_t references;
    int kind;
    struct ck_host* host;
    ck_render_proc renderProc; /* component descriptor: its native process procedure */
} ck_object;

typedef struct ck_host {
    ck_object factory;
    ck_object objects[CK_MAX_OBJECTS];
    int objectCount;
    /* What the description declared. */
    int effects;
    ck_create_proc createProcs[2];
    ck_render_proc renderProcs[2]; /* per component, in the order they were added */
    int components;
} ck_host;

void ck_host_init(ck_host* host);
/* ACFStartup, ACFRegisterPlugin and the release of the plug-in definition; 0 on success. */
int32_t ck_host_register(ck_host* host, const ck_module* module);
/* Host references still held by the module on the host's objects. */
int32_t ck_host_references(const ck_host* host);

/* One stereo instance: the effect-parameters object made by creation procedure 0, initialised
 * with a controller that delivers packets into the instance's algorithm context, and one block
 * rendered through the stereo component's process procedure. `frames` samples per channel are
 * read from `input` and written to `output` (two channels each). Returns 0 on success, or the
 * step that failed (negative). */
int ck_host_render_stereo_block(ck_host* host, float* const input[2], float* const output[2],
                                int32_t frames);

#ifdef __cplusplus
}
#endif

#endif
