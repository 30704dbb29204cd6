// Texts for the last-error codes the object store sets.
#include "ErrorText.h"

#include "ceobjstore.h"
#include "winbase.h"

namespace cedb {

std::string errorText(DWORD code) {
    switch (code) {
    case ERROR_FILE_NOT_FOUND: return "no such database";
    case ERROR_INVALID_HANDLE: return "no such object";
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY: return "out of memory";
    case ERROR_SHARING_VIOLATION: return "the database is open";
    case ERROR_DUP_NAME: return "a database of that name already exists";
    case ERROR_INVALID_PARAMETER: return "the object store refused the request (invalid parameter)";
    case ERROR_DISK_FULL: return "the disk is full";
    case ERROR_KEY_DELETED: return "the record was deleted";
    case ERROR_NO_MORE_ITEMS: return "no more records";
    default: return "error " + std::to_string(code);
    }
}

std::string lastFailure() {
    DWORD code = GetLastError();
    std::string volume = ce::objstore::lastVolumeError();
    return volume.empty() ? errorText(code) : volume;
}

}  // namespace cedb
