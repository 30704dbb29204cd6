// COM initialisation: a per-thread count and the mode the first call chose.
#include "objbase.h"

namespace {

thread_local unsigned t_count = 0;
thread_local DWORD t_mode = 0;

}  // namespace

HRESULT CoInitializeEx(LPVOID, DWORD dwCoInit) {
    DWORD mode = dwCoInit & COINIT_APARTMENTTHREADED;
    if (t_count == 0) {
        t_mode = mode;
        t_count = 1;
        return S_OK;
    }
    if (mode != t_mode) return RPC_E_CHANGED_MODE;
    ++t_count;
    return S_FALSE;
}

void CoUninitialize() {
    if (t_count > 0) --t_count;
}
