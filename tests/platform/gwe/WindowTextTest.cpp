// Window text through WM_SETTEXT / WM_GETTEXT / WM_GETTEXTLENGTH: the messages are sent, so
// a window procedure can answer them itself, and copies are cut to the caller's buffer.
#include "platform/gwe/MessageRecorder.h"

namespace gwetest {
namespace {

class WindowTextTest : public WindowTest {};

TEST_F(WindowTextTest, TextRoundTripsThroughTheTextMessages) {
    HWND w = create("w");
    recorder.clear();
    EXPECT_TRUE(SetWindowTextW(w, u"Contacts"));
    EXPECT_EQ(GetWindowTextLengthW(w), 8);
    WCHAR buffer[16];
    EXPECT_EQ(GetWindowTextW(w, buffer, 16), 8);
    EXPECT_EQ(std::u16string(buffer), u"Contacts");
    EXPECT_TRUE(recorder.matches({{w, WM_SETTEXT, c_sent, WPARAM{0}},
                                  {w, WM_GETTEXTLENGTH},
                                  {w, WM_GETTEXT, c_sent, WPARAM{16}}}));
}

TEST_F(WindowTextTest, CopyIsCutToTheBufferAndAlwaysTerminated) {
    HWND w = create("w");
    SetWindowTextW(w, u"Appointments");
    WCHAR buffer[5] = {u'x', u'x', u'x', u'x', u'x'};
    EXPECT_EQ(GetWindowTextW(w, buffer, 5), 4);
    EXPECT_EQ(std::u16string(buffer), u"Appo");
    EXPECT_EQ(GetWindowTextW(w, buffer, 0), 0);
    SetWindowTextW(w, nullptr);
    EXPECT_EQ(GetWindowTextLengthW(w), 0);
}

TEST_F(WindowTextTest, AProcedureMayKeepItsOwnText) {
    HWND w = create("w");
    recorder.setHandler([](HWND, UINT message, WPARAM size, LPARAM text) -> std::optional<LRESULT> {
        if (message != WM_GETTEXT || size < 3) return std::nullopt;
        std::u16string(u"Me").copy(reinterpret_cast<LPWSTR>(text), 3);
        return 2;
    });
    WCHAR buffer[8];
    EXPECT_EQ(GetWindowTextW(w, buffer, 8), 2);
    EXPECT_EQ(std::u16string(buffer, 2), u"Me");
}

TEST_F(WindowTextTest, StaleWindowHasNoText) {
    HWND w = create("w");
    DestroyWindow(w);
    WCHAR buffer[4] = {u'x'};
    SetLastError(0);
    EXPECT_FALSE(SetWindowTextW(w, u"a"));
    EXPECT_EQ(GetWindowTextW(w, buffer, 4), 0);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_WINDOW_HANDLE});
}

}  // namespace
}  // namespace gwetest
