// CreateWindowExW: WM_CREATE during creation with the call's CREATESTRUCT, creation refused
// by WM_CREATE, and the checks on class and parent.
#include "platform/gwe/MessageRecorder.h"

namespace gwetest {
namespace {

class CreateWindowTest : public WindowTest {};

TEST_F(CreateWindowTest, WmCreateIsTheOnlyMessageAndCarriesTheCallsArguments) {
    HWND parent = create("parent");
    recorder.clear();
    CREATESTRUCTW seen{};
    HWND during = nullptr;
    recorder.setHandler([&](HWND hwnd, UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        if (message == WM_CREATE) {
            seen = *reinterpret_cast<CREATESTRUCTW*>(lParam);
            during = hwnd;
        }
        return std::nullopt;
    });
    int param = 0;
    HWND child = CreateWindowExW(WS_EX_CLIENTEDGE, u"recordedwindow", u"Title", WS_CHILD | WS_VISIBLE, 1, 2, 30,
                                 40, parent, reinterpret_cast<HMENU>(7), nullptr, &param);
    ASSERT_NE(child, nullptr);
    EXPECT_TRUE(recorder.matches({{child, WM_CREATE}}));
    EXPECT_EQ(during, child);
    EXPECT_EQ(seen.lpCreateParams, &param);
    EXPECT_EQ(seen.hwndParent, parent);
    EXPECT_EQ(seen.hMenu, reinterpret_cast<HMENU>(7));
    EXPECT_EQ((std::vector<int>{seen.x, seen.y, seen.cx, seen.cy}), (std::vector<int>{1, 2, 30, 40}));
    EXPECT_EQ(static_cast<DWORD>(seen.style), DWORD{WS_CHILD | WS_VISIBLE});
    EXPECT_EQ(seen.dwExStyle, DWORD{WS_EX_CLIENTEDGE});
    EXPECT_EQ(std::u16string(seen.lpszName), u"Title");
    EXPECT_EQ(GetDlgCtrlID(child), 7);
    DestroyWindow(child);
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

TEST_F(CreateWindowTest, WindowDestroyedByItsOwnWmCreateIsNotReturned) {
    recorder.setHandler([](HWND hwnd, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_CREATE) DestroyWindow(hwnd);
        return std::nullopt;
    });
    EXPECT_EQ(CreateWindowExW(0, c_className, u"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
}

TEST_F(CreateWindowTest, UnknownClassOrMissingParentFails) {
    SetLastError(0);
    EXPECT_EQ(CreateWindowExW(0, u"NoSuchClass", u"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_CANNOT_FIND_WND_CLASS});
    EXPECT_EQ(CreateWindowExW(0, c_className, u"", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
    HWND gone = create("gone");
    DestroyWindow(gone);
    SetLastError(0);
    EXPECT_EQ(CreateWindowExW(0, c_className, u"", WS_CHILD, 0, 0, 1, 1, gone, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_WINDOW_HANDLE});
    EXPECT_TRUE(recorder.matches({{gone, WM_CREATE}, {gone, WM_DESTROY}, {gone, WM_NCDESTROY}}));
}

TEST_F(CreateWindowTest, ClassIsFoundByItsAtom) {
    WNDCLASSW info{};
    ASSERT_TRUE(GetClassInfoW(nullptr, c_className, &info));
    ATOM atom = RegisterClassW(&info);  // a second registration of the same name is refused
    EXPECT_EQ(atom, 0);
    WNDCLASSW other = info;
    other.lpszClassName = u"AtomProbe";
    atom = RegisterClassW(&other);
    ASSERT_NE(atom, 0);
    HWND hwnd = CreateWindowExW(0, reinterpret_cast<LPCWSTR>(static_cast<UINT_PTR>(atom)), u"", 0, 0, 0, 1, 1,
                                nullptr, nullptr, nullptr, nullptr);
    WCHAR name[32];
    EXPECT_EQ(GetClassNameW(hwnd, name, 32), 9);
    EXPECT_EQ(std::u16string(name), u"AtomProbe");
    DestroyWindow(hwnd);
    EXPECT_TRUE(UnregisterClassW(u"AtomProbe", nullptr));
}

}  // namespace
}  // namespace gwetest
