// BUTTON: a stylus tap released inside clicks it (BN_CLICKED to the parent with its id and
// handle), released outside does not; BM_* messages; the handheld's frame and pushed look;
// the parent's WM_CTLCOLORBTN colours; owner-drawn buttons asking the parent to draw.
#include "gwe/Input.h"
#include "platform/controls/ControlTest.h"

namespace controltest {
namespace {

namespace input = ce::gwe::input;

constexpr int c_id = 7;
constexpr RECT c_rect{20, 20, 100, 44};
constexpr ce::gdi::Pixel c_black = 0x000000;
constexpr ce::gdi::Pixel c_face = 0xC0C0C0;  // COLOR_BTNFACE

class ButtonTest : public ControlTest {
protected:
    HWND button(DWORD style = BS_PUSHBUTTON, LPCWSTR text = u"OK") {
        return control(u"BUTTON", text, style, c_rect, c_id);
    }
    static void tap(POINT down, POINT up) {
        input::stylusDown(down);
        input::stylusUp(up);
    }
    bool pushed(HWND hwnd) { return SendMessageW(hwnd, BM_GETSTATE, 0, 0) & BST_PUSHED; }
    WPARAM clicked() const { return MAKEWPARAM(c_id, BN_CLICKED); }
};

TEST_F(ButtonTest, IsAGlobalClassEveryModuleFinds) {
    WNDCLASSW info{};
    EXPECT_TRUE(GetClassInfoW(reinterpret_cast<HINSTANCE>(0x1234), u"button", &info));
    EXPECT_TRUE(info.style & CS_GLOBALCLASS);
    EXPECT_NE(button(), nullptr);
}

TEST_F(ButtonTest, AStylusTapInsideSendsBnClickedWithItsIdAndHandle) {
    HWND ok = button();
    input::stylusDown(onScreen(30, 30));
    recorder.dispatchPosted();
    EXPECT_TRUE(pushed(ok));
    EXPECT_EQ(GetCapture(), ok);
    EXPECT_TRUE(commands.empty());
    input::stylusUp(onScreen(40, 32));
    recorder.dispatchPosted();
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].wParam, clicked());
    EXPECT_EQ(commands[0].from, ok);
    EXPECT_FALSE(pushed(ok));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ButtonTest, ATapOnANoActivateButtonLeavesFocusAndActivationWhereTheyWere) {
    HWND bar = control(u"BUTTON", u"Next", BS_PUSHBUTTON, c_rect, c_id, WS_EX_NOACTIVATE);
    SetFocus(parent);
    tap(onScreen(30, 30), onScreen(30, 30));
    recorder.dispatchPosted();
    EXPECT_EQ(GetFocus(), parent);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].from, bar);

    // Nor does it bring its window forward when another one is active.
    HWND other = create("other", nullptr, WS_VISIBLE);
    MoveWindow(other, 0, 300, 20, 20, FALSE);
    ASSERT_EQ(GetActiveWindow(), other);
    tap(onScreen(30, 30), onScreen(30, 30));
    recorder.dispatchPosted();
    EXPECT_EQ(GetActiveWindow(), other);
    EXPECT_EQ(GetFocus(), other);
    EXPECT_EQ(commands.size(), 2u);
}

TEST_F(ButtonTest, SlidingOffShowsItUpAndReleasingOutsideDoesNotClick) {
    HWND ok = button();
    input::stylusDown(onScreen(30, 30));
    recorder.dispatchPosted();  // the capture routes the moves that follow
    input::stylusMove(onScreen(150, 100));
    recorder.dispatchPosted();
    EXPECT_FALSE(pushed(ok));
    input::stylusMove(onScreen(30, 30));
    recorder.dispatchPosted();
    EXPECT_TRUE(pushed(ok));
    input::stylusUp(onScreen(150, 100));
    recorder.dispatchPosted();
    EXPECT_TRUE(commands.empty());
    EXPECT_FALSE(pushed(ok));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ButtonTest, BmClickAndKeysClickButADisabledButtonIgnoresTheStylus) {
    HWND ok = button();
    SendMessageW(ok, BM_CLICK, 0, 0);
    SetFocus(ok);
    input::keyPress(VK_SPACE);
    recorder.dispatchPosted();
    EXPECT_EQ(commands.size(), 2u);
    EXPECT_TRUE(SendMessageW(ok, BM_GETSTATE, 0, 0) & BST_FOCUS);
    commands.clear();
    EnableWindow(ok, FALSE);
    tap(onScreen(30, 30), onScreen(30, 30));
    SendMessageW(ok, BM_CLICK, 0, 0);
    recorder.dispatchPosted();
    EXPECT_TRUE(commands.empty());
}

TEST_F(ButtonTest, DrawsABlackFrameOneWideOrTwoForTheDefaultButton) {
    button(BS_PUSHBUTTON);
    HWND second = control(u"BUTTON", u"Default", BS_DEFPUSHBUTTON, {120, 20, 200, 44}, 8);
    EXPECT_EQ(pixel(20, 20), c_black) << screenSaved("button_frame");
    EXPECT_EQ(pixel(21, 21), c_face) << screenSaved("button_frame");
    EXPECT_EQ(pixel(121, 21), c_black) << screenSaved("button_frame");
    EXPECT_EQ(pixel(122, 22), c_face) << screenSaved("button_frame");
    EXPECT_EQ(GetWindowLongW(second, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
}

TEST_F(ButtonTest, BmSetStateChangesOnlyTheDrawing) {
    HWND ok = button();
    SendMessageW(ok, BM_SETSTATE, TRUE, 0);
    EXPECT_TRUE(pushed(ok));
    EXPECT_EQ(pixel(22, 22), c_black) << screenSaved("button_pushed");  // held down: inverted
    SendMessageW(ok, BM_SETSTATE, FALSE, 0);
    EXPECT_EQ(pixel(22, 22), c_face) << screenSaved("button_released");
    recorder.dispatchPosted();
    EXPECT_TRUE(commands.empty());
}

TEST_F(ButtonTest, BmSetStyleMakesItTheDefaultButton) {
    HWND ok = button();
    SendMessageW(ok, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    recorder.dispatchPosted();
    EXPECT_EQ(GetWindowLongW(ok, GWL_STYLE) & (BS_TYPEMASK | WS_CHILD), BS_DEFPUSHBUTTON | WS_CHILD);
    EXPECT_EQ(pixel(21, 21), c_black) << screenSaved("button_setstyle");
}

TEST_F(ButtonTest, TheParentsCtlColorBrushAndTextColourAreUsed) {
    buttonBrush = CreateSolidBrush(RGB(255, 0, 0));
    textColour = RGB(0, 0, 255);
    button(BS_PUSHBUTTON, u"WWWW");
    EXPECT_EQ(pixel(22, 22), 0xFF0000u) << screenSaved("button_ctlcolor");
    int blue = 0;
    for (int y = c_rect.top; y < c_rect.bottom; ++y)
        for (int x = c_rect.left; x < c_rect.right; ++x) blue += pixel(x, y) == 0x0000FF;
    EXPECT_GT(blue, 10) << screenSaved("button_ctlcolor");
    DeleteObject(buttonBrush);
    buttonBrush = nullptr;
}

TEST_F(ButtonTest, OwnerDrawAsksTheParentWithTheSelectedStateWhilePressed) {
    HWND owned = button(BS_OWNERDRAW);
    ASSERT_FALSE(drawItems.empty());
    const DRAWITEMSTRUCT& first = drawItems.back();
    EXPECT_EQ(first.CtlType, static_cast<UINT>(ODT_BUTTON));
    EXPECT_EQ(first.CtlID, static_cast<UINT>(c_id));
    EXPECT_EQ(first.itemAction, static_cast<UINT>(ODA_DRAWENTIRE));
    EXPECT_EQ(first.hwndItem, owned);
    EXPECT_EQ(first.rcItem.right, 80);
    EXPECT_EQ(first.rcItem.bottom, 24);
    EXPECT_EQ(first.itemState & ODS_SELECTED, 0u);
    drawItems.clear();
    input::stylusDown(onScreen(30, 30));
    recorder.dispatchPosted();
    ASSERT_FALSE(drawItems.empty());
    EXPECT_EQ(drawItems.back().itemState & (ODS_SELECTED | ODS_FOCUS), static_cast<UINT>(ODS_SELECTED | ODS_FOCUS));
    EXPECT_EQ(drawItems.back().itemAction, static_cast<UINT>(ODA_SELECT));
    input::stylusUp(onScreen(30, 30));
    recorder.dispatchPosted();
    EXPECT_EQ(drawItems.back().itemState & ODS_SELECTED, 0u);
    EXPECT_EQ(commands.size(), 1u);
}

}  // namespace
}  // namespace controltest
