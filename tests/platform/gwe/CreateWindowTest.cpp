// CreateWindowExW: WM_CREATE during creation with the call's CREATESTRUCT, then the size and
// place; creation refused by WM_CREATE; the checks on class and parent.
#include "platform/gwe/MessageRecorder.h"

namespace gwetest {
namespace {

class CreateWindowTest : public WindowTest {};

TEST_F(CreateWindowTest, WmCreateCarriesTheCallsArgumentsAndSizeAndMoveFollow) {
    HWND parent = create("parent");
    recorder.clear();
    CREATESTRUCTW cs{};
    recorder.setHandler([&](HWND, UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        if (message == WM_CREATE) cs = *reinterpret_cast<CREATESTRUCTW*>(lParam);
        return std::nullopt;
    });
    int param = 0;
    HWND child = CreateWindowExW(WS_EX_CLIENTEDGE, u"recordedWINDOW", u"Title", WS_CHILD, 1, 2, 30, 40, parent,
                                 reinterpret_cast<HMENU>(7), nullptr, &param);
    EXPECT_TRUE(recorder.matches({{child, WM_CREATE},
                                  {child, WM_SIZE, c_sent, SIZE_RESTORED, MAKELPARAM(30, 40)},
                                  {child, WM_MOVE, c_sent, 0, MAKELPARAM(1, 2)}}));
    EXPECT_EQ(cs.lpCreateParams, &param);
    EXPECT_EQ(cs.hwndParent, parent);
    EXPECT_EQ((std::vector<LONG>{cs.x, cs.y, cs.cx, cs.cy, cs.style}), (std::vector<LONG>{1, 2, 30, 40, WS_CHILD}));
    EXPECT_EQ(cs.dwExStyle, DWORD{WS_EX_CLIENTEDGE});
    EXPECT_EQ(std::u16string(cs.lpszName), u"Title");
    EXPECT_EQ(GetDlgItem(parent, 7), child);  // a child's hMenu is its id
}

TEST_F(CreateWindowTest, WmCreateReturningMinusOneDestroysTheWindowAndFailsTheCall) {
    HWND made = nullptr;
    recorder.setHandler([&](HWND hwnd, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message != WM_CREATE) return std::nullopt;
        made = hwnd;
        return -1;
    });
    EXPECT_EQ(CreateWindowExW(0, c_className, u"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
    EXPECT_TRUE(recorder.matches({{made, WM_CREATE}, {made, WM_DESTROY}, {made, WM_NCDESTROY}}));
    EXPECT_FALSE(IsWindow(made));
}

TEST_F(CreateWindowTest, UnknownClassOrMissingParentFails) {
    EXPECT_EQ(CreateWindowExW(0, u"NoSuchClass", u"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_CANNOT_FIND_WND_CLASS});
    HWND gone = create("gone");
    DestroyWindow(gone);
    EXPECT_EQ(CreateWindowExW(0, c_className, u"", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_TLW_WITH_WSCHILD});
    EXPECT_EQ(CreateWindowExW(0, c_className, u"", WS_CHILD, 0, 0, 1, 1, gone, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_WINDOW_HANDLE});
}

}  // namespace
}  // namespace gwetest
