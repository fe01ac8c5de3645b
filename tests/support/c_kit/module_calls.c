#include "module_calls.h"

void ck_delete(void* object) {
    typedef void* (*function)(void*, uint32_t);
    ((function)ck_slot(object, 0))(object, 1u);
}

uint32_t ck_text_length(const void* text) {
    typedef uint32_t (*function)(const void*);
    return ((function)ck_slot(text, 1))(text);
}

uint32_t ck_text_max_length(const void* text) {
    typedef uint32_t (*function)(const void*);
    return ((function)ck_slot(text, 2))(text);
}

const char* ck_text_get(const void* text) {
    typedef const char* (*function)(const void*);
    return ((function)ck_slot(text, 3))(text);
}

void ck_text_set(void* text, const char* value) {
    typedef void (*function)(void*, const char*);
    ((function)ck_slot(text, 4))(text, value);
}

void* ck_text_assign_text(void* text, const char* value) {
    typedef void* (*function)(void*, const char*);
    return ((function)ck_slot(text, 5))(text, value);
}

void* ck_text_assign_string(void* text, const void* other) {
    typedef void* (*function)(void*, const void*);
    return ((function)ck_slot(text, 6))(text, other);
}

const char* ck_parameter_identifier(const void* parameter) {
    typedef const char* (*function)(const void*);
    return ((function)ck_slot(parameter, 1))(parameter);
}

const void* ck_parameter_name(const void* parameter) {
    typedef const void* (*function)(const void*);
    return ((function)ck_slot(parameter, 3))(parameter);
}

bool ck_parameter_automatable(const void* parameter) {
    typedef bool (*function)(const void*);
    return ((function)ck_slot(parameter, 7))(parameter);
}

void ck_parameter_set_normalized(void* parameter, double value) {
    typedef void (*function)(void*, double);
    ((function)ck_slot(parameter, 11))(parameter, value);
}

double ck_parameter_get_normalized(const void* parameter) {
    typedef double (*function)(const void*);
    return ((function)ck_slot(parameter, 12))(parameter);
}

uint32_t ck_parameter_number_of_steps(const void* parameter) {
    typedef uint32_t (*function)(const void*);
    return ((function)ck_slot(parameter, 17))(parameter);
}

bool ck_parameter_value_string(const void* parameter, void* text) {
    typedef bool (*function)(const void*, void*);
    return ((function)ck_slot(parameter, 21))(parameter, text);
}

bool ck_parameter_string_from_normalized(const void* parameter, double value, void* text) {
    typedef bool (*function)(const void*, double, void*);
    return ((function)ck_slot(parameter, 24))(parameter, value, text);
}

int32_t ck_query_interface(void* object, const ck_uid* iid, void** out) {
    typedef int32_t (*function)(void*, const ck_uid*, void**);
    return ((function)ck_slot(object, 0))(object, iid, out);
}

uint32_t ck_add_ref(void* object) {
    typedef uint32_t (*function)(void*);
    return ((function)ck_slot(object, 1))(object);
}

uint32_t ck_release(void* object) {
    typedef uint32_t (*function)(void*);
    return ((function)ck_slot(object, 2))(object);
}

int32_t ck_effect_initialize(void* effect, void* controller) {
    typedef int32_t (*function)(void*, void*);
    return ((function)ck_slot(effect, 3))(effect, controller);
}

int32_t ck_effect_uninitialize(void* effect) {
    typedef int32_t (*function)(void*);
    return ((function)ck_slot(effect, 4))(effect);
}

int32_t ck_effect_number_of_parameters(const void* effect, int32_t* count) {
    typedef int32_t (*function)(const void*, int32_t*);
    return ((function)ck_slot(effect, 6))(effect, count);
}

int32_t ck_effect_parameter_name(const void* effect, const char* id, void* name) {
    typedef int32_t (*function)(const void*, const char*, void*);
    return ((function)ck_slot(effect, 10))(effect, id, name);
}

int32_t ck_effect_parameter_id(const void* effect, int32_t index, void* id) {
    typedef int32_t (*function)(const void*, int32_t, void*);
    return ((function)ck_slot(effect, 18))(effect, index, id);
}

int32_t ck_effect_get_normalized(const void* effect, const char* id, double* value) {
    typedef int32_t (*function)(const void*, const char*, double*);
    return ((function)ck_slot(effect, 23))(effect, id, value);
}

int32_t ck_effect_set_normalized(void* effect, const char* id, double value) {
    typedef int32_t (*function)(void*, const char*, double);
    return ((function)ck_slot(effect, 24))(effect, id, value);
}

int32_t ck_effect_update_normalized(void* effect, const char* id, double value, int32_t source) {
    typedef int32_t (*function)(void*, const char*, double, int32_t);
    return ((function)ck_slot(effect, 29))(effect, id, value, source);
}

int32_t ck_effect_chunk_id(const void* effect, int32_t index, uint32_t* id) {
    typedef int32_t (*function)(const void*, int32_t, uint32_t*);
    return ((function)ck_slot(effect, 34))(effect, index, id);
}

int32_t ck_effect_chunk_size(void* effect, uint32_t chunkID, uint32_t* size) {
    typedef int32_t (*function)(void*, uint32_t, uint32_t*);
    return ((function)ck_slot(effect, 35))(effect, chunkID, size);
}

int32_t ck_effect_get_chunk(void* effect, uint32_t chunkID, void* chunk) {
    typedef int32_t (*function)(void*, uint32_t, void*);
    return ((function)ck_slot(effect, 36))(effect, chunkID, chunk);
}

int32_t ck_effect_set_chunk(void* effect, uint32_t chunkID, const void* chunk) {
    typedef int32_t (*function)(void*, uint32_t, const void*);
    return ((function)ck_slot(effect, 37))(effect, chunkID, chunk);
}

int32_t ck_editor_initialize(void* editor, void* controller) {
    typedef int32_t (*function)(void*, void*);
    return ((function)ck_slot(editor, 3))(editor, controller);
}

int32_t ck_editor_uninitialize(void* editor) {
    typedef int32_t (*function)(void*);
    return ((function)ck_slot(editor, 4))(editor);
}

int32_t ck_editor_set_view_container(void* editor, void* view) {
    typedef int32_t (*function)(void*, void*);
    return ((function)ck_slot(editor, 6))(editor, view);
}

int32_t ck_editor_view_size(const void* editor, float size[2]) {
    typedef int32_t (*function)(const void*, float*);
    return ((function)ck_slot(editor, 7))(editor, size);
}
