// CreateMutexW: local mutexes, and named ones shared with the user's other processes.
#include <memory>

#include "kernel/MutexObject.h"
#include "winbase.h"

using ce::kernel::MutexObject;
using ce::kernel::NamedObject;

HANDLE CreateMutexW(LPSECURITY_ATTRIBUTES, BOOL, LPCWSTR lpName) {
    if (!lpName) {
        SetLastError(ERROR_SUCCESS);
        return ce::kernel::addObject(std::make_unique<MutexObject>());
    }
    NamedObject hold;
    NamedObject::Result result = NamedObject::open(MutexObject::c_kind, lpName, hold);
    if (result == NamedObject::Result::wrongKind) SetLastError(ERROR_INVALID_HANDLE);
    if (result == NamedObject::Result::wrongKind || result == NamedObject::Result::failed)
        return nullptr;
    HANDLE handle = ce::kernel::addObject(std::make_unique<MutexObject>(std::move(hold)));
    if (!handle) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    SetLastError(result == NamedObject::Result::opened ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
    return handle;
}
