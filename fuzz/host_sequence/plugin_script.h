// The test plug-in's answers, read from the fuzz input: what the next instances created will do.
#pragma once

#include "fuzz/host_sequence/byte_reader.h"
#include "tests/support/test_plugin_api.h"

testplugin::Script ReadPluginScript(ByteReader& in);
