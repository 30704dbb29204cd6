#include "app/ViewerProgram.h"

#include "app/Globals.h"
#include "app/MainFrame.h"
#include "app/ViewerApp.h"
#include "atl/atlapp.h"
#include "core/Debug.h"
#include "resources/ResourceIds.h"

namespace Orvane {

int runViewer(int showCommand) {
    auto* app = new ViewerApp();
    CMessageLoop loop;
    appModule().AddMessageLoop(&loop);
    auto* frame = new MainFrame(app, IDR_MAINFRAME);
    loop.AddMessageFilter(frame);
    // A frame that cannot be made is a failure: the box says why, and the exit code too.
    int result = 1;
    if (!frame->create()) {
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

}  // namespace Orvane
