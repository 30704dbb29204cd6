// FindWindowW over this process's top-level windows, and the handheld's
// SetForegroundWindow(hwnd | 1) idiom, which must never reach a neighbouring window.
#include "platform/gwe/MessageRecorder.h"

namespace gwetest {
namespace {

using FindTopLevelWindow = WindowTest;

TEST_F(FindTopLevelWindow, FindsATopLevelWindowByClassOrTitleIgnoringCaseButNeverAChild) {
    HWND first = create("first");
    HWND second = create("second");
    HWND child = create("child", second);
    SetWindowTextW(first, u"Orvane");
    SetWindowTextW(child, u"Inner");
    EXPECT_EQ(FindWindowW(nullptr, u"orvane"), first);
    EXPECT_EQ(FindWindowW(u"recordedwindow", u"Orvane"), first);
    EXPECT_EQ(FindWindowW(u"RecordedWindow", nullptr), second);  // topmost first
    EXPECT_EQ(FindWindowW(nullptr, u"Inner"), nullptr);
    EXPECT_EQ(FindWindowW(u"NoSuchClass", nullptr), nullptr);
}

TEST_F(FindTopLevelWindow, WindowHandlesAreEvenAndTheLowBitIdiomRaisesThatWindowOnly) {
    HWND windows[4];
    for (HWND& hwnd : windows) {
        hwnd = create("w");
        EXPECT_EQ(reinterpret_cast<ULONG_PTR>(hwnd) & 1, 0u);
        EXPECT_FALSE(IsWindow(reinterpret_cast<HWND>(reinterpret_cast<ULONG_PTR>(hwnd) | 1)));
    }
    for (HWND hwnd : windows) {
        EXPECT_TRUE(SetForegroundWindow(reinterpret_cast<HWND>(reinterpret_cast<ULONG_PTR>(hwnd) | 1)));
        EXPECT_EQ(GetForegroundWindow(), hwnd);
    }
}

}  // namespace
}  // namespace gwetest
