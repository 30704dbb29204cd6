// GetModuleHandleW and GetModuleFileNameW.
#include <algorithm>

#include "cewchar.h"
#include "kernel/Module.h"
#include "winbase.h"
#include "winuser.h"

namespace {

const ce::kernel::Module* findByInstance(const std::vector<ce::kernel::Module>& modules, HMODULE instance) {
    if (modules.empty()) return nullptr;
    if (!instance) return &modules.front();
    for (const ce::kernel::Module& module : modules)
        if (module.instance == instance) return &module;
    return nullptr;
}

}  // namespace

HMODULE GetModuleHandleW(LPCWSTR lpModuleName) {
    std::vector<ce::kernel::Module> modules = ce::kernel::loadedModules();
    if (!lpModuleName) {
        if (!modules.empty()) return modules.front().instance;
    } else {
        for (const ce::kernel::Module& module : modules)
            if (ce::kernel::moduleNameMatches(lpModuleName, module.path)) return module.instance;
    }
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
}

// A path that does not fit is cut to nSize - 1 characters and terminated; the result is
// then nSize, with ERROR_INSUFFICIENT_BUFFER.
DWORD GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize) {
    if (!lpFilename && nSize > 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::vector<ce::kernel::Module> modules = ce::kernel::loadedModules();
    const ce::kernel::Module* module = findByInstance(modules, hModule);
    if (!module) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return 0;
    }
    std::u16string path = ce::fromUtf8(module->path);
    if (nSize == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    DWORD copied = static_cast<DWORD>(std::min<size_t>(path.size(), nSize - 1));
    std::copy_n(path.data(), copied, lpFilename);
    lpFilename[copied] = 0;
    if (copied < path.size()) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return nSize;
    }
    return copied;
}
