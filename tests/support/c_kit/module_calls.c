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
