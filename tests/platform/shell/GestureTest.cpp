// Tap-and-hold: held still for the hold time it is recognised (red dots meanwhile, the touch
// swallowed, the parent told through WM_NOTIFY with the point on the screen); lifted or moved
// away it is not, and the stylus messages stay queued so the touch goes on as a click.
#include "aygshell.h"
#include "gwe/Input.h"
#include "platform/gwe/MessageRecorder.h"

namespace gwetest {
namespace {

namespace input = ce::gwe::input;

class GestureTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        parent = create("parent", nullptr, WS_VISIBLE);
        MoveWindow(parent, 0, 26, 240, 294, FALSE);
        button = create("button", parent, WS_VISIBLE, 1002);
        MoveWindow(button, 100, 100, 40, 40, FALSE);
        recorder.dispatchPosted();
        recorder.clear();
    }

    DWORD recognise(DWORD flags, POINT client = {10, 10}) {
        SHRGINFO info{sizeof(SHRGINFO), button, client, flags};
        return SHRecognizeGesture(&info);
    }

    // The stylus message still waiting, or 0.
    static UINT queuedStylus() {
        MSG msg;
        return PeekMessageW(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE) ? msg.message : 0;
    }

    HWND parent{}, button{};
};

TEST_F(GestureTest, AStillHoldIsRecognisedAndThePenUpIsSwallowed) {
    input::stylusDown({110, 136});  // button's client (10, 10)
    ASSERT_EQ(queuedStylus(), UINT(WM_LBUTTONDOWN));  // taken by the button's handler
    NMRGINFO seen{};
    HWND notified = nullptr;
    recorder.setHandler([&](HWND hwnd, UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        if (message != WM_NOTIFY) return std::nullopt;
        notified = hwnd;
        seen = *reinterpret_cast<NMRGINFO*>(lParam);
        return TRUE;
    });
    input::stylusMove({112, 137});  // within the slack
    EXPECT_EQ(recognise(SHRG_NOTIFYPARENT), DWORD(GN_CONTEXTMENU));
    EXPECT_EQ(notified, parent);
    EXPECT_EQ(seen.hdr.code, UINT(GN_CONTEXTMENU));
    EXPECT_EQ(seen.hdr.hwndFrom, button);
    EXPECT_EQ(seen.hdr.idFrom, UINT_PTR(1002));
    EXPECT_EQ(seen.ptAction.x, 110);  // screen coordinates of the touch
    EXPECT_EQ(seen.ptAction.y, 136);
    input::stylusUp({112, 137});
    EXPECT_EQ(queuedStylus(), 0u);
}

TEST_F(GestureTest, ALiftedOrMovedStylusIsNoGestureAndItsMessagesStayQueued) {
    input::stylusDown({110, 136});
    queuedStylus();
    input::stylusUp({110, 136});
    EXPECT_EQ(recognise(SHRG_NOTIFYPARENT), 0u);
    EXPECT_EQ(queuedStylus(), UINT(WM_LBUTTONUP));

    input::stylusDown({110, 136});
    queuedStylus();
    input::stylusMove({130, 136});
    EXPECT_EQ(recognise(SHRG_RETURNCMD), 0u);
    EXPECT_EQ(queuedStylus(), UINT(WM_MOUSEMOVE));
    input::stylusUp({130, 136});
    EXPECT_EQ(queuedStylus(), UINT(WM_LBUTTONUP));
}

TEST_F(GestureTest, ReturnCommandTellsNoWindowAndWithoutAStylusNothingIsHeld) {
    EXPECT_EQ(recognise(SHRG_RETURNCMD), 0u);  // the stylus is up
    input::stylusDown({110, 136});
    queuedStylus();
    EXPECT_EQ(recognise(SHRG_RETURNCMD | SHRG_NOANIMATION), DWORD(GN_CONTEXTMENU));
    input::stylusUp({110, 136});
    recorder.dispatchPosted();
    EXPECT_TRUE(recorder.matches({}));
    SHRGINFO bad{sizeof(SHRGINFO) - 1, button, {}, 0};
    EXPECT_EQ(SHRecognizeGesture(&bad), 0u);
}

// The first dot sits straight above the touch; it is on the screen while the stylus is held
// and gone once the windows under it have repainted.
TEST_F(GestureTest, RedDotsShowWhileHeldAndGoAfterwards) {
    static COLORREF dotPixel;
    dotPixel = 0;
    auto look = [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        HDC screen = GetDC(nullptr);
        dotPixel = GetPixel(screen, 110, 136 - 14);
        ReleaseDC(nullptr, screen);
    };
    SetTimer(nullptr, 0, 300, look);
    recorder.setHandler([](HWND hwnd, UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
        if (message != WM_ERASEBKGND) return std::nullopt;
        RECT client;
        GetClientRect(hwnd, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        return TRUE;
    });
    input::stylusDown({110, 136});
    queuedStylus();
    EXPECT_EQ(recognise(SHRG_RETURNCMD), DWORD(GN_CONTEXTMENU));
    input::stylusUp({110, 136});
    EXPECT_EQ(dotPixel, RGB(255, 0, 0));
    recorder.dispatchPosted();
    HDC screen = GetDC(nullptr);
    EXPECT_NE(GetPixel(screen, 110, 136 - 14), RGB(255, 0, 0));
    ReleaseDC(nullptr, screen);
}

}  // namespace
}  // namespace gwetest
