// Kernel objects: whatever CloseHandle closes (database and enumeration handles, named
// objects). Each kind derives from KernelObject; its destructor releases what it holds.
#pragma once

#include <memory>

#include "windef.h"

namespace ce::kernel {

class KernelObject {
public:
    virtual ~KernelObject() = default;
};

// Registers an object and returns its handle (null when no handle is left).
HANDLE addObject(std::unique_ptr<KernelObject> object);
// The object behind a handle, or null when the handle is stale, unknown or of another kind.
KernelObject* findObject(HANDLE handle);
template <class T>
T* findObject(HANDLE handle) {
    return dynamic_cast<T*>(findObject(handle));
}
// Takes the object out and destroys it; false for a stale or unknown handle.
bool closeObject(HANDLE handle);

}  // namespace ce::kernel
