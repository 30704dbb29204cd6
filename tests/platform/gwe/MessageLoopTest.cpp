// Sending, posting and retrieving: sent messages run at once, posted ones wait their turn,
// WM_QUIT comes after the posted messages, filters select, and a blocked GetMessageW wakes
// for a post from another thread.
#include <thread>

#include "platform/gwe/MessageRecorder.h"

namespace gwetest {
namespace {

class MessageLoopTest : public WindowTest {};

TEST_F(MessageLoopTest, SentMessagesRunAtOncePostedOnesWhenDispatched) {
    HWND w = create("w");
    recorder.clear();
    recorder.setHandler([&](HWND hwnd, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_USER + 1) SendMessageW(hwnd, WM_USER + 3, 0, 0);
        return message == WM_USER + 2 ? 42 : 0;
    });
    EXPECT_TRUE(PostMessageW(w, WM_USER + 1, 1, 2));
    EXPECT_EQ(SendMessageW(w, WM_USER + 2, 3, 4), 42);
    MSG key{w, WM_KEYDOWN, 'Q', 1, 0, {}};
    EXPECT_TRUE(TranslateMessage(&key));  // posts WM_CHAR, a lower-case letter for now
    recorder.dispatchPosted();
    EXPECT_TRUE(recorder.matches({{w, WM_USER + 2, c_sent, 3, 4}, {w, WM_USER + 1, c_posted, 1, 2},
                                  {w, WM_USER + 3, c_sent}, {w, WM_CHAR, c_posted, u'q', 1}}));
}

TEST_F(MessageLoopTest, QuitComesAfterPostedMessagesWithTheExitCodeAndIgnoresFilters) {
    HWND w = create("w");
    MSG msg;
    EXPECT_EQ(GetMessageW(&msg, reinterpret_cast<HWND>(0x7777), 0, 0), -1);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_WINDOW_HANDLE});
    PostMessageW(w, WM_USER, 0, 0);
    PostQuitMessage(-2);
    PostMessageW(nullptr, WM_USER + 1, 0, 0);
    ASSERT_TRUE(PeekMessageW(&msg, w, WM_USER + 5, WM_USER + 5, PM_NOREMOVE));  // the filter leaves only WM_QUIT
    EXPECT_EQ(msg.message, UINT{WM_QUIT});
    recorder.clear();
    recorder.dispatchPosted();
    EXPECT_TRUE(recorder.matches({{w, WM_USER, c_posted}, {nullptr, WM_USER + 1, c_posted},
                                  {nullptr, WM_QUIT, c_posted, static_cast<WPARAM>(-2)}}));
    PostQuitMessage(0);
    EXPECT_EQ(GetMessageW(&msg, nullptr, 0, 0), 0);
}

TEST_F(MessageLoopTest, FiltersSelectByWindowTreeAndRange) {
    HWND top = create("top");
    HWND child = create("child", top);
    for (HWND target : {create("other"), child, HWND{}, top}) PostMessageW(target, WM_USER + 1, 0, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, top, 0, 0, PM_REMOVE));  // a window's filter takes its children too
    EXPECT_EQ(msg.hwnd, child);
    ASSERT_TRUE(PeekMessageW(&msg, reinterpret_cast<HWND>(-1), 0, 0, PM_REMOVE));  // thread messages only
    EXPECT_EQ(msg.hwnd, nullptr);
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_USER + 2, WM_APP, PM_REMOVE));
    PostMessageW(top, WM_USER + 2, 0, 0);
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_USER + 2, WM_APP, PM_REMOVE));
}

TEST_F(MessageLoopTest, GetMessageWaitsForAPostFromAnotherThread) {
    HWND w = create("w");
    std::thread poster([w] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        PostMessageW(w, WM_USER + 7, 0, 0);
    });
    MSG msg;
    EXPECT_EQ(GetMessageW(&msg, nullptr, 0, 0), 1);
    poster.join();
    EXPECT_EQ(msg.message, UINT{WM_USER + 7});
    EXPECT_EQ(GetMessageTime(), static_cast<LONG>(msg.time));
}

}  // namespace
}  // namespace gwetest
