// cedb's entry: global options, the usage text and the choice of command.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace cedb {

// Runs `cedb ARGS...` (without the program name) and returns its exit code.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace cedb
