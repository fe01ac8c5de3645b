/* The workstation in C. Description objects answer every slot; the few that a host keeps
 * (AddEffect, AddComponent, AddProcPtr, Clear, AddProcessProc_Native) record what they are
 * given. */
#include "c_host.h"

#include <string.h>

#include "module_calls.h"

enum {
    kNoInterface = (int32_t)0x80000004u,
    kSlots = 24,
    /* Slots of the host's description interfaces that the host keeps. */
    kCollectionAddEffect = 7,
    kEffectAddComponent = 3,
    kEffectAddProcPtr = 7,
    kComponentClear = 3,
    kComponentAddProcessProc = 16,
    /* Slots of the module's effect-parameters interface. */
    kParametersInitialize = 3,
    kParametersUninitialize = 4,
    kParametersGenerateCoefficients = 31,
};

enum { kFactory, kCollection, kEffectDescriptor, kComponentDescriptor, kOther };

static const ck_uid kFactoryId = {
    0x382B6A96, 0x7FD0, 0x11D6, {0xBC, 0xFE, 0x00, 0x30, 0x65, 0x42, 0xA0, 0x24}};
static const ck_uid kCollectionClass = {
    0x89882C2D, 0x77BC, 0x42EF, {0x70, 0x7B, 0x79, 0x81, 0xB7, 0xBD, 0x0C, 0xCA}};
static const ck_uid kEffectDescriptorClass = {
    0x89872C2D, 0x75BC, 0x423F, {0x40, 0x1B, 0xF9, 0xA1, 0xBA, 0xAD, 0x0C, 0xCA}};
static const ck_uid kComponentDescriptorClass = {
    0x94872C3D, 0x95BC, 0x413D, {0xD0, 0xDB, 0xD9, 0xB1, 0x2A, 0xAD, 0x0C, 0xCA}};
static const ck_uid kEffectParameters = {
    0x964E333D, 0x334C, 0x533F, {0xC2, 0xC7, 0x38, 0x34, 0xC3, 0xC2, 0x3E, 0x3E}};

static bool same(const ck_uid* a, const ck_uid* b) {
    return memcmp(a, b, sizeof *a) == 0;
}

/* Every description object is every interface the module asks of it: its table has a function
 * in each slot. The operations the host does not keep share one function that ignores its
 * arguments and succeeds; on x86-64 the caller passes and removes the arguments, so a function
 * that reads none of them may stand in any slot that returns a 32-bit result. */
static int32_t ignored(void) {
    return 0;
}

static uint32_t add_ref(ck_object* self) {
    return (uint32_t)++self->references;
}

static uint32_t release(ck_object* self) {
    return (uint32_t)--self->references;
}

static int32_t query_interface(ck_object* self, const ck_uid* iid, void** out) {
    (void)iid;
    *out = self;
    add_ref(self);
    return 0;
}

static int32_t create_component(ck_object* self, const ck_uid* clsid, void* outer,
                                const ck_uid* iid, void** out);

static int32_t add_effect(ck_object* self, const char* identifier, ck_object* descriptor) {
    (void)identifier;
    (void)descriptor;
    ++self->host->effects;
    return 0;
}

static int32_t add_component(ck_object* self, ck_object* component) {
    ck_host* host = self->host;
    if (host->components < 2) host->renderProcs[host->components] = component->renderProc;
    ++host->components;
    return 0;
}

static int32_t add_proc_ptr(ck_object* self, ck_create_proc procedure, uint32_t procID) {
    if (procID < 2) self->host->createProcs[procID] = procedure;
    return 0;
}

static int32_t clear(ck_object* self) {
    self->renderProc = NULL;
    return 0;
}

static int32_t add_process_proc(ck_object* self, ck_render_proc procedure, void* properties,
                                void* init, void* background, uint32_t* procID) {
    (void)properties;
    (void)init;
    (void)background;
    (void)procID;
    self->renderProc = procedure;
    return 0;
}

typedef struct object_table {
    ck_function slots[kSlots];
} object_table;

static object_table tables[kOther + 1];

static void fill_tables(void) {
    for (int kind = kFactory; kind <= kOther; ++kind) {
        object_table* table = &tables[kind];
        table->slots[0] = (ck_function)query_interface;
        table->slots[1] = (ck_function)add_ref;
        table->slots[2] = (ck_function)release;
        for (int slot = 3; slot < kSlots; ++slot) table->slots[slot] = (ck_function)ignored;
    }
    tables[kFactory].slots[3] = (ck_function)create_component;
    tables[kCollection].slots[kCollectionAddEffect] = (ck_function)add_effect;
    tables[kEffectDescriptor].slots[kEffectAddComponent] = (ck_function)add_component;
    tables[kEffectDescriptor].slots[kEffectAddProcPtr] = (ck_function)add_proc_ptr;
    tables[kComponentDescriptor].slots[kComponentClear] = (ck_function)clear;
    tables[kComponentDescriptor].slots[kComponentAddProcessProc] = (ck_function)add_process_proc;
}

static void init_object(ck_object* object, ck_host* host, int kind) {
    memset(object, 0, sizeof *object);
    object->table = &tables[kind];
    object->kind = kind;
    object->host = host;
}

/* The factory answers its own identifier and the unknown's; the objects it makes answer all. */
static int32_t factory_query(ck_object* self, const ck_uid* iid, void** out) {
    static const ck_uid unknown = {0, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
    if (!same(iid, &kFactoryId) && !same(iid, &unknown)) {
        *out = NULL;
        return kNoInterface;
    }
    *out = self;
    add_ref(self);
    return 0;
}

static int32_t create_component(ck_object* self, const ck_uid* clsid, void* outer,
                                const ck_uid* iid, void** out) {
    (void)outer;
    (void)iid;
    ck_host* host = self->host;
    *out = NULL;
    if (host->objectCount == CK_MAX_OBJECTS) return kNoInterface;
    int kind = kOther;
    if (same(clsid, &kCollectionClass)) kind = kCollection;
    if (same(clsid, &kEffectDescriptorClass)) kind = kEffectDescriptor;
    if (same(clsid, &kComponentDescriptorClass)) kind = kComponentDescriptor;
    ck_object* object = &host->objects[host->objectCount++];
    init_object(object, host, kind);
    object->references = 1;
    *out = object;
    return 0;
}

void ck_host_init(ck_host* host) {
    fill_tables();
    tables[kFactory].slots[0] = (ck_function)factory_query;
    memset(host, 0, sizeof *host);
    init_object(&host->factory, host, kFactory);
    host->factory.references = 1;
}

int32_t ck_host_references(const ck_host* host) {
    int32_t held = host->factory.references - 1;
    for (int i = 0; i < host->objectCount; ++i) held += host->objects[i].references;
    return held;
}

int32_t ck_host_register(ck_host* host, const ck_module* module) {
    int32_t result = module->startup(&host->factory);
    if (result != 0) return result;
    void* definition = NULL;
    result = module->registerPlugin(&host->factory, &definition);
    if (definition != NULL) release((ck_object*)definition);
    return result;
}

int ck_host_render_stereo_block(ck_host* host, float* const input[2], float* const output[2],
                                int32_t frames) {
    if (host->createProcs[0] == NULL || host->components < 2 || host->renderProcs[1] == NULL) {
        return -1;
    }
    void* unknown = host->createProcs[0]();
    if (unknown == NULL) return -2;
    typedef int32_t (*query_function)(void*, const ck_uid*, void**);
    void* parameters = NULL;
    if (((query_function)ck_slot(unknown, 0))(unknown, &kEffectParameters, &parameters) != 0) {
        return -3;
    }

    void* context[CK_CONTEXT_FIELDS] = {0};
    ck_controller controller;
    ck_controller_init(&controller);
    controller.context = context;
    typedef int32_t (*initialize_function)(void*, void*);
    typedef int32_t (*no_argument_function)(void*);
    if (((initialize_function)ck_slot(parameters, kParametersInitialize))(parameters,
                                                                          &controller) != 0) {
        return -4;
    }
    ((no_argument_function)ck_slot(parameters, kParametersGenerateCoefficients))(parameters);

    ck_transport transport;
    ck_transport_init(&transport);
    ck_midi_node transportNode;
    ck_midi_node_init(&transportNode, &transport);
    ck_midi_node midiNode;
    ck_midi_node_init(&midiNode, NULL);
    int32_t length = frames;
    context[0] = (void*)input;
    context[2] = (void*)output;
    context[5] = &length;
    context[9] = &transportNode;
    context[10] = &midiNode;

    int step = 0;
    if (context[7] == NULL || context[8] == NULL || *(int32_t*)context[8] != 1) step = -5;
    if (step == 0) {
        void* const instances[1] = {context};
        host->renderProcs[1](instances, instances + 1);
    }

    ((no_argument_function)ck_slot(parameters, kParametersUninitialize))(parameters);
    typedef uint32_t (*release_function)(void*);
    ((release_function)ck_slot(parameters, 2))(parameters);
    if (step == 0 && controller.references != 1) step = -6;
    return step;
}
