// Window data: the fields behind the GWL_ indexes and the cbWndExtra bytes, with Set returning
// the previous value and offsets past the extra bytes refused.
#include "platform/gwe/MessageRecorder.h"

namespace gwetest {
namespace {

class WindowLongTest : public WindowTest {};

TEST_F(WindowLongTest, ExtraBytesStartZeroedAndOnlyTheirRangeIsReachable) {
    HWND w = create("w");  // 16 extra bytes
    EXPECT_EQ(SetWindowLongW(w, 12, -5), 0);
    EXPECT_EQ(SetWindowLongW(w, 12, 6), -5);
    EXPECT_EQ(SetWindowLongPtrW(w, 1, LONG_PTR{0x1122334455667788}), 0);
    EXPECT_EQ(GetWindowLongPtrW(w, 1), LONG_PTR{0x1122334455667788});
    EXPECT_EQ(GetWindowLongW(w, 12), 6);
    for (int offset : {13, 16, 1000}) {
        SetLastError(0);
        EXPECT_EQ(SetWindowLongW(w, offset, 1), 0);
        EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_PARAMETER});
    }
    EXPECT_EQ(GetWindowLongW(w, GWL_WNDPROC), 0);  // a pointer does not fit 32 bits
}

TEST_F(WindowLongTest, FieldsReadBackAndSetReturnsThePreviousValue) {
    HWND parent = create("parent");
    HWND w = create("w", parent, WS_VISIBLE, 5);
    EXPECT_EQ(SetWindowLongW(w, GWL_ID, 9), 5);
    EXPECT_EQ(GetDlgItem(parent, 9), w);
    EXPECT_EQ(GetWindowLongW(w, GWL_STYLE), LONG{WS_CHILD | WS_VISIBLE});
    EXPECT_EQ(GetWindowLongPtrW(w, GWL_HWNDPARENT), reinterpret_cast<LONG_PTR>(parent));
    EXPECT_EQ(SetWindowLongPtrW(w, GWL_USERDATA, -1), 0);
    EXPECT_EQ(GetWindowLongPtrW(w, GWL_USERDATA), -1);
    WNDPROC other = [](HWND, UINT, WPARAM, LPARAM) -> LRESULT { return 77; };
    EXPECT_EQ(SetWindowLongPtrW(w, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(other)),
              reinterpret_cast<LONG_PTR>(&MessageRecorder::windowProc));
    EXPECT_EQ(SendMessageW(w, WM_USER, 0, 0), 77);
}

}  // namespace
}  // namespace gwetest
