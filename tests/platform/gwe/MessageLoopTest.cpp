// Sending, posting and retrieving: sent messages run at once, posted ones wait their turn,
// WM_QUIT comes after the posted messages, filters select, and a blocked GetMessageW wakes
// for a post from another thread.
#include <thread>

#include "platform/gwe/MessageRecorder.h"

namespace gwetest {
namespace {

class MessageLoopTest : public WindowTest {};

TEST_F(MessageLoopTest, SentMessagesRunAtOncePostedOnesWhenRetrieved) {
    HWND w = create("w");
    recorder.clear();
    recorder.setHandler([&](HWND hwnd, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_USER + 1) SendMessageW(hwnd, WM_USER + 3, 0, 0);
        return message == WM_USER + 2 ? 42 : 0;
    });
    EXPECT_TRUE(PostMessageW(w, WM_USER + 1, 1, 2));
    EXPECT_EQ(SendMessageW(w, WM_USER + 2, 3, 4), 42);
    recorder.dispatchPosted();
    EXPECT_TRUE(recorder.matches({{w, WM_USER + 2, c_sent, 3, 4},
                                  {w, WM_USER + 1, c_posted, 1, 2},
                                  {w, WM_USER + 3, c_sent}}));
}

TEST_F(MessageLoopTest, QuitComesAfterPostedMessagesWithTheExitCode) {
    HWND w = create("w");
    recorder.clear();
    PostMessageW(w, WM_USER, 0, 0);
    PostQuitMessage(3);
    PostMessageW(nullptr, WM_USER + 1, 0, 0);
    recorder.dispatchPosted();
    EXPECT_TRUE(recorder.matches({{w, WM_USER, c_posted},
                                  {nullptr, WM_USER + 1, c_posted},
                                  {nullptr, WM_QUIT, c_posted, WPARAM{3}}}));
    MSG msg;
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageLoopTest, GetMessageReturnsZeroForQuitAndMinusOneForABadWindow) {
    HWND gone = create("gone");
    DestroyWindow(gone);
    MSG msg;
    SetLastError(0);
    EXPECT_EQ(GetMessageW(&msg, gone, 0, 0), -1);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_WINDOW_HANDLE});
    PostMessageW(nullptr, WM_USER, 0, 0);
    PostQuitMessage(-2);
    EXPECT_EQ(GetMessageW(&msg, nullptr, 0, 0), 1);
    EXPECT_EQ(GetMessageW(&msg, nullptr, 0, 0), 0);
    EXPECT_EQ(msg.message, UINT{WM_QUIT});
    EXPECT_EQ(static_cast<int>(msg.wParam), -2);
}

TEST_F(MessageLoopTest, FiltersSelectByWindowTreeAndRange) {
    HWND top = create("top");
    HWND child = create("child", top);
    HWND other = create("other");
    PostMessageW(other, WM_USER + 1, 0, 0);
    PostMessageW(child, WM_USER + 2, 0, 0);
    PostMessageW(nullptr, WM_USER + 3, 0, 0);
    PostMessageW(top, WM_USER + 4, 0, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, top, 0, 0, PM_REMOVE));  // a window's filter takes its children too
    EXPECT_EQ(msg.message, UINT{WM_USER + 2});
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_USER + 3, WM_USER + 4, PM_NOREMOVE));
    EXPECT_EQ(msg.message, UINT{WM_USER + 3});
    ASSERT_TRUE(PeekMessageW(&msg, reinterpret_cast<HWND>(-1), 0, 0, PM_REMOVE));  // thread messages only
    EXPECT_EQ(msg.hwnd, nullptr);
    EXPECT_FALSE(PeekMessageW(&msg, top, WM_USER + 5, WM_USER + 9, PM_REMOVE));
    ASSERT_TRUE(GetMessageW(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, UINT{WM_USER + 1});
}

TEST_F(MessageLoopTest, QuitIgnoresTheFilterAndPeekWithoutRemoveKeepsIt) {
    HWND w = create("w");
    PostQuitMessage(5);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, w, WM_USER, WM_USER, PM_NOREMOVE));
    EXPECT_EQ(msg.message, UINT{WM_QUIT});
    EXPECT_EQ(GetMessageW(&msg, w, WM_USER, WM_USER), 0);
    EXPECT_EQ(msg.wParam, WPARAM{5});
}

TEST_F(MessageLoopTest, TranslateMessagePostsWmCharForCharacterKeys) {
    HWND w = create("w");
    recorder.clear();
    MSG key{w, WM_KEYDOWN, 'Q', 1, 0, {}};
    EXPECT_TRUE(TranslateMessage(&key));
    key.wParam = VK_LEFT;
    EXPECT_TRUE(TranslateMessage(&key));
    MSG other{w, WM_USER, 0, 0, 0, {}};
    EXPECT_FALSE(TranslateMessage(&other));
    recorder.dispatchPosted();
    EXPECT_TRUE(recorder.matches({{w, WM_CHAR, c_posted, WPARAM{u'q'}, LPARAM{1}}}));
}

TEST_F(MessageLoopTest, DispatchCallsTheWindowProcedureButNotForThreadMessages) {
    HWND w = create("w");
    recorder.clear();
    recorder.setHandler([](HWND, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> { return 9; });
    MSG forWindow{w, WM_USER, 0, 0, 0, {}};
    MSG forThread{nullptr, WM_USER, 0, 0, 0, {}};
    EXPECT_EQ(DispatchMessageW(&forWindow), 9);
    EXPECT_EQ(DispatchMessageW(&forThread), 0);
    EXPECT_EQ(recorder.log().size(), 1u);
}

TEST_F(MessageLoopTest, GetMessageWaitsForAPostFromAnotherThread) {
    HWND w = create("w");
    std::thread poster([w] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        PostMessageW(w, WM_USER + 7, 0, 0);
    });
    MSG msg;
    EXPECT_EQ(GetMessageW(&msg, nullptr, 0, 0), 1);
    poster.join();
    EXPECT_EQ(msg.hwnd, w);
    EXPECT_EQ(msg.message, UINT{WM_USER + 7});
    EXPECT_EQ(GetMessageTime(), static_cast<LONG>(msg.time));
}

}  // namespace
}  // namespace gwetest
