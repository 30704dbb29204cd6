// Class registration: names compare case-insensitively, duplicates and classes in use are
// refused with the platform's errors, and GetClassInfoW reports the registration.
#include "platform/gwe/MessageRecorder.h"

namespace gwetest {
namespace {

class WindowClassTest : public WindowTest {};

TEST_F(WindowClassTest, DuplicateNameInTheSameModuleIsRefusedWhateverItsCase) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.lpszClassName = u"RECORDEDwindow";
    SetLastError(0);
    EXPECT_EQ(RegisterClassW(&wc), 0);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_CLASS_ALREADY_EXISTS});
    wc.cbWndExtra = -1;
    wc.lpszClassName = u"Negative";
    EXPECT_EQ(RegisterClassW(&wc), 0);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_PARAMETER});
}

TEST_F(WindowClassTest, ClassWithWindowsCannotBeUnregistered) {
    HWND w = create("w");
    SetLastError(0);
    EXPECT_FALSE(UnregisterClassW(c_className, nullptr));
    EXPECT_EQ(GetLastError(), DWORD{ERROR_CLASS_HAS_WINDOWS});
    DestroyWindow(w);
    EXPECT_FALSE(UnregisterClassW(u"NoSuchClass", nullptr));
    EXPECT_EQ(GetLastError(), DWORD{ERROR_CLASS_DOES_NOT_EXIST});
}

TEST_F(WindowClassTest, GetClassInfoReportsTheRegistrationUnderAnyCase) {
    WNDCLASSW info{};
    ASSERT_TRUE(GetClassInfoW(nullptr, u"RECORDEDWINDOW", &info));
    EXPECT_EQ(info.lpfnWndProc, &MessageRecorder::windowProc);
    EXPECT_EQ(info.cbWndExtra, 16);
    EXPECT_EQ(std::u16string(info.lpszClassName), c_className);
    EXPECT_FALSE(GetClassInfoW(nullptr, u"NoSuchClass", &info));
}

TEST_F(WindowClassTest, SameNameMayBeRegisteredByAnotherModule) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = reinterpret_cast<HINSTANCE>(0x1000);
    wc.lpszClassName = c_className;
    ATOM atom = RegisterClassW(&wc);
    EXPECT_NE(atom, 0);
    WNDCLASSW info{};
    ASSERT_TRUE(GetClassInfoW(wc.hInstance, c_className, &info));
    EXPECT_EQ(info.lpfnWndProc, &DefWindowProcW);
    EXPECT_TRUE(UnregisterClassW(c_className, wc.hInstance));
}

}  // namespace
}  // namespace gwetest
