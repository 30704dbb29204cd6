// The message box the user sees: every button set and the ids its buttons answer, Enter
// for the MB_DEFBUTTONn button, Escape and WM_CLOSE, the owner disabled meanwhile, a script
// clicking its text, and how it looks.
#include "gwe/ScreenText.h"
#include "platform/dialog/DialogTest.h"

namespace dialogtest {
namespace {

using MessageBoxDialogTest = DialogTest;

struct ButtonSet {
    UINT style;
    std::vector<std::pair<const char*, int>> buttons;  // label, answer
};

const std::vector<ButtonSet> c_sets = {
    {MB_OK, {{"OK", IDOK}}},
    {MB_OKCANCEL, {{"OK", IDOK}, {"Cancel", IDCANCEL}}},
    {MB_ABORTRETRYIGNORE, {{"Abort", IDABORT}, {"Retry", IDRETRY}, {"Ignore", IDIGNORE}}},
    {MB_YESNOCANCEL, {{"Yes", IDYES}, {"No", IDNO}, {"Cancel", IDCANCEL}}},
    {MB_YESNO, {{"Yes", IDYES}, {"No", IDNO}}},
    {MB_RETRYCANCEL, {{"Retry", IDRETRY}, {"Cancel", IDCANCEL}}},
};

TEST_F(MessageBoxDialogTest, AScriptClickOnEachButtonOfEverySetAnswersItsId) {
    for (const ButtonSet& set : c_sets)
        for (const auto& [label, answer] : set.buttons) {
            script(std::string("expect Delete the record?\nclick ") + label);
            EXPECT_EQ(MessageBoxW(owner, u"Delete the record?", u"Orvane", set.style), answer) << label;
        }
}

TEST_F(MessageBoxDialogTest, EnterAnswersTheDefaultButtonMbDefButtonPicks) {
    std::vector<std::pair<UINT, int>> cases = {
        {MB_OK, IDOK}, {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL}, {MB_YESNO, IDYES},
        {MB_YESNO | MB_DEFBUTTON2, IDNO}, {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
        {MB_ABORTRETRYIGNORE | MB_DEFBUTTON2, IDRETRY}, {MB_OK | MB_DEFBUTTON3, IDOK}};
    for (auto [style, answer] : cases) {
        whileShown([](HWND) { ce::gwe::input::keyPress(VK_RETURN); });
        EXPECT_EQ(MessageBoxW(owner, u"Text", u"Caption", style), answer) << "style " << style;
    }
}

TEST_F(MessageBoxDialogTest, EscapeAndCloseAnswerCancelOrOkForMbOkOrNoForMbYesNo) {
    std::vector<std::pair<UINT, int>> cases = {
        {MB_OK, IDOK}, {MB_OKCANCEL, IDCANCEL}, {MB_YESNO, IDNO}, {MB_YESNOCANCEL, IDCANCEL}, {MB_RETRYCANCEL, IDCANCEL}};
    for (auto [style, answer] : cases) {
        whileShown([](HWND) { ce::gwe::input::keyPress(VK_ESCAPE); });
        EXPECT_EQ(MessageBoxW(owner, u"Text", u"Caption", style), answer) << "Escape, style " << style;
        whileShown([](HWND box) { SendMessageW(box, WM_CLOSE, 0, 0); });
        EXPECT_EQ(MessageBoxW(owner, u"Text", u"Caption", style), answer) << "WM_CLOSE, style " << style;
    }
}

TEST_F(MessageBoxDialogTest, TheOwnerIsDisabledWhileTheBoxShowsAndActiveAgainAfter) {
    HWND box = nullptr, ownerOfBox = nullptr;
    bool ownerEnabledMeanwhile = true;
    whileShown([&](HWND shown) {
        box = shown;
        ownerOfBox = GetParent(shown);
        ownerEnabledMeanwhile = IsWindowEnabled(owner);
        tap(GetDlgItem(shown, IDNO));
    });
    EXPECT_EQ(MessageBoxW(owner, u"Keep it?", nullptr, MB_YESNO | MB_SETFOREGROUND), IDNO);
    EXPECT_NE(box, owner);
    EXPECT_EQ(ownerOfBox, owner);
    EXPECT_FALSE(ownerEnabledMeanwhile);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(GetActiveWindow(), owner);
    EXPECT_FALSE(IsWindow(box));
}

TEST_F(MessageBoxDialogTest, AQuitArrivingWhileTheBoxShowsEndsItAndIsPostedAgain) {
    whileShown([](HWND) { PostQuitMessage(3); });
    EXPECT_EQ(MessageBoxW(owner, u"Save?", u"Orvane", MB_YESNOCANCEL), IDCANCEL);
    MSG msg{};
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
}

// The box spans the screen less two pixels each side, under a highlight title strip with
// the caption, a white body with the icon at the left, and a null caption reads "Error".
TEST_F(MessageBoxDialogTest, TheBoxIsAWideWhitePopUpWithATitleStripAndTheIconLeftOfTheText) {
    RECT rect{};
    std::vector<std::u16string> texts;
    COLORREF title = 0, body = 0, stop = 0;
    whileShown([&](HWND box) {
        GetWindowRect(box, &rect);
        title = screenPixel(rect.left + 2, rect.top + 2);
        body = screenPixel(rect.right - 4, rect.bottom - 3);
        RECT text;
        GetWindowRect(GetDlgItem(box, 0xFFFF), &text);
        stop = screenPixel(text.left - 24, text.top + 12);
        for (const ce::gwe::TextRun& run : ce::gwe::ScreenText::instance().visibleRuns())
            if (run.window == box || GetParent(run.window) == box) texts.push_back(run.text);
        if (rect.left != 2 || title != GetSysColor(COLOR_HIGHLIGHT) || stop != RGB(208, 16, 16))
            ADD_FAILURE() << screenSaved("messagebox_look");
        ce::gwe::input::keyPress(VK_RETURN);
    });
    MessageBoxW(owner, u"The database is damaged.", nullptr, MB_OK | MB_ICONSTOP);
    EXPECT_EQ(rect.left, 2);
    EXPECT_EQ(rect.right, 238);
    EXPECT_GT(rect.top, 26);
    EXPECT_LT(rect.bottom, 200);
    EXPECT_EQ(title, GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(body, RGB(255, 255, 255));
    EXPECT_EQ(stop, RGB(208, 16, 16));
    EXPECT_EQ(texts, (std::vector<std::u16string>{u"Error", u"The database is damaged.", u"OK"}));
}

}  // namespace
}  // namespace dialogtest
