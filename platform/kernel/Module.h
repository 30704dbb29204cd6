// Loaded modules: the program and its shared libraries, as the dynamic linker lists them. A
// module's HINSTANCE is its load address (the lowest page it occupies, what dladdr reports).
#pragma once

#include <string>
#include <vector>

#include "windef.h"

namespace ce::kernel {

struct Module {
    HINSTANCE instance;
    std::string path;  // the program's own path for the program
};

// Every loaded module, the program first.
std::vector<Module> loadedModules();

// Whether a module name, as GetModuleHandleW takes it, names the module in the file at path.
// Case is ignored and so is any folder. The name may leave out the extension, and the
// handheld's spelling of a library names its file here: "nevo_common.dll" and "nevo_common"
// both name libnevo_common.so, "platform_tests.exe" names the program platform_tests.
bool moduleNameMatches(std::u16string_view name, std::string_view path);

}  // namespace ce::kernel
