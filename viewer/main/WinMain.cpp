// Orvane's entry point: one instance, COM on the thread, the application object, the main
// frame and the message loop, whose quit code is the exit code.
#include <objbase.h>
#include <windows.h>

#include "app/Globals.h"
#include "app/MainFrame.h"
#include "app/ViewerApp.h"
#include "atl/atlapp.h"
#include "core/Debug.h"
#include "main/SingleInstance.h"
#include "resources/ResourceIds.h"

namespace Orvane {

namespace {

int run(int showCommand) {
    auto* app = new ViewerApp();
    CMessageLoop loop;
    appModule().AddMessageLoop(&loop);
    auto* frame = new MainFrame(app, IDR_MAINFRAME);
    loop.AddMessageFilter(frame);
    int result = 1;
    if (!frame->create()) {
        // The box says why; the quit it asks for is not waited for.
        Nevo::Debug::abort(u"::Run: Error %d", static_cast<int>(GetLastError()));
    } else {
        frame->ShowWindow(showCommand);
        result = loop.Run();
    }
    loop.RemoveMessageFilter(frame);
    appModule().RemoveMessageLoop();
    // The cards go with the application: the frame must no longer pass messages to them,
    // nor the libraries find the application.
    frame->RemoveChainEntry(MainFrame::c_cardChain);
    delete app;
    Nevo::Globals::setActiveApp(nullptr);
    if (frame->m_hWnd) frame->DestroyWindow();
    delete frame;
    return result;
}

}  // namespace

}  // namespace Orvane

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int showCommand) {
    Nevo::Debug::trace(1, u"Orvane::WinMain");
    HRESULT single = Orvane::checkSingleInstance();
    if (single < 0 || single == 1) return static_cast<int>(single);
    CoInitializeEx(nullptr, 0);
    appModule().Init(instance);
    int result = Orvane::run(showCommand);
    appModule().Term();
    CoUninitialize();
    Nevo::Debug::trace(3, u"Orvane: Normal termination (return code %d)", result);
    return result;
}

int main() {
    return WinMain(GetModuleHandleW(nullptr), nullptr, nullptr, SW_SHOW);
}
