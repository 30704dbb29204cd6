// The queue's hooks for the presenters: the event pump runs only when nothing is waiting,
// and message sources come after posted messages and WM_QUIT.
#include "../../../platform/gwe/MessageQueue.h"  // internal header: the test reaches it by path
#include "platform/gwe/MessageRecorder.h"

namespace gwetest {
namespace {

using ce::gwe::MessageFilter;
using ce::gwe::MessageQueue;

class MessageQueueTest : public WindowTest {
protected:
    void TearDown() override {
        MessageQueue::instance().setEventPump(nullptr, nullptr);
        WindowTest::TearDown();
    }
};

TEST_F(MessageQueueTest, PumpRunsWhenTheQueueIsEmptyAndMayBlockOnlyForGetMessage) {
    HWND w = create("w");
    std::vector<bool> calls;
    MessageQueue::instance().setEventPump(
        [&](bool mayBlock) {
            calls.push_back(mayBlock);
            if (mayBlock) PostMessageW(w, WM_USER, 0, 0);
        },
        nullptr);
    MSG msg;
    PostMessageW(w, WM_USER + 1, 0, 0);
    EXPECT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_TRUE(calls.empty());
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(GetMessageW(&msg, nullptr, 0, 0), 1);
    EXPECT_EQ(msg.message, UINT{WM_USER});
    EXPECT_EQ(calls, (std::vector<bool>{false, true}));
}

TEST_F(MessageQueueTest, WakeIsCalledForEveryPost) {
    int wakes = 0;
    MessageQueue::instance().setEventPump([](bool) {}, [&] { ++wakes; });
    PostMessageW(nullptr, WM_USER, 0, 0);
    PostMessageW(nullptr, WM_USER, 0, 0);
    EXPECT_EQ(wakes, 2);
}

TEST_F(MessageQueueTest, SourcesComeAfterPostedMessagesAndQuit) {
    // Sources stay installed for the process, so this one answers only while armed.
    static bool armed = false;
    static bool once = false;
    if (!once) {
        MessageQueue::instance().addMessageSource([](const MessageFilter& filter, bool remove, MSG& msg) {
            if (!armed || !filter.matchesMessage(WM_PAINT)) return false;
            msg = MSG{nullptr, WM_PAINT, 0, 0, 0, {}};
            armed = !remove;
            return true;
        });
        once = true;
    }
    armed = true;
    PostQuitMessage(0);
    PostMessageW(nullptr, WM_USER, 0, 0);
    MSG msg;
    std::vector<UINT> order;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) order.push_back(msg.message);
    EXPECT_EQ(order, (std::vector<UINT>{WM_USER, WM_QUIT, WM_PAINT}));
}

}  // namespace
}  // namespace gwetest
