// Orvane's entry point: one instance, COM on the thread, the module object, and the program,
// whose result is the exit code.
#include <objbase.h>
#include <windows.h>

#include "app/ViewerProgram.h"
#include "atl/atlapp.h"
#include "core/Debug.h"
#include "main/SingleInstance.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int showCommand) {
    Nevo::Debug::trace(1, u"Orvane::WinMain");
    HRESULT single = Orvane::checkSingleInstance();
    if (single < 0 || single == 1) return static_cast<int>(single);
    CoInitializeEx(nullptr, 0);
    appModule().Init(instance);
    int result = Orvane::runViewer(showCommand);
    appModule().Term();
    CoUninitialize();
    Nevo::Debug::trace(3, u"Orvane: Normal termination (return code %d)", result);
    return result;
}

int main() {
    return WinMain(GetModuleHandleW(nullptr), nullptr, nullptr, SW_SHOW);
}
