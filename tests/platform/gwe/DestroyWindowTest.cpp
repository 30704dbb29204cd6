// DestroyWindow: Win32 order over a tree of windows, stale handles afterwards, and calls
// made from inside the destruction.
#include "platform/gwe/MessageRecorder.h"

namespace gwetest {
namespace {

// top -> a -> a1, top -> b
class DestroyWindowTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        top = create("top");
        a = create("a", top);
        a1 = create("a1", a);
        b = create("b", top);
    }
    HWND top{}, a{}, a1{}, b{};
};

TEST_F(DestroyWindowTest, DestroyGoesParentFirstAndNcDestroyChildrenFirst) {
    HWND popup = create("owned popup", nullptr, WS_POPUP);
    SetWindowLongPtrW(popup, GWL_HWNDPARENT, reinterpret_cast<LONG_PTR>(top));
    bool childAlive = false;
    recorder.setHandler([&](HWND hwnd, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (hwnd == top && message == WM_DESTROY) childAlive = GetParent(a1) == a;
        return std::nullopt;
    });
    recorder.clear();
    ASSERT_TRUE(DestroyWindow(top));
    EXPECT_TRUE(recorder.matches({{popup, WM_DESTROY}, {popup, WM_NCDESTROY},  // owned windows go first
                                  {top, WM_DESTROY}, {a, WM_DESTROY}, {a1, WM_DESTROY}, {b, WM_DESTROY},
                                  {a1, WM_NCDESTROY}, {a, WM_NCDESTROY}, {b, WM_NCDESTROY}, {top, WM_NCDESTROY}}));
    EXPECT_TRUE(childAlive);
}

TEST_F(DestroyWindowTest, HandlesAreStaleAfterwardsAndTheirPostedMessagesDropped) {
    PostMessageW(b, WM_USER + 1, 0, 0);
    PostMessageW(a1, WM_USER + 2, 0, 0);
    SetActiveWindow(a);
    DestroyWindow(a);
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_EQ(GetDlgItem(top, 0), b);
    EXPECT_FALSE(DestroyWindow(a1));
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_WINDOW_HANDLE});
    SetLastError(0);
    EXPECT_EQ(SendMessageW(a, WM_USER, 0, 0), 0);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_WINDOW_HANDLE});
    EXPECT_FALSE(PostMessageW(a1, WM_USER, 0, 0));
    EXPECT_NE(create("in a's slot"), a);
    recorder.clear();
    recorder.dispatchPosted();
    EXPECT_TRUE(recorder.matches({{b, WM_USER + 1, c_posted}}));
}

TEST_F(DestroyWindowTest, DestroyCalledFromTheHandlersDestroysEachWindowOnce) {
    recorder.setHandler([&](HWND hwnd, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_DESTROY) DestroyWindow(hwnd == top ? b : top);
        if (message == WM_NCDESTROY) DestroyWindow(hwnd);
        return std::nullopt;
    });
    recorder.clear();
    DestroyWindow(top);
    EXPECT_TRUE(recorder.matches({{top, WM_DESTROY}, {b, WM_DESTROY}, {b, WM_NCDESTROY}, {a, WM_DESTROY},
                                  {a1, WM_DESTROY}, {a1, WM_NCDESTROY}, {a, WM_NCDESTROY}, {top, WM_NCDESTROY}}));
}

}  // namespace
}  // namespace gwetest
