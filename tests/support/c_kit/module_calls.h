/* Calls into module objects by slot index, the way a workstation built by another compiler makes
 * them: through the object's table, the object passed first. */
#ifndef VQ318_MODULE_CALLS_H
#define VQ318_MODULE_CALLS_H

#include "c_kit.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Slot 0 with bit 0 set: destroys and frees the object, as a delete through the interface. */
void ck_delete(void* object);

/* A text object (slots 1 to 6). */
uint32_t ck_text_length(const void* text);
uint32_t ck_text_max_length(const void* text);
const char* ck_text_get(const void* text);
void ck_text_set(void* text, const char* value);
void* ck_text_assign_text(void* text, const char* value);
void* ck_text_assign_string(void* text, const void* other);

/* A parameter (the slots a workstation uses). */
const char* ck_parameter_identifier(const void* parameter);                                /* 1 */
const void* ck_parameter_name(const void* parameter);                                      /* 3 */
bool ck_parameter_automatable(const void* parameter);                                      /* 7 */
void ck_parameter_set_normalized(void* parameter, double value);                           /* 11 */
double ck_parameter_get_normalized(const void* parameter);                                 /* 12 */
uint32_t ck_parameter_number_of_steps(const void* parameter);                              /* 17 */
bool ck_parameter_value_string(const void* parameter, void* text);                         /* 21 */
bool ck_parameter_string_from_normalized(const void* parameter, double value, void* text); /* 24 */

/* Any ACF object of the module (slots 0 to 2). */
int32_t ck_query_interface(void* object, const ck_uid* iid, void** out);
uint32_t ck_add_ref(void* object);
uint32_t ck_release(void* object);

/* The effect-parameters object. A chunk is the host's record: a 56-byte header, the size first,
 * then the data area. */
int32_t ck_effect_initialize(void* effect, void* controller);                        /* 3 */
int32_t ck_effect_uninitialize(void* effect);                                        /* 4 */
int32_t ck_effect_number_of_parameters(const void* effect, int32_t* count);          /* 6 */
int32_t ck_effect_parameter_name(const void* effect, const char* id, void* name);    /* 10 */
int32_t ck_effect_parameter_id(const void* effect, int32_t index, void* id);         /* 18 */
int32_t ck_effect_get_normalized(const void* effect, const char* id, double* value); /* 23 */
int32_t ck_effect_set_normalized(void* effect, const char* id, double value);        /* 24 */
int32_t ck_effect_update_normalized(void* effect, const char* id, double value,
                                    int32_t source);                            /* 29 */
int32_t ck_effect_chunk_id(const void* effect, int32_t index, uint32_t* id);    /* 34 */
int32_t ck_effect_chunk_size(void* effect, uint32_t chunkID, uint32_t* size);   /* 35 */
int32_t ck_effect_get_chunk(void* effect, uint32_t chunkID, void* chunk);       /* 36 */
int32_t ck_effect_set_chunk(void* effect, uint32_t chunkID, const void* chunk); /* 37 */

/* The editor object. `size` receives the height, then the width. */
int32_t ck_editor_initialize(void* editor, void* controller);   /* 3 */
int32_t ck_editor_uninitialize(void* editor);                   /* 4 */
int32_t ck_editor_set_view_container(void* editor, void* view); /* 6 */
int32_t ck_editor_view_size(const void* editor, float size[2]); /* 7 */

#ifdef __cplusplus
}
#endif

#endif
