// Scripts driving a real window through the headless presenter: commands run at idle time,
// input reaches the window, timers keep firing while the script waits or holds, the run
// ends by closing the foreground window, and a failure exits with 99 and the screen text.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include "display/HeadlessPresenter.h"
#include "display/ScriptParser.h"
#include "display/ScriptRunner.h"
#include "gwe/ScreenText.h"
#include "platform/display/TextWindow.h"
#include "support/ScratchFolder.h"

namespace ce::display {
namespace {

using displaytest::TextWindow;
using namespace std::chrono_literals;

class ScriptRunnerTest : public ::testing::Test {
protected:
    void TearDown() override { installPresenter(std::make_unique<HeadlessPresenter>()); }

    static void install(const std::string& script, std::chrono::milliseconds closeGrace) {
        ParsedScript parsed = ScriptParser::parse(script);
        EXPECT_FALSE(parsed.error) << parsed.error->line << ": " << parsed.error->reason;
        auto presenter = std::make_unique<HeadlessPresenter>();
        presenter->setScript(std::make_unique<ScriptRunner>(std::move(parsed.commands), closeGrace));
        installPresenter(std::move(presenter));
    }

    // The program's message loop; returns its exit code.
    static int loop() {
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        return static_cast<int>(msg.wParam);
    }

    static int run(const std::string& script, std::chrono::milliseconds closeGrace = 500ms) {
        install(script, closeGrace);
        return loop();
    }

    // The centre of the first visible run with this text, in the window's client coordinates.
    static LPARAM clientCentreOf(HWND hwnd, const std::u16string& text) {
        for (const gwe::TextRun& run : gwe::ScreenText::instance().visibleRuns()) {
            if (run.text != text) continue;
            POINT centre{(run.rect.left + run.rect.right) / 2, (run.rect.top + run.rect.bottom) / 2};
            ScreenToClient(hwnd, &centre);
            return MAKELPARAM(centre.x, centre.y);
        }
        ADD_FAILURE() << "no visible run of the text";
        return 0;
    }
};

TEST_F(ScriptRunnerTest, ClickTapsTheCentreOfVisibleTextKeysArriveAndTheEndClosesTheProgram) {
    TextWindow window(u"Databases");
    LPARAM centre = clientCentreOf(window.hwnd(), u"Databases");
    test_support::ScratchFolder folder("display-runner");
    std::string dump = folder.file("screen.txt");
    EXPECT_EQ(run("expect Datab\nexpect-not Records\nclick \"Databases\"\nkey RETURN\nkey CTRL+S\ntext " + dump), 0);

    EXPECT_FALSE(IsWindow(window.hwnd()));
    std::vector<MSG> down = window.received(WM_LBUTTONDOWN);
    std::vector<MSG> up = window.received(WM_LBUTTONUP);
    ASSERT_EQ(down.size(), 1u);
    ASSERT_EQ(up.size(), 1u);
    EXPECT_EQ(down[0].lParam, centre);
    EXPECT_EQ(up[0].lParam, centre);
    std::vector<WPARAM> keys;
    for (const MSG& msg : window.received(WM_KEYDOWN)) keys.push_back(msg.wParam);
    EXPECT_EQ(keys, (std::vector<WPARAM>{VK_RETURN, VK_CONTROL, 'S'}));
    EXPECT_EQ(window.received(WM_CLOSE).size(), 1u);
    std::ifstream file(dump);  // the navigation bar's title and clock come first
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("\tDatabases\n"), std::string::npos) << text;
}

TEST_F(ScriptRunnerTest, HoldKeepsTheStylusDownWhileTimersFireAndWaitLetsTimeOn) {
    TextWindow window(u"Hold here");
    POINT client{30, 100};
    ScreenToClient(window.hwnd(), &client);  // while the window is there: the run closes it
    SetTimer(window.hwnd(), 1, 50, nullptr);
    run("hold 30 100\nwait 200");
    std::vector<MSG> received = window.received();
    auto at = [&](UINT message) {
        return std::find_if(received.begin(), received.end(), [message](const MSG& m) { return m.message == message; });
    };
    ASSERT_NE(at(WM_LBUTTONDOWN), received.end());
    ASSERT_NE(at(WM_LBUTTONUP), received.end());
    EXPECT_GE(at(WM_LBUTTONUP)->time - at(WM_LBUTTONDOWN)->time, 400u);  // beyond the tap-and-hold delay
    auto timersWhileDown = std::count_if(at(WM_LBUTTONDOWN), at(WM_LBUTTONUP),
                                         [](const MSG& m) { return m.message == WM_TIMER; });
    EXPECT_GE(timersWhileDown, 4);
    auto timersAfter = std::count_if(at(WM_LBUTTONUP), received.end(), [](const MSG& m) { return m.message == WM_TIMER; });
    EXPECT_GE(timersAfter, 2);
    EXPECT_EQ(at(WM_LBUTTONDOWN)->lParam, MAKELPARAM(client.x, client.y));
}

// A loop that waits for particular messages is the program at work, not idle: the script's
// next command waits for a look at everything. The stylus still lifts on time inside such a
// loop, as the shell's tap-and-hold watch needs.
TEST_F(ScriptRunnerTest, CommandsWaitWhileTheProgramTakesOnlySomeMessages) {
    TextWindow window(u"Busy");
    install("key RETURN", 500ms);
    UINT_PTR timer = SetTimer(nullptr, 0, 10, nullptr);
    MSG msg;
    const HWND threadOnly = reinterpret_cast<HWND>(static_cast<LONG_PTR>(-1));
    for (int tick = 0; tick < 3; ++tick) ASSERT_EQ(GetMessageW(&msg, threadOnly, WM_TIMER, WM_TIMER), TRUE);
    KillTimer(nullptr, timer);
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_KEYDOWN, WM_KEYUP, PM_NOREMOVE));
    EXPECT_FALSE(PeekMessageW(&msg, window.hwnd(), 0, 0, PM_NOREMOVE));
    EXPECT_TRUE(window.received(WM_KEYDOWN).empty());

    EXPECT_EQ(loop(), 0);  // the program's own loop looks at everything
    EXPECT_EQ(window.received(WM_KEYDOWN).size(), 1u);
}

// The lift comes while the shell watches the touch in a loop of its own, which then ends as a
// tap: the next command must see the tap handled. A few runs, as the fault showed only mostly.
TEST_F(ScriptRunnerTest, AShortHoldIsATapAndTheNextCommandSeesItHandled) {
    test_support::ScratchFolder folder("display-hold");
    for (int attempt = 0; attempt < 3; ++attempt) {
        TextWindow window(u"Touch me");
        window.watchHolds(u"Lifted");
        POINT where{TextWindow::c_textX + 5, TextWindow::c_textY + 5};
        ClientToScreen(window.hwnd(), &where);
        std::string dump = folder.file("screen" + std::to_string(attempt) + ".txt");
        run("hold " + std::to_string(where.x) + " " + std::to_string(where.y) + " 150\ntext " + dump);
        EXPECT_EQ(window.received(WM_LBUTTONUP).size(), 1u);
        std::ifstream file(dump);
        std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        EXPECT_NE(text.find("\tLifted\n"), std::string::npos) << text;
    }
}

TEST_F(ScriptRunnerTest, HibernateReachesEveryTopLevelWindowAndCloseTheForegroundOne) {
    TextWindow background(u"Behind", false);
    TextWindow front(u"In front");
    EXPECT_EQ(GetForegroundWindow(), front.hwnd());
    run("hibernate\nclose");
    EXPECT_EQ(background.received(WM_HIBERNATE).size(), 1u);
    EXPECT_EQ(front.received(WM_HIBERNATE).size(), 1u);
    EXPECT_EQ(front.received(WM_CLOSE).size(), 1u);  // the end of the script found it gone
    EXPECT_TRUE(background.received(WM_CLOSE).empty());
}

// A child that says on standard output when it paints, between the script's marks.
LRESULT CALLBACK paintLogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProcW(hwnd, message, wParam, lParam);
    PAINTSTRUCT paint;
    BeginPaint(hwnd, &paint);
    EndPaint(hwnd, &paint);
    std::printf("painted\n");
    std::fflush(stdout);
    return 0;
}

long long counterMicroseconds() {
    LARGE_INTEGER count;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return static_cast<long long>(count.QuadPart / frequency.QuadPart * 1'000'000 +
                                  count.QuadPart % frequency.QuadPart * 1'000'000 / frequency.QuadPart);
}

// The repaint reaches a child the foreground window clips away, and the next mark comes after
// its paint; marks are the performance counter in microseconds.
TEST_F(ScriptRunnerTest, RepaintPaintsTheWholeForegroundWindowBeforeTheNextCommandAndMarksPrintTheCounter) {
    TextWindow window(u"Repaint me");
    SetWindowLongW(window.hwnd(), GWL_STYLE, GetWindowLongW(window.hwnd(), GWL_STYLE) | WS_CLIPCHILDREN);
    WNDCLASSW logClass{};
    logClass.lpfnWndProc = paintLogProc;
    logClass.lpszClassName = u"DisplayTestPaintLog";
    RegisterClassW(&logClass);
    HWND child = CreateWindowExW(0, u"DisplayTestPaintLog", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 40, 20,
                                 window.hwnd(), nullptr, nullptr, nullptr);
    UpdateWindow(child);
    ::testing::internal::CaptureStdout();
    long long start = counterMicroseconds();
    run("mark before\nrepaint\nmark after");
    long long end = counterMicroseconds();
    std::string output = ::testing::internal::GetCapturedStdout();
    std::smatch marks;
    ASSERT_TRUE(std::regex_match(output, marks, std::regex("mark before (\\d+)\npainted\nmark after (\\d+)\n")))
        << output;
    EXPECT_LE(start, std::stoll(marks[1]));
    EXPECT_LE(std::stoll(marks[1]), std::stoll(marks[2]));
    EXPECT_LE(std::stoll(marks[2]), end);
}

TEST_F(ScriptRunnerTest, AProgramThatWillNotCloseHasItsLoopEndedAfterAGracePeriod) {
    TextWindow window(u"Stubborn");
    window.refuseClose();
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(run("", 100ms), 0);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 100ms);
    EXPECT_TRUE(IsWindow(window.hwnd()));
    EXPECT_EQ(window.received(WM_CLOSE).size(), 1u);
}

using ScriptRunnerDeathTest = ScriptRunnerTest;

TEST_F(ScriptRunnerDeathTest, AFailedCommandPrintsItsLineAndTheScreenTextAndExitsWith99) {
    TextWindow window(u"Databases");
    EXPECT_EXIT(run("# check\nexpect Databases\nexpect Records"), ::testing::ExitedWithCode(99),
                "^script:3: expected text not on the screen: \"Records\"\n.*\tDatabases\n");
    EXPECT_EXIT(run("expect-not Data"), ::testing::ExitedWithCode(99), "^script:1: unexpected text");
    EXPECT_EXIT(run("\nclick Nowhere"), ::testing::ExitedWithCode(99), "^script:2: no visible text \"Nowhere\"");
    EXPECT_EXIT(run("tap 240 10"), ::testing::ExitedWithCode(99), "^script:1: 240,10 is off the screen");
    EXPECT_EXIT(run("text /nonexistent/screen.txt"), ::testing::ExitedWithCode(99), "^script:1: cannot write");
}

TEST_F(ScriptRunnerDeathTest, ScriptFilesThatCannotBeReadOrParsedFailBeforeAnythingRuns) {
    test_support::ScratchFolder folder("display-script");
    std::ofstream(folder.file("bad.script")) << "tap 1 2\n# fine so far\nswipe 1 2 3 4\n";
    EXPECT_EXIT(ScriptRunner::fromFile(folder.file("bad.script")), ::testing::ExitedWithCode(99),
                "^script:3: unknown command 'swipe'");
    EXPECT_EXIT(ScriptRunner::fromFile(folder.file("none.script")), ::testing::ExitedWithCode(99),
                "^script:0: cannot read the script .*none.script");
}

TEST_F(ScriptRunnerDeathTest, AProgramThatNeverEndsFailsAfterTheScript) {
    TextWindow window(u"Immortal");
    window.refuseClose();
    install("", 50ms);
    auto loopForever = [] {
        for (;;) loop();  // a program that goes on after its loop ends
    };
    EXPECT_EXIT(loopForever(), ::testing::ExitedWithCode(99), "^script:0: the program did not end");
}

}  // namespace
}  // namespace ce::display
