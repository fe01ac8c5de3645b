// aaxhost: the stand-in host program; see tools/aaxhost/cli/options.h for its commands.
#include <iostream>

#include "tools/aaxhost/program/program.h"

int main(int argc, char* argv[]) {
    return aaxhost::RunProgram(argc, argv, std::cout, std::cerr);
}
