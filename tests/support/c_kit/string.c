/* A host string with a fixed buffer, filled and read only through its table. */
#include <string.h>

#include "c_kit.h"

typedef struct string_table {
    void* (*deletingDestructor)(ck_string*, uint32_t);
    uint32_t (*length)(const ck_string*);
    uint32_t (*maxLength)(const ck_string*);
    const char* (*get)(const ck_string*);
    void (*set)(ck_string*, const char*);
    ck_string* (*assignText)(ck_string*, const char*);
    ck_string* (*assignString)(ck_string*, const void*);
} string_table;

/* Host objects live in the test's own storage: destruction frees nothing. */
static void* destroy(ck_string* self, uint32_t flags) {
    (void)flags;
    return self;
}

static uint32_t length(const ck_string* self) {
    return (uint32_t)strlen(self->text);
}

static uint32_t max_length(const ck_string* self) {
    return (uint32_t)sizeof self->text - 1;
}

static const char* get(const ck_string* self) {
    return self->text;
}

static void set(ck_string* self, const char* text) {
    ++self->writes;
    if (text == NULL) text = "";
    /* The source may be this string's own buffer. */
    memmove(self->text, text, strnlen(text, sizeof self->text - 1));
    self->text[strnlen(text, sizeof self->text - 1)] = '\0';
}

static ck_string* assign_text(ck_string* self, const char* text) {
    set(self, text);
    return self;
}

/* The other string may be any implementation: it is read through its slot 3. */
static ck_string* assign_string(ck_string* self, const void* other) {
    typedef const char* (*get_function)(const void*);
    set(self, ((get_function)ck_slot(other, 3))(other));
    return self;
}

static const string_table kTable = {destroy, length,      max_length,   get,
                                    set,     assign_text, assign_string};

void ck_string_init(ck_string* string, const char* text) {
    string->table = &kTable;
    string->text[0] = '\0';
    string->writes = 0;
    if (text != NULL) {
        set(string, text);
        string->writes = 0;
    }
}
