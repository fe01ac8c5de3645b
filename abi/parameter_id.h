// Parameter identifiers cross every interface as NUL-terminated byte strings, compared byte for
// byte.
#pragma once

using ParameterId = const char*;
