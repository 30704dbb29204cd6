// Reflection: a parent's REFLECT_NOTIFICATIONS sends a control's notifications back to the
// control as OCM__BASE + message, with the same parameters and the control's answer.
#include <gtest/gtest.h>

#include <vector>

#include "atl/atlwin.h"

namespace {

struct Received {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class ReflectedControl : public CWindowImpl<ReflectedControl> {
public:
    std::vector<Received> m_received;

    BEGIN_MSG_MAP(ReflectedControl)
        MESSAGE_HANDLER(OCM_COMMAND, onReflected)
        MESSAGE_HANDLER(OCM_NOTIFY, onReflected)
        MESSAGE_RANGE_HANDLER(OCM_CTLCOLORMSGBOX, OCM_CTLCOLORSTATIC, onReflected)
        MESSAGE_HANDLER(OCM_DRAWITEM, onReflected)
        DEFAULT_REFLECTION_HANDLER()
    END_MSG_MAP()

    LRESULT onReflected(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL&) {
        m_received.push_back({uMsg, wParam, lParam});
        return 55;
    }
};

class ReflectingParent : public CWindowImpl<ReflectingParent> {
public:
    BEGIN_MSG_MAP(ReflectingParent)
        REFLECT_NOTIFICATIONS()
    END_MSG_MAP()
};

class ReflectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_parent.Create(nullptr, nullptr, u"", WS_POPUP));
        ASSERT_TRUE(m_control.Create(m_parent, CRect(0, 0, 20, 10), u"", WS_CHILD | WS_VISIBLE, 0, 33u));
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    void expectReflected(UINT message, WPARAM wParam, LPARAM lParam) {
        ASSERT_EQ(m_control.m_received.size(), 1u);
        EXPECT_EQ(m_control.m_received[0].message, message);
        EXPECT_EQ(m_control.m_received[0].wParam, wParam);
        EXPECT_EQ(m_control.m_received[0].lParam, lParam);
    }

    ReflectingParent m_parent;
    ReflectedControl m_control;
};

TEST_F(ReflectionTest, OcmValuesAreTheMessagePlus0x2000) {
    EXPECT_EQ(OCM__BASE, 0x2000);
    EXPECT_EQ(OCM_COMMAND, 0x2111);
    EXPECT_EQ(OCM_NOTIFY, 0x204E);
    EXPECT_EQ(OCM_DRAWITEM, 0x202B);
    EXPECT_EQ(OCM_CTLCOLORBTN, 0x2135);
}

TEST_F(ReflectionTest, CommandFromAControlGoesBackAsOcmCommand) {
    WPARAM wParam = MAKEWPARAM(33, 0);
    LPARAM lParam = reinterpret_cast<LPARAM>(m_control.m_hWnd);
    EXPECT_EQ(m_parent.SendMessage(WM_COMMAND, wParam, lParam), 55);
    expectReflected(0x2111, wParam, lParam);
}

TEST_F(ReflectionTest, DrawItemGoesBackToTheControlWithThatId) {
    char item[64] = {};  // stands for the owner-draw structure; only its address travels
    LPARAM lParam = reinterpret_cast<LPARAM>(item);
    EXPECT_EQ(m_parent.SendMessage(WM_DRAWITEM, 33, lParam), 55);
    expectReflected(0x202B, 33, lParam);
}

TEST_F(ReflectionTest, NotifyAndControlColourGoBackToTheirSender) {
    NMHDR header{m_control, 33, 12};
    LPARAM lParam = reinterpret_cast<LPARAM>(&header);
    EXPECT_EQ(m_parent.SendMessage(WM_NOTIFY, 33, lParam), 55);
    expectReflected(0x204E, 33, lParam);
    m_control.m_received.clear();
    HDC hdc = reinterpret_cast<HDC>(0x1234);
    EXPECT_EQ(m_parent.SendMessage(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(m_control.m_hWnd)), 55);
    expectReflected(0x2135, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(m_control.m_hWnd));
}

TEST_F(ReflectionTest, MenuCommandsAndOtherMessagesAreNotReflected) {
    EXPECT_EQ(m_parent.SendMessage(WM_COMMAND, MAKEWPARAM(33, 0), 0), 0);  // from a menu
    EXPECT_EQ(m_parent.SendMessage(WM_DRAWITEM, 0, 0), 0);                 // a menu item
    EXPECT_EQ(m_parent.SendMessage(WM_USER, 0, reinterpret_cast<LPARAM>(m_control.m_hWnd)), 0);
    EXPECT_TRUE(m_control.m_received.empty());
}

TEST_F(ReflectionTest, UnhandledReflectionGetsTheOriginalMessagesDefaultProcessing) {
    // WM_SETTEXT's default processing is visible: reflected, the control stores the text.
    LRESULT result = 0;
    EXPECT_TRUE(AtlDefaultReflectionHandler(m_control, OCM__BASE + WM_SETTEXT, 0, reinterpret_cast<LPARAM>(u"kept"), result));
    WCHAR text[8] = {};
    m_control.GetWindowText(text, 8);
    EXPECT_EQ(std::u16string(text), u"kept");
    EXPECT_FALSE(AtlDefaultReflectionHandler(m_control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(u"x"), result));
}

}  // namespace
