#include "main/SingleInstance.h"

#include "app/ProgramTitle.h"

namespace Orvane {

namespace {

constexpr int c_rounds = 25;
constexpr DWORD c_retryMs = 100;

}  // namespace

HRESULT checkSingleInstance() {
    const WCHAR* title = programTitle();
    if (!*title) return E_FAIL;
    for (int round = 0; round < c_rounds; ++round) {
        HANDLE mutex = CreateMutexW(nullptr, FALSE, title);
        if (!mutex) return GetLastError() == ERROR_INVALID_HANDLE ? E_INVALIDARG : E_FAIL;
        // The first instance keeps its handle open for as long as it runs.
        if (GetLastError() != ERROR_ALREADY_EXISTS) return 0;
        CloseHandle(mutex);
        // The other instance may still be starting: its window comes a little later.
        HWND other = FindWindowW(title, nullptr);
        if (!other) {
            Sleep(c_retryMs);
            continue;
        }
        // The lowest bit raises the window's owned pop-ups with it.
        if (SetForegroundWindow(reinterpret_cast<HWND>(reinterpret_cast<ULONG_PTR>(other) | 1))) return 1;
    }
    return 0;
}

}  // namespace Orvane
