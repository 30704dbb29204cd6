// Posting WM_DBNOTIFICATION and releasing its CENOTIFICATION. The notification comes from
// the request's heap (the local heap when it names none) so that CeFreeNotification, given
// the same request, returns it there.
#include "Notifications.h"

#include "winbase.h"
#include "winuser.h"

namespace ce::objstore {

namespace {

void* allocateFrom(HANDLE heap, SIZE_T bytes) {
    return heap ? HeapAlloc(heap, HEAP_ZERO_MEMORY, bytes) : LocalAlloc(LPTR, bytes);
}

void releaseTo(HANDLE heap, void* block) {
    if (heap)
        HeapFree(heap, 0, block);
    else
        LocalFree(block);
}

}  // namespace

void postNotification(const CENOTIFYREQUEST& request, UINT type, CEOID oid, CEOID parent) {
    auto* notification = static_cast<CENOTIFICATION*>(allocateFrom(request.hHeap, sizeof(CENOTIFICATION)));
    if (!notification) return;  // out of memory: the change stands, the news is lost
    notification->dwSize = sizeof(CENOTIFICATION);
    notification->dwParam = request.dwParam;
    notification->uType = type;
    notification->guid = CEGUID{};
    notification->oid = oid;
    notification->oidParent = parent;
    if (!PostMessageW(request.hwnd, WM_DBNOTIFICATION, 0, reinterpret_cast<LPARAM>(notification)))
        releaseTo(request.hHeap, notification);
}

}  // namespace ce::objstore

BOOL CeFreeNotification(PCENOTIFYREQUEST pRequest, PCENOTIFICATION pNotify) {
    if (!pRequest || !pNotify) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    ce::objstore::releaseTo(pRequest->hHeap, pNotify);
    return TRUE;
}
