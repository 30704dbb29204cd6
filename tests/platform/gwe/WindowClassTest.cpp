// Class registration: names compare case-insensitively, duplicates and classes in use are
// refused with the platform's errors, atoms name classes too, and class extra bytes hold data.
#include "platform/gwe/MessageRecorder.h"

namespace gwetest {
namespace {

class WindowClassTest : public WindowTest {};

TEST_F(WindowClassTest, DuplicateNameInTheSameModuleIsRefusedWhateverItsCase) {
    WNDCLASSW wc{0, DefWindowProcW, 8, 0, nullptr, nullptr, nullptr, nullptr, nullptr, u"RECORDEDwindow"};
    EXPECT_EQ(RegisterClassW(&wc), 0);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_CLASS_ALREADY_EXISTS});
    wc.hInstance = reinterpret_cast<HINSTANCE>(0x1000);  // another module may use the name
    ATOM atom = RegisterClassW(&wc);
    HWND w = CreateWindowExW(0, reinterpret_cast<LPCWSTR>(UINT_PTR{atom}), u"", 0, 0, 0, 1, 1, nullptr, nullptr,
                             wc.hInstance, nullptr);
    EXPECT_EQ(GetWindowLongPtrW(w, GWL_WNDPROC), reinterpret_cast<LONG_PTR>(&DefWindowProcW));
    EXPECT_EQ(SetClassLongW(w, 4, 9), 0);
    EXPECT_EQ(GetClassLongW(w, 4), 9);
    EXPECT_EQ(GetClassLongW(w, 5), 0);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_PARAMETER});
    EXPECT_FALSE(UnregisterClassW(c_className, wc.hInstance));
    EXPECT_EQ(GetLastError(), DWORD{ERROR_CLASS_HAS_WINDOWS});
    DestroyWindow(w);
    EXPECT_TRUE(UnregisterClassW(c_className, wc.hInstance));
    EXPECT_FALSE(UnregisterClassW(c_className, wc.hInstance));
    EXPECT_EQ(GetLastError(), DWORD{ERROR_CLASS_DOES_NOT_EXIST});
}

TEST_F(WindowClassTest, ClassInfoAndNameReportTheRegistration) {
    WNDCLASSW info{};
    ASSERT_TRUE(GetClassInfoW(nullptr, u"RECORDEDWINDOW", &info));
    EXPECT_EQ(info.lpfnWndProc, &MessageRecorder::windowProc);
    EXPECT_EQ(info.cbWndExtra, 16);
    WCHAR name[9];
    EXPECT_EQ(GetClassNameW(create("w"), name, 9), 8);  // cut to the buffer
    EXPECT_EQ(std::u16string(name), u"Recorded");
}

}  // namespace
}  // namespace gwetest
