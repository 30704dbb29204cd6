// The registry of kernel objects behind HANDLEs, and CloseHandle over it.
#include "kernel/KernelObject.h"

#include "kernel/HandleTable.h"
#include "winbase.h"

namespace ce::kernel {

namespace {

// Never destroyed: objects still open at exit may depend on state torn down before us.
HandleTable<KernelObject>& objects() {
    static auto* table = new HandleTable<KernelObject>;
    return *table;
}

std::uintptr_t valueOf(HANDLE handle) {
    return reinterpret_cast<std::uintptr_t>(handle);
}

}  // namespace

HANDLE addObject(std::unique_ptr<KernelObject> object) {
    if (!object) return nullptr;
    return reinterpret_cast<HANDLE>(objects().add(std::move(object)));
}

KernelObject* findObject(HANDLE handle) {
    return objects().find(valueOf(handle));
}

bool closeObject(HANDLE handle) {
    // Out of the table before its destructor runs, so the handle is stale even to the
    // destructor itself.
    std::unique_ptr<KernelObject> object = objects().remove(valueOf(handle));
    return object != nullptr;
}

}  // namespace ce::kernel

BOOL CloseHandle(HANDLE hObject) {
    if (ce::kernel::closeObject(hObject)) return TRUE;
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
}
