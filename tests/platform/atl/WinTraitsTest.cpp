// Window traits: the styles CWindowImpl::Create takes when its caller passes none, and what
// the handheld makes of a frame window created that way.
#include <gtest/gtest.h>

#include "atl/atlwin.h"

namespace {

class Frame : public CWindowImpl<Frame, CWindow, CFrameWinTraits> {
public:
    DECLARE_WND_CLASS(u"TraitsFrame")
    BEGIN_MSG_MAP(Frame)
    END_MSG_MAP()
};

class Control : public CWindowImpl<Control> {
public:
    BEGIN_MSG_MAP(Control)
    END_MSG_MAP()
};

class Bare : public CWindowImpl<Bare, CWindow, CNullTraits> {
public:
    BEGIN_MSG_MAP(Bare)
    END_MSG_MAP()
};

DWORD styleOf(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
}

DWORD exStyleOf(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE));
}

TEST(WinTraitsTest, TraitsStandInOnlyForAZeroStyle) {
    EXPECT_EQ(CFrameWinTraits::GetWndStyle(0), DWORD{WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS});
    EXPECT_EQ(CFrameWinTraits::GetWndExStyle(0), DWORD{WS_EX_APPWINDOW | WS_EX_WINDOWEDGE});
    EXPECT_EQ(CFrameWinTraits::GetWndStyle(WS_POPUP), DWORD{WS_POPUP});
    EXPECT_EQ(CFrameWinTraits::GetWndExStyle(WS_EX_TOPMOST), DWORD{WS_EX_TOPMOST});
    EXPECT_EQ(CNullTraits::GetWndStyle(0), 0u);
}

TEST(WinTraitsTest, AFrameCreatedWithNoStyleIsAHiddenTopLevelWindowFillingTheWorkArea) {
    Frame frame;
    ASSERT_TRUE(frame.Create(nullptr)) << GetLastError();
    EXPECT_EQ(styleOf(frame), DWORD{WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS});
    EXPECT_EQ(exStyleOf(frame), DWORD{WS_EX_APPWINDOW | WS_EX_WINDOWEDGE});
    EXPECT_EQ(GetParent(frame), nullptr);
    EXPECT_FALSE(frame.IsWindowVisible());

    RECT work{}, rect{}, client{};
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
    frame.GetWindowRect(&rect);
    EXPECT_EQ((std::vector<LONG>{rect.left, rect.top, rect.right, rect.bottom}),
              (std::vector<LONG>{work.left, work.top, work.right, work.bottom}));
    // The caption is the navigation bar's: the window keeps only its one-pixel frame.
    frame.GetClientRect(&client);
    EXPECT_EQ(client.right, work.right - work.left - 2);
    EXPECT_EQ(client.bottom, work.bottom - work.top - 2);

    frame.ShowWindow(SW_SHOW);
    EXPECT_EQ(GetActiveWindow(), frame.m_hWnd);
    frame.DestroyWindow();
}

TEST(WinTraitsTest, ControlsStillDefaultToVisibleChildrenAndAnExplicitStyleWins) {
    Frame frame;
    ASSERT_TRUE(frame.Create(nullptr));
    Control control;
    ASSERT_TRUE(control.Create(frame, RECT{0, 0, 10, 10}));
    EXPECT_EQ(styleOf(control), DWORD{WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS});
    EXPECT_EQ(GetParent(control), frame.m_hWnd);
    Control popup;
    ASSERT_TRUE(popup.Create(nullptr, nullptr, nullptr, WS_POPUP, WS_EX_TOPMOST));
    EXPECT_EQ(styleOf(popup), DWORD{WS_POPUP});
    EXPECT_EQ(exStyleOf(popup), DWORD{WS_EX_TOPMOST});
    Bare bare;
    ASSERT_TRUE(bare.Create(nullptr));
    EXPECT_EQ(styleOf(bare), 0u);
    bare.DestroyWindow();
    popup.DestroyWindow();
    frame.DestroyWindow();
}

}  // namespace
