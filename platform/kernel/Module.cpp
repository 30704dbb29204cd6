// Loaded modules, found through the dynamic linker; ce::moduleOf.
#include "kernel/Module.h"

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <algorithm>

#include "ceresource.h"

namespace ce::kernel {

namespace {

// The lowest page of the object's loaded segments: what dladdr gives as its base.
HINSTANCE loadAddress(const dl_phdr_info& info) {
    ElfW(Addr) lowest = ~ElfW(Addr){0};
    for (ElfW(Half) i = 0; i < info.dlpi_phnum; ++i)
        if (info.dlpi_phdr[i].p_type == PT_LOAD) lowest = std::min(lowest, info.dlpi_phdr[i].p_vaddr);
    if (lowest == ~ElfW(Addr){0}) return nullptr;
    ElfW(Addr) page = static_cast<ElfW(Addr)>(sysconf(_SC_PAGESIZE));
    return reinterpret_cast<HINSTANCE>(info.dlpi_addr + (lowest & ~(page - 1)));
}

std::string programPath() {
    std::string path(4096, '\0');
    ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
    path.resize(length > 0 ? static_cast<size_t>(length) : 0);
    return path;
}

int addModule(dl_phdr_info* info, size_t, void* data) {
    auto& modules = *static_cast<std::vector<Module>*>(data);
    HINSTANCE instance = loadAddress(*info);
    if (!instance) return 0;
    if (modules.empty())
        modules.push_back({instance, programPath()});
    else if (info->dlpi_name && *info->dlpi_name)
        modules.push_back({instance, info->dlpi_name});
    return 0;
}

}  // namespace

std::vector<Module> loadedModules() {
    std::vector<Module> modules;
    dl_iterate_phdr(addModule, &modules);
    return modules;
}

}  // namespace ce::kernel

HINSTANCE ce::moduleOf(const void* address) {
    Dl_info info{};
    if (!address || !dladdr(address, &info)) return nullptr;
    return static_cast<HINSTANCE>(info.dli_fbase);
}
