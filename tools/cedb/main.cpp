// cedb: the object store's command line.
#include <iostream>

#include "CommandLine.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return cedb::run(args, std::cout, std::cerr);
}
