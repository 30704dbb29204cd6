// Finds the host program behind a handheld program name: peghelp.exe is the help viewer
// ($CE_PEGHELP, else beside the running program, else the build tree's bin/); another
// "x.exe" is "x" beside the running program, then in PATH's absolute folders; a path is
// taken as it is.
#pragma once

#include <string>

namespace ce::kernel {

// The executable's path, or "" when there is none.
std::string locateProgram(const std::string& name);

}  // namespace ce::kernel
