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

#ifdef __cplusplus
}
#endif

#endif
