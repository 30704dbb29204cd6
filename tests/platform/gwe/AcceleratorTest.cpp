// TranslateAcceleratorW in a message loop: a matching keystroke becomes WM_COMMAND with 1 in
// the high word and is consumed (no WM_KEYDOWN, no WM_CHAR); modifiers must agree exactly.
#include "gwe/Input.h"
#include "platform/gwe/MessageRecorder.h"
#include "platform/resource/TestResourceIds.h"

namespace gwetest {
namespace {

namespace input = ce::gwe::input;

class AcceleratorTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        main = create("main", nullptr, WS_VISIBLE);
        accelerators = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDA_MAIN));
        ASSERT_NE(accelerators, nullptr);
        recorder.dispatchPosted();
        recorder.clear();
    }

    // The loop of a program with an accelerator table.
    void run() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (TranslateAcceleratorW(main, accelerators, &msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }

    HWND main{};
    HACCEL accelerators{};
};

// Every WM_COMMAND, WM_KEYDOWN and WM_CHAR the window received, in order.
class KeyLog {
public:
    static LRESULT CALLBACK proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_COMMAND || message == WM_KEYDOWN || message == WM_CHAR)
            log().push_back({hwnd, message, c_sent, wParam, 0});
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    static std::vector<Msg>& log() {
        static std::vector<Msg> entries;
        return entries;
    }
};

UINT keyMessages(const std::vector<Msg>& log, UINT message) {
    UINT count = 0;
    for (const Msg& m : log) count += m.message == message;
    return count;
}

TEST_F(AcceleratorTest, AMatchingKeystrokeBecomesACommandAndIsConsumed) {
    SetWindowLongPtrW(main, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&KeyLog::proc));
    KeyLog::log().clear();
    input::keyPress('O', true);
    run();
    const std::vector<Msg>& log = KeyLog::log();
    ASSERT_EQ(keyMessages(log, WM_COMMAND), 1u);
    EXPECT_EQ(keyMessages(log, WM_CHAR), 0u);
    for (const Msg& m : log)
        if (m.message == WM_COMMAND) EXPECT_EQ(*m.wParam, MAKEWPARAM(IDM_OPEN, 1));
        else EXPECT_NE(*m.wParam, WPARAM('O')) << "the keystroke reached the window";
}

TEST_F(AcceleratorTest, ModifiersMustAgreeExactly) {
    SetWindowLongPtrW(main, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&KeyLog::proc));
    KeyLog::log().clear();
    input::keyPress('O');  // no Ctrl: an ordinary key and character
    input::keyPress('Q', true);  // the table wants Ctrl+Shift+Q
    input::keyDown(VK_SHIFT);
    input::keyPress('O', true);  // Ctrl+Shift+O is not Ctrl+O
    input::keyPress('Q', true);
    input::keyUp(VK_SHIFT);
    run();
    std::vector<WPARAM> commands;
    for (const Msg& m : KeyLog::log())
        if (m.message == WM_COMMAND) commands.push_back(*m.wParam);
    EXPECT_EQ(commands, std::vector<WPARAM>{MAKEWPARAM(IDM_EXIT, 1)});
    EXPECT_GE(keyMessages(KeyLog::log(), WM_CHAR), 1u);  // the plain 'o'
}

TEST_F(AcceleratorTest, ABadTableOrWindowTranslatesNothing) {
    MSG msg{main, WM_KEYDOWN, 'O', 0, 0, {}};
    EXPECT_EQ(TranslateAcceleratorW(main, nullptr, &msg), 0);
    EXPECT_EQ(TranslateAcceleratorW(nullptr, accelerators, &msg), 0);
}

}  // namespace
}  // namespace gwetest
