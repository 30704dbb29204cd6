// DefWindowProcW: window text through the text messages, WM_HELP climbing to the parent as on
// CE, WM_CLOSE destroying the window, and each window's small and big icons.
#include "platform/gwe/MessageRecorder.h"

namespace gwetest {
namespace {

class DefWindowProcTest : public WindowTest {};

TEST_F(DefWindowProcTest, TextGoesThroughTheTextMessagesAndIsCutToTheBuffer) {
    HWND w = create("w");
    recorder.clear();
    EXPECT_TRUE(SetWindowTextW(w, u"Contacts"));
    EXPECT_EQ(GetWindowTextLengthW(w), 8);
    WCHAR buffer[5];
    EXPECT_EQ(GetWindowTextW(w, buffer, 5), 4);
    EXPECT_EQ(std::u16string(buffer), u"Cont");
    EXPECT_TRUE(recorder.matches({{w, WM_SETTEXT, c_sent, 0}, {w, WM_GETTEXTLENGTH}, {w, WM_GETTEXT, c_sent, 5}}));
}

TEST_F(DefWindowProcTest, HelpClimbsToTheTopAndCloseDestroys) {
    HWND top = create("top");
    HWND child = create("child", top);
    recorder.clear();
    SendMessageW(child, WM_HELP, 0, 0);
    SendMessageW(top, WM_CLOSE, 0, 0);
    EXPECT_TRUE(recorder.matches({{child, WM_HELP}, {top, WM_HELP}, {top, WM_CLOSE}, {top, WM_DESTROY},
                                  {child, WM_DESTROY}, {child, WM_NCDESTROY}, {top, WM_NCDESTROY}}));
}

TEST_F(DefWindowProcTest, EachWindowKeepsASmallAndABigIconAndSettingOneReturnsThePrevious) {
    HWND first = create("first");
    HWND second = create("second");
    auto icon = [](UINT_PTR value) { return reinterpret_cast<HICON>(value); };
    auto set = [](HWND hwnd, WPARAM which, HICON value) {
        return reinterpret_cast<HICON>(SendMessageW(hwnd, WM_SETICON, which, reinterpret_cast<LPARAM>(value)));
    };
    auto get = [](HWND hwnd, WPARAM which) { return reinterpret_cast<HICON>(SendMessageW(hwnd, WM_GETICON, which, 0)); };
    EXPECT_EQ(get(first, ICON_BIG), nullptr);
    EXPECT_EQ(set(first, ICON_SMALL, icon(0x10)), nullptr);
    EXPECT_EQ(set(first, ICON_BIG, icon(0x20)), nullptr);
    EXPECT_EQ(set(first, ICON_SMALL, icon(0x30)), icon(0x10));
    EXPECT_EQ(get(first, ICON_SMALL), icon(0x30));
    EXPECT_EQ(get(first, ICON_BIG), icon(0x20));
    EXPECT_EQ(get(second, ICON_SMALL), nullptr);
    EXPECT_EQ(set(first, 7, icon(0x40)), nullptr);  // not a slot: nothing changes
    EXPECT_EQ(get(first, 7), nullptr);
    EXPECT_EQ(get(first, ICON_BIG), icon(0x20));
}

}  // namespace
}  // namespace gwetest
