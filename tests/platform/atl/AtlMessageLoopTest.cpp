// CMessageLoop and CAppModule: filters asked newest first and consuming, idle handlers run
// once per empty queue and re-armed only by messages that are not mouse moves, paints or the
// caret timer, and Run() returning WM_QUIT's code.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "atl/atlapp.h"
#include "atl/atlwin.h"

namespace {

constexpr UINT c_caretTimer = 0x0118;

class Target : public CWindowImpl<Target> {
public:
    int m_userMessages = 0;

    BEGIN_MSG_MAP(Target)
        MESSAGE_HANDLER(WM_USER, onUser)
        MESSAGE_HANDLER(WM_USER + 1, onUser)
        MESSAGE_HANDLER(WM_TIMER, onTimer)
    END_MSG_MAP()

    LRESULT onUser(UINT, WPARAM, LPARAM, BOOL&) { return ++m_userMessages, 0; }
    // The timer ends the quiet spell the idle test waits through, with a key.
    LRESULT onTimer(UINT, WPARAM wParam, LPARAM, BOOL&) {
        KillTimer(wParam);
        PostMessage(WM_KEYDOWN, 'A');
        return 0;
    }
};

class Filter : public CMessageFilter {
public:
    Filter(std::vector<std::string>& log, std::string name, UINT consumed) : m_log(log), m_name(std::move(name)), m_consumed(consumed) {}
    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (pMsg->message != WM_USER && pMsg->message != WM_USER + 1) return FALSE;
        m_log.push_back(m_name + " " + std::to_string(pMsg->message - WM_USER));
        return pMsg->message == m_consumed;
    }

private:
    std::vector<std::string>& m_log;
    std::string m_name;
    UINT m_consumed;
};

class AtlMessageLoopTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_target.Create(nullptr, nullptr, u"", WS_POPUP)); }
    void TearDown() override {
        m_target.DestroyWindow();
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }
    Target m_target;
    CMessageLoop m_loop;
};

TEST_F(AtlMessageLoopTest, RunReturnsTheQuitCode) {
    PostQuitMessage(42);
    EXPECT_EQ(m_loop.Run(), 42);
}

TEST_F(AtlMessageLoopTest, FiltersAreAskedNewestFirstAndOneReturningTrueConsumes) {
    std::vector<std::string> log;
    Filter older(log, "older", 0), newer(log, "newer", WM_USER + 1);
    EXPECT_TRUE(m_loop.AddMessageFilter(&older));
    EXPECT_TRUE(m_loop.AddMessageFilter(&newer));
    EXPECT_FALSE(m_loop.AddMessageFilter(&newer));
    m_target.PostMessage(WM_USER);
    m_target.PostMessage(WM_USER + 1);
    PostQuitMessage(3);
    EXPECT_EQ(m_loop.Run(), 3);
    EXPECT_EQ(log, (std::vector<std::string>{"newer 0", "older 0", "newer 1"}));
    EXPECT_EQ(m_target.m_userMessages, 1);

    EXPECT_TRUE(m_loop.RemoveMessageFilter(&newer));
    EXPECT_FALSE(m_loop.RemoveMessageFilter(&newer));
    log.clear();
    m_target.PostMessage(WM_USER + 1);
    PostQuitMessage(0);
    m_loop.Run();
    EXPECT_EQ(log, std::vector<std::string>{"older 1"});
    EXPECT_EQ(m_target.m_userMessages, 2);
}

// Writes "idle" into the same log the filter writes each retrieved message into.
class IdleScript : public CIdleHandler, public CMessageFilter {
public:
    explicit IdleScript(Target& target) : m_target(target) {}
    BOOL OnIdle() override {
        m_log.push_back(0);
        if (++m_calls == 1) {
            // Nothing of this re-arms the idle handlers; the timer's key does.
            m_target.PostMessage(WM_MOUSEMOVE);
            m_target.PostMessage(WM_PAINT);
            m_target.PostMessage(c_caretTimer);
            m_target.SetTimer(1, 250);  // long enough for the queue to empty first
        } else if (m_sawKey) {
            PostQuitMessage(5);
        }
        return FALSE;
    }
    BOOL PreTranslateMessage(MSG* pMsg) override {
        m_log.push_back(pMsg->message);
        m_sawKey = m_sawKey || pMsg->message == WM_KEYDOWN;
        return FALSE;
    }
    std::vector<UINT> m_log;  // 0 marks an idle call

private:
    Target& m_target;
    int m_calls = 0;
    bool m_sawKey = false;
};

TEST_F(AtlMessageLoopTest, IdleHandlersRunOncePerEmptyQueueAndOnlyKeyLikeMessagesRearmThem) {
    IdleScript script(m_target);
    m_loop.AddIdleHandler(&script);
    m_loop.AddMessageFilter(&script);
    EXPECT_EQ(m_loop.Run(), 5);

    const std::vector<UINT>& log = script.m_log;
    ASSERT_FALSE(log.empty());
    // Between two idle calls there is a re-arming message.
    bool armed = true;
    for (size_t i = 0; i < log.size(); ++i) {
        if (log[i] == 0) {
            EXPECT_TRUE(armed) << "idle call at " << i << " after message 0x" << std::hex << (i ? log[i - 1] : 0);
            armed = false;
        } else if (log[i] != WM_MOUSEMOVE && log[i] != WM_PAINT && log[i] != c_caretTimer) {
            armed = true;
        }
    }
    auto at = [&](UINT message) { return std::find(log.begin(), log.end(), message) - log.begin(); };
    EXPECT_LT(at(WM_MOUSEMOVE), at(WM_TIMER));
    EXPECT_LT(at(c_caretTimer), at(WM_TIMER));
    EXPECT_LT(at(WM_KEYDOWN), static_cast<long>(log.size()));
    EXPECT_EQ(log.back(), 0u);
    m_loop.RemoveIdleHandler(&script);
    m_loop.RemoveMessageFilter(&script);
}

TEST(AtlAppModuleTest, KeepsTheModuleAndOneMessageLoopPerThread) {
    CAppModule module;
    ASSERT_TRUE(module.Init());
    EXPECT_EQ(module.GetModuleInstance(), GetModuleHandleW(nullptr));
    EXPECT_EQ(module.GetResourceInstance(), module.GetModuleInstance());
    CMessageLoop first, second;
    EXPECT_EQ(module.GetMessageLoop(), nullptr);
    EXPECT_TRUE(module.AddMessageLoop(&first));
    EXPECT_FALSE(module.AddMessageLoop(&second));
    EXPECT_EQ(module.GetMessageLoop(), &first);
    EXPECT_TRUE(module.RemoveMessageLoop());
    EXPECT_EQ(module.GetMessageLoop(), nullptr);
    module.Term();
    EXPECT_EQ(module.GetModuleInstance(), nullptr);
    EXPECT_EQ(&appModule(), &appModule());
}

}  // namespace
