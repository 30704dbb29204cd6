// The queue's hooks for the presenters: the event pump runs only when nothing is waiting
// (blocking only for GetMessageW), posts wake it, and message sources come last.
#include "gwe/MessageQueue.h"
#include "platform/gwe/MessageRecorder.h"

namespace {

using ce::gwe::MessageQueue;

TEST(MessageQueueTest, PumpRunsOnlyWhenTheQueueIsEmptyAndPostsWakeIt) {
    std::vector<int> calls;
    int wakes = 0;
    auto pump = [&](int timeoutMs) {
        calls.push_back(timeoutMs);
        if (timeoutMs != 0) PostMessageW(nullptr, WM_USER, 0, 0);
    };
    MessageQueue::instance().setEventPump(pump, [&] { ++wakes; });
    MSG msg;
    PostMessageW(nullptr, WM_USER + 1, 0, 0);
    EXPECT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(GetMessageW(&msg, nullptr, 0, 0), 1);
    MessageQueue::instance().setEventPump(nullptr, nullptr);
    EXPECT_EQ(msg.message, UINT{WM_USER});
    // PeekMessageW never lets it wait; GetMessageW does (for as long as no timer is due).
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0], 0);
    EXPECT_NE(calls[1], 0);
    EXPECT_EQ(wakes, 2);
}

TEST(MessageQueueTest, SourcesComeAfterPostedMessagesAndQuit) {
    static bool armed = true;  // sources stay for the process: this one answers once
    MessageQueue::instance().addMessageSource([](const ce::gwe::MessageFilter&, bool remove, MSG& msg) {
        msg = MSG{nullptr, WM_PAINT, 0, 0, 0, {}};
        return std::exchange(armed, armed && !remove);
    });
    PostQuitMessage(0);
    PostMessageW(nullptr, WM_USER, 0, 0);
    MSG msg;
    std::vector<UINT> order;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) order.push_back(msg.message);
    EXPECT_EQ(order, (std::vector<UINT>{WM_USER, WM_QUIT, WM_PAINT}));
}

}  // namespace
