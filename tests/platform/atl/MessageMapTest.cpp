// Message maps: alternative maps for a contained window, chaining to a base class, a member
// and a run-time table, command and notification entries, bHandled, and OnFinalMessage.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "atl/atlwin.h"

namespace {

constexpr UINT c_askBase = WM_USER + 1;
constexpr UINT c_askMember = WM_USER + 2;
constexpr UINT c_askPlugin = WM_USER + 5;
constexpr UINT c_destroySelf = WM_USER + 6;

// The contained control: its own procedure answers everything with 9.
int g_ownProcedureCalls = 0;
LRESULT plainControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg >= WM_USER) return ++g_ownProcedureCalls, 9;
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

class AtlWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW wc{0, plainControlProc, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, u"AtlPlainControl"};
        ASSERT_NE(RegisterClassW(&wc), 0);
        g_ownProcedureCalls = 0;
    }
    void TearDown() override { EXPECT_TRUE(UnregisterClassW(u"AtlPlainControl", nullptr)); }
};

// Map 0 for itself, map 1 for the contained control.
class Container : public CWindowImpl<Container> {
public:
    DECLARE_WND_CLASS(u"AtlContainer")
    CContainedWindow m_control{this, 1};
    std::vector<std::string> m_log;

    BEGIN_MSG_MAP(Container)
        MESSAGE_HANDLER(WM_SETTEXT, onSetText)
        COMMAND_HANDLER(10, 3, onCommand)
        COMMAND_RANGE_HANDLER(20, 29, onCommand)
        NOTIFY_HANDLER(40, 7, onNotify)
        NOTIFY_CODE_HANDLER(8, onNotify)
    ALT_MSG_MAP(1)
        MESSAGE_HANDLER(WM_USER, onControlUser)
    END_MSG_MAP()

    LRESULT onSetText(UINT, WPARAM, LPARAM, BOOL& bHandled) {
        m_log.push_back("settext");
        bHandled = FALSE;  // DefWindowProc still stores the text
        return 0;
    }
    LRESULT onCommand(WORD code, WORD id, HWND, BOOL&) {
        m_log.push_back("command " + std::to_string(id) + "/" + std::to_string(code));
        return 1;
    }
    LRESULT onNotify(int id, LPNMHDR header, BOOL&) {
        m_log.push_back("notify " + std::to_string(id) + "/" + std::to_string(header->code));
        return 2;
    }
    LRESULT onControlUser(UINT, WPARAM, LPARAM, BOOL&) {
        m_log.push_back("control user");
        return 77;
    }
};

TEST_F(AtlWindowTest, AlternativeMapTakesTheContainedWindowsMessagesAndLeavesTheRestToItsProcedure) {
    Container container;
    ASSERT_TRUE(container.Create(nullptr, CRect(0, 0, 50, 50), u"", WS_POPUP));
    HWND control = CreateWindowExW(0, u"AtlPlainControl", u"", WS_CHILD, 0, 0, 5, 5, container, nullptr, nullptr, nullptr);
    ASSERT_TRUE(container.m_control.SubclassWindow(control));

    EXPECT_EQ(SendMessageW(control, WM_USER, 0, 0), 77);
    EXPECT_EQ(g_ownProcedureCalls, 0);
    EXPECT_EQ(SendMessageW(control, WM_USER + 3, 0, 0), 9);
    EXPECT_EQ(g_ownProcedureCalls, 1);
    // Map 1's entries are not the container's own.
    EXPECT_EQ(container.SendMessage(WM_USER), 0);
    EXPECT_EQ(container.m_log, std::vector<std::string>{"control user"});

    EXPECT_EQ(container.m_control.UnsubclassWindow(), control);
    EXPECT_EQ(SendMessageW(control, WM_USER, 0, 0), 9);
    container.DestroyWindow();
}

TEST_F(AtlWindowTest, ContainedWindowLetsGoWhenItsWindowIsDestroyed) {
    Container container;
    ASSERT_TRUE(container.Create(nullptr, CRect(0, 0, 50, 50), u"", WS_POPUP));
    HWND control = CreateWindowExW(0, u"AtlPlainControl", u"", WS_CHILD, 0, 0, 5, 5, container, nullptr, nullptr, nullptr);
    ASSERT_TRUE(container.m_control.SubclassWindow(control));
    DestroyWindow(control);
    EXPECT_EQ(container.m_control.m_hWnd, nullptr);
    container.DestroyWindow();
}

TEST_F(AtlWindowTest, HandlerClearingHandledFallsThroughToDefWindowProc) {
    Container container;
    ASSERT_TRUE(container.Create(nullptr, CRect(0, 0, 50, 50), u"first", WS_POPUP));
    container.m_log.clear();
    container.SetWindowText(u"second");
    WCHAR text[16] = {};
    container.GetWindowText(text, 16);
    EXPECT_EQ(std::u16string(text), u"second");
    EXPECT_EQ(container.m_log, std::vector<std::string>{"settext"});
    container.DestroyWindow();
}

TEST_F(AtlWindowTest, CommandAndNotifyEntriesMatchIdAndCode) {
    Container container;
    ASSERT_TRUE(container.Create(nullptr, CRect(0, 0, 50, 50), u"", WS_POPUP));
    container.m_log.clear();
    EXPECT_EQ(container.SendMessage(WM_COMMAND, MAKEWPARAM(10, 3)), 1);
    EXPECT_EQ(container.SendMessage(WM_COMMAND, MAKEWPARAM(10, 4)), 0);  // code differs
    EXPECT_EQ(container.SendMessage(WM_COMMAND, MAKEWPARAM(25, 0)), 1);
    EXPECT_EQ(container.SendMessage(WM_COMMAND, MAKEWPARAM(30, 0)), 0);  // outside the range
    NMHDR byId{nullptr, 40, 7}, otherCode{nullptr, 40, 6}, byCode{nullptr, 99, 8};
    EXPECT_EQ(container.SendMessage(WM_NOTIFY, 40, reinterpret_cast<LPARAM>(&byId)), 2);
    EXPECT_EQ(container.SendMessage(WM_NOTIFY, 40, reinterpret_cast<LPARAM>(&otherCode)), 0);
    EXPECT_EQ(container.SendMessage(WM_NOTIFY, 99, reinterpret_cast<LPARAM>(&byCode)), 2);
    EXPECT_EQ(container.m_log, (std::vector<std::string>{"command 10/3", "command 25/0", "notify 40/7", "notify 99/8"}));
    container.DestroyWindow();
}

// A base window class with its own map, and a member object with one.
template <class T>
class BaseWindow : public CWindowImpl<T> {
public:
    BEGIN_MSG_MAP(BaseWindow)
        MESSAGE_HANDLER(c_askBase, onAskBase)
    END_MSG_MAP()
    LRESULT onAskBase(UINT, WPARAM, LPARAM, BOOL&) { return 101; }
};

class MemberHandlers : public CMessageMap {
public:
    BEGIN_MSG_MAP(MemberHandlers)
        MESSAGE_HANDLER(c_askMember, onAskMember)
    END_MSG_MAP()
    LRESULT onAskMember(UINT, WPARAM wParam, LPARAM, BOOL& bHandled) {
        bHandled = wParam == 0;  // wParam 1: let the message go on
        return 202;
    }
};

class ChainedWindow : public BaseWindow<ChainedWindow> {
public:
    DECLARE_WND_CLASS(u"AtlChained")
    MemberHandlers m_member;
    int m_sawBase = 0;

    BEGIN_MSG_MAP(ChainedWindow)
        MESSAGE_HANDLER(c_askBase, onAskBaseFirst)
        CHAIN_MSG_MAP_MEMBER(m_member)
        MESSAGE_HANDLER(c_askMember, onAskMemberAfter)
        CHAIN_MSG_MAP(BaseWindow<ChainedWindow>)
    END_MSG_MAP()

    LRESULT onAskBaseFirst(UINT, WPARAM, LPARAM, BOOL& bHandled) {
        ++m_sawBase;
        bHandled = FALSE;
        return 0;
    }
    LRESULT onAskMemberAfter(UINT, WPARAM, LPARAM, BOOL&) { return 303; }
};

TEST_F(AtlWindowTest, ChainedMapsAnswerWhatTheClassLeavesInTheirOrder) {
    ChainedWindow window;
    ASSERT_TRUE(window.Create(nullptr, nullptr, u"", WS_POPUP));
    EXPECT_EQ(window.SendMessage(c_askBase), 101);
    EXPECT_EQ(window.m_sawBase, 1);
    EXPECT_EQ(window.SendMessage(c_askMember, 0), 202);
    EXPECT_EQ(window.SendMessage(c_askMember, 1), 303);
    window.DestroyWindow();
}

class Plugin : public CMessageMap {
public:
    BEGIN_MSG_MAP(Plugin)
        MESSAGE_HANDLER(c_askPlugin, onAsk)
    ALT_MSG_MAP(2)
        MESSAGE_HANDLER(c_askPlugin, onAskAlternative)
    END_MSG_MAP()
    LRESULT onAsk(UINT, WPARAM, LPARAM, BOOL&) { return 500; }
    LRESULT onAskAlternative(UINT, WPARAM, LPARAM, BOOL&) { return 502; }
};

class DynamicWindow : public CWindowImpl<DynamicWindow>, public CDynamicChain {
public:
    BEGIN_MSG_MAP(DynamicWindow)
        CHAIN_MSG_MAP_DYNAMIC(7)
    END_MSG_MAP()
};

TEST_F(AtlWindowTest, DynamicChainCallsTheEntrySetAtRunTime) {
    DynamicWindow window;
    Plugin plugin;
    ASSERT_TRUE(window.Create(nullptr, nullptr, u"", WS_POPUP));
    EXPECT_EQ(window.SendMessage(c_askPlugin), 0);
    EXPECT_TRUE(window.SetChainEntry(7, &plugin));
    EXPECT_EQ(window.SendMessage(c_askPlugin), 500);
    EXPECT_TRUE(window.SetChainEntry(7, &plugin, 2));  // replaces the entry
    EXPECT_EQ(window.SendMessage(c_askPlugin), 502);
    LRESULT result = 0;
    EXPECT_FALSE(window.CallChain(8, window, c_askPlugin, 0, 0, result));
    EXPECT_TRUE(window.RemoveChainEntry(7));
    EXPECT_FALSE(window.RemoveChainEntry(7));
    EXPECT_EQ(window.SendMessage(c_askPlugin), 0);
    window.DestroyWindow();
}

// Deletes itself at the end, as frame windows do; records what it saw then.
class SelfDeleting : public CWindowImpl<SelfDeleting> {
public:
    struct Record {
        HWND finalWindow = nullptr;
        bool handleClearedFirst = false;
        bool finalBeforeHandlerReturned = false;
        bool deleted = false;
    };
    explicit SelfDeleting(Record& record) : m_record(record) {}
    ~SelfDeleting() override { m_record.deleted = true; }

    BEGIN_MSG_MAP(SelfDeleting)
        MESSAGE_HANDLER(c_destroySelf, onDestroySelf)
    END_MSG_MAP()

    LRESULT onDestroySelf(UINT, WPARAM, LPARAM, BOOL&) {
        ::DestroyWindow(m_hWnd);
        m_record.finalBeforeHandlerReturned = m_record.finalWindow != nullptr;
        return 0;
    }
    void OnFinalMessage(HWND hWnd) override {
        m_record.finalWindow = hWnd;
        m_record.handleClearedFirst = m_hWnd == nullptr;
        delete this;
    }

private:
    Record& m_record;
};

TEST_F(AtlWindowTest, OnFinalMessageFollowsWmNcDestroy) {
    SelfDeleting::Record record;
    auto* window = new SelfDeleting(record);
    HWND hwnd = window->Create(nullptr, nullptr, u"", WS_POPUP);
    ASSERT_TRUE(hwnd);
    DestroyWindow(hwnd);
    EXPECT_EQ(record.finalWindow, hwnd);
    EXPECT_TRUE(record.handleClearedFirst);
    EXPECT_TRUE(record.deleted);
}

TEST_F(AtlWindowTest, OnFinalMessageWaitsForTheHandlerThatDestroyedTheWindow) {
    SelfDeleting::Record record;
    auto* window = new SelfDeleting(record);
    HWND hwnd = window->Create(nullptr, nullptr, u"", WS_POPUP);
    ASSERT_TRUE(hwnd);
    SendMessageW(hwnd, c_destroySelf, 0, 0);
    EXPECT_FALSE(record.finalBeforeHandlerReturned);
    EXPECT_EQ(record.finalWindow, hwnd);
    EXPECT_TRUE(record.deleted);
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(AtlWindowTest, WindowClassIsRegisteredOnceWithItsBackground) {
    Container first, second;
    ASSERT_TRUE(first.Create(nullptr, nullptr, u"", WS_POPUP));
    ASSERT_TRUE(second.Create(nullptr, nullptr, u"", WS_POPUP));
    WNDCLASSW wc{};
    ASSERT_TRUE(GetClassInfoW(nullptr, u"AtlContainer", &wc));
    EXPECT_EQ(wc.hbrBackground, GetSysColorBrush(COLOR_WINDOW));
    first.DestroyWindow();
    second.DestroyWindow();
}

}  // namespace
