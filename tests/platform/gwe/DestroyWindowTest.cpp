// DestroyWindow: Win32 order over a tree of windows, stale handles afterwards, and calls
// made from inside the destruction.
#include "platform/gwe/MessageRecorder.h"

namespace gwetest {
namespace {

class DestroyWindowTest : public WindowTest {
protected:
    // top -> a -> a1, top -> b
    void makeTree() {
        top = create("top");
        a = create("a", top);
        a1 = create("a1", a);
        b = create("b", top);
        recorder.clear();
    }
    HWND top{}, a{}, a1{}, b{};
};

TEST_F(DestroyWindowTest, DestroyGoesParentFirstAndNcDestroyChildrenFirst) {
    makeTree();
    ASSERT_TRUE(DestroyWindow(top));
    EXPECT_TRUE(recorder.matches({{top, WM_DESTROY}, {a, WM_DESTROY}, {a1, WM_DESTROY}, {b, WM_DESTROY},
                                  {a1, WM_NCDESTROY}, {a, WM_NCDESTROY}, {b, WM_NCDESTROY},
                                  {top, WM_NCDESTROY}}));
}

TEST_F(DestroyWindowTest, ChildrenStillExistWhileTheParentHandlesWmDestroy) {
    makeTree();
    bool childAlive = false;
    recorder.setHandler([&](HWND hwnd, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (hwnd == top && message == WM_DESTROY) childAlive = IsWindow(a1) && GetParent(a1) == a;
        return std::nullopt;
    });
    DestroyWindow(top);
    EXPECT_TRUE(childAlive);
}

TEST_F(DestroyWindowTest, HandlesAreStaleAfterwardsAndFailWithInvalidWindowHandle) {
    makeTree();
    DestroyWindow(top);
    for (HWND gone : {top, a, a1, b}) EXPECT_FALSE(IsWindow(gone));
    SetLastError(0);
    EXPECT_FALSE(DestroyWindow(a1));
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_WINDOW_HANDLE});
    SetLastError(0);
    EXPECT_EQ(SendMessageW(a, WM_USER, 0, 0), 0);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_WINDOW_HANDLE});
    EXPECT_FALSE(PostMessageW(b, WM_USER, 0, 0));
    EXPECT_EQ(GetWindowLongPtrW(top, GWL_USERDATA), 0);
    HWND reused = create("reused");  // takes a freed slot, under a new handle
    EXPECT_NE(reused, top);
    EXPECT_FALSE(IsWindow(top));
}

TEST_F(DestroyWindowTest, DestroyingAChildLeavesTheParent) {
    makeTree();
    DestroyWindow(a);
    EXPECT_TRUE(recorder.matches({{a, WM_DESTROY}, {a1, WM_DESTROY}, {a1, WM_NCDESTROY}, {a, WM_NCDESTROY}}));
    EXPECT_TRUE(IsWindow(top));
    EXPECT_EQ(GetDlgItem(top, 0), b);
}

TEST_F(DestroyWindowTest, DestroyCalledAgainFromTheHandlersIsHarmless) {
    makeTree();
    recorder.setHandler([&](HWND hwnd, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_DESTROY || message == WM_NCDESTROY) {
            EXPECT_TRUE(DestroyWindow(hwnd));
        }
        if (hwnd == a1 && message == WM_DESTROY) DestroyWindow(top);
        return std::nullopt;
    });
    DestroyWindow(top);
    EXPECT_EQ(recorder.log().size(), 8u);
    EXPECT_FALSE(IsWindow(top));
}

TEST_F(DestroyWindowTest, ChildDestroyedDuringItsParentsWmDestroyIsDestroyedOnce) {
    makeTree();
    recorder.setHandler([&](HWND hwnd, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (hwnd == top && message == WM_DESTROY) DestroyWindow(b);
        return std::nullopt;
    });
    DestroyWindow(top);
    EXPECT_TRUE(recorder.matches({{top, WM_DESTROY}, {b, WM_DESTROY}, {b, WM_NCDESTROY}, {a, WM_DESTROY},
                                  {a1, WM_DESTROY}, {a1, WM_NCDESTROY}, {a, WM_NCDESTROY},
                                  {top, WM_NCDESTROY}}));
}

TEST_F(DestroyWindowTest, OwnedWindowsGoBeforeTheirOwner) {
    HWND owner = create("owner");
    HWND popup = create("popup", nullptr, WS_POPUP);
    SetWindowLongPtrW(popup, GWL_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    EXPECT_EQ(GetParent(popup), owner);
    recorder.clear();
    DestroyWindow(owner);
    EXPECT_TRUE(recorder.matches({{popup, WM_DESTROY}, {popup, WM_NCDESTROY}, {owner, WM_DESTROY},
                                  {owner, WM_NCDESTROY}}));
}

TEST_F(DestroyWindowTest, PostedMessagesForADestroyedWindowAreDropped) {
    makeTree();
    PostMessageW(a1, WM_USER + 1, 0, 0);
    PostMessageW(b, WM_USER + 2, 0, 0);
    PostMessageW(nullptr, WM_USER + 3, 0, 0);
    DestroyWindow(a);
    recorder.clear();
    recorder.dispatchPosted();
    EXPECT_TRUE(recorder.matches({{b, WM_USER + 2, c_posted}, {nullptr, WM_USER + 3, c_posted}}));
}

TEST_F(DestroyWindowTest, DestroyingTheActiveWindowClearsTheSlot) {
    makeTree();
    EXPECT_EQ(SetActiveWindow(top), nullptr);
    EXPECT_EQ(SetActiveWindow(b), top);
    DestroyWindow(b);
    EXPECT_EQ(GetActiveWindow(), nullptr);
}

}  // namespace
}  // namespace gwetest
