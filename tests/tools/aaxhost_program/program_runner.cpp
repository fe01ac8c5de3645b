#include "tests/tools/aaxhost_program/program_runner.h"

#include <fstream>

void WriteTextFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}
