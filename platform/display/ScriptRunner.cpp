// Script commands in action. Each command that gives the program input ends the runner's
// turn, so that the program has handled it (and repainted) before the next one looks.
#include "display/ScriptRunner.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "cewchar.h"
#include "display/ScreenTextDump.h"
#include "display/ScriptParser.h"
#include "display/Screenshot.h"
#include "gwe/Input.h"
#include "gwe/Screen.h"
#include "gwe/ScreenText.h"
#include "winbase.h"
#include "winuser.h"

namespace ce::display {

namespace {

using Kind = ScriptCommand::Kind;

bool onScreen(POINT point) {
    return gwe::Screen::instance().surface().contains(point.x, point.y);
}

POINT centreOf(const RECT& rect) {
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// The first run that reads exactly text, else the first that contains it; runs come topmost
// first, then leftmost.
const gwe::TextRun* findRun(const std::vector<gwe::TextRun>& runs, const std::u16string& text) {
    for (const gwe::TextRun& run : runs)
        if (run.text == text) return &run;
    for (const gwe::TextRun& run : runs)
        if (run.text.find(text) != std::u16string::npos) return &run;
    return nullptr;
}

}  // namespace

ScriptRunner::ScriptRunner(std::vector<ScriptCommand> commands, std::chrono::milliseconds closeGrace) :
    m_commands(std::move(commands)), m_closeGrace(closeGrace) {}

ScriptRunner ScriptRunner::fromFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) fail(0, "cannot read the script " + path);
    std::ostringstream content;
    content << file.rdbuf();
    ParsedScript parsed = ScriptParser::parse(content.str());
    if (parsed.error) fail(parsed.error->line, parsed.error->reason);
    return ScriptRunner(std::move(parsed.commands));
}

// Once the program has been asked to close, the later steps are deadlines too: a program
// stuck in a loop of its own still has its loop ended, or the run fails.
int ScriptRunner::onPump(bool idle) {
    if (Clock::now() < m_resumeAt) return millisecondsUntilResume();
    if (m_pendingStylusUp) {
        gwe::input::stylusUp(*m_pendingStylusUp);
        m_pendingStylusUp.reset();
        return 0;
    }
    if (!idle && m_closeAttempts == 0) return -1;
    while (m_next < m_commands.size()) {
        switch (run(m_commands[m_next++])) {
        case Outcome::Next: break;
        case Outcome::GaveInput: return 0;
        case Outcome::Waits: return millisecondsUntilResume();
        }
    }
    return finish();
}

ScriptRunner::Outcome ScriptRunner::run(const ScriptCommand& command) {
    switch (command.kind) {
    case Kind::Tap:
    case Kind::Hold: return runPointer(command, command.point);
    case Kind::Click: return runClick(command);
    case Kind::Key: gwe::input::keyPress(command.virtualKey, command.control); return Outcome::GaveInput;
    case Kind::Wait:
        m_resumeAt = Clock::now() + std::chrono::milliseconds(command.milliseconds);
        return Outcome::Waits;
    case Kind::Expect: return runExpect(command, true);
    case Kind::ExpectNot: return runExpect(command, false);
    case Kind::Screenshot: {
        std::string error;
        if (!saveScreenshot(command.text, error)) fail(command.line, error);
        return Outcome::Next;
    }
    case Kind::Text: {
        std::string error;
        if (!ScreenTextDump::write(command.text, error)) fail(command.line, error);
        return Outcome::Next;
    }
    case Kind::Hibernate: return runHibernate();
    case Kind::Close: return runClose(command);
    case Kind::Mark: printMark(command); return Outcome::Next;
    case Kind::Repaint: return runRepaint(command);
    }
    return Outcome::Next;
}

// The stylus goes down now and up on a later turn: at once for a tap, after the hold time
// (with messages flowing meanwhile) for a hold.
ScriptRunner::Outcome ScriptRunner::runPointer(const ScriptCommand& command, POINT point) {
    if (!onScreen(point)) {
        const gdi::Surface& screen = gwe::Screen::instance().surface();
        fail(command.line, std::to_string(point.x) + "," + std::to_string(point.y) + " is off the screen (" +
                               std::to_string(screen.width()) + "x" + std::to_string(screen.height()) + ")");
    }
    gwe::input::stylusDown(point);
    m_pendingStylusUp = point;
    std::chrono::milliseconds down{0};
    if (command.kind == Kind::Hold)
        down = command.milliseconds >= 0 ? std::chrono::milliseconds(command.milliseconds) : c_holdTime;
    m_resumeAt = Clock::now() + down;
    return Outcome::GaveInput;
}

ScriptRunner::Outcome ScriptRunner::runClick(const ScriptCommand& command) {
    std::vector<gwe::TextRun> runs = gwe::ScreenText::instance().visibleRuns();
    const gwe::TextRun* run = findRun(runs, fromUtf8(command.text));
    if (!run) fail(command.line, "no visible text \"" + command.text + "\" to click");
    return runPointer(command, centreOf(run->rect));
}

ScriptRunner::Outcome ScriptRunner::runExpect(const ScriptCommand& command, bool present) {
    std::vector<gwe::TextRun> runs = gwe::ScreenText::instance().visibleRuns();
    bool found = findRun(runs, fromUtf8(command.text)) != nullptr;
    if (found != present)
        fail(command.line, (present ? "expected text not on the screen: \"" : "unexpected text on the screen: \"") +
                               command.text + "\"");
    return Outcome::Next;
}

// Every top-level window hears that memory is short, as the system tells them all.
ScriptRunner::Outcome ScriptRunner::runHibernate() {
    std::vector<HWND> windows;
    for (HWND window = GetWindow(GetDesktopWindow(), GW_CHILD); window; window = GetWindow(window, GW_HWNDNEXT))
        windows.push_back(window);
    for (HWND window : windows) PostMessageW(window, WM_HIBERNATE, 0, 0);
    return windows.empty() ? Outcome::Next : Outcome::GaveInput;
}

ScriptRunner::Outcome ScriptRunner::runClose(const ScriptCommand& command) {
    HWND foreground = GetForegroundWindow();
    if (!foreground) fail(command.line, "no foreground window to close");
    PostMessageW(foreground, WM_CLOSE, 0, 0);
    return Outcome::GaveInput;
}

// The whole foreground window and its children, as the system invalidates them when a window
// that covered them goes: the next command runs once all of it is painted again.
ScriptRunner::Outcome ScriptRunner::runRepaint(const ScriptCommand& command) {
    HWND foreground = GetForegroundWindow();
    if (!foreground) fail(command.line, "no foreground window to repaint");
    RedrawWindow(foreground, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return Outcome::GaveInput;
}

// "mark LABEL MICROSECONDS": the performance counter in microseconds, flushed at once so that
// a run that fails later still shows how far it got.
void ScriptRunner::printMark(const ScriptCommand& command) {
    LARGE_INTEGER count{};
    LARGE_INTEGER frequency{};
    QueryPerformanceCounter(&count);
    if (!QueryPerformanceFrequency(&frequency) || frequency.QuadPart <= 0) frequency.QuadPart = 1;
    LONGLONG seconds = count.QuadPart / frequency.QuadPart;
    LONGLONG rest = count.QuadPart % frequency.QuadPart;
    long long microseconds = seconds * 1'000'000 + rest * 1'000'000 / frequency.QuadPart;
    std::printf("mark %s %lld\n", command.text.c_str(), microseconds);
    std::fflush(stdout);
}

// The script is over: ask the foreground window to close; if the program is still idling
// after a grace period, end its message loop; if even that does not end it, fail.
int ScriptRunner::finish() {
    switch (m_closeAttempts++) {
    case 0:
        if (HWND foreground = GetForegroundWindow())
            PostMessageW(foreground, WM_CLOSE, 0, 0);
        else
            PostQuitMessage(0);
        break;
    case 1: PostQuitMessage(0); break;
    default: fail(0, "the program did not end after the script");
    }
    m_resumeAt = Clock::now() + m_closeGrace;
    return 0;
}

int ScriptRunner::millisecondsUntilResume() const {
    auto left = std::chrono::ceil<std::chrono::milliseconds>(m_resumeAt - Clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

std::string ScriptRunner::windowList() {
    std::string list;
    HWND foreground = GetForegroundWindow();
    for (HWND window = GetWindow(GetDesktopWindow(), GW_CHILD); window; window = GetWindow(window, GW_HWNDNEXT)) {
        WCHAR className[64] = {}, title[128] = {};
        GetClassNameW(window, className, 64);
        GetWindowTextW(window, title, 128);
        RECT rect{};
        GetWindowRect(window, &rect);
        list += "  " + toUtf8(className) + " \"" + toUtf8(title) + "\" " + std::to_string(rect.left) + ", " +
                std::to_string(rect.top) + ", " + std::to_string(rect.right - rect.left) + ", " +
                std::to_string(rect.bottom - rect.top);
        if (!IsWindowVisible(window)) list += " hidden";
        if (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) list += " topmost";
        if (window == foreground) list += " foreground";
        list += "\n";
    }
    return list;
}

void ScriptRunner::fail(int line, const std::string& reason) {
    std::string dump = ScreenTextDump::current();
    std::fprintf(stderr, "script:%d: %s\n", line, reason.c_str());
    std::fputs(dump.empty() ? "The screen shows no text.\n" : "The screen shows:\n", stderr);
    std::fputs(dump.c_str(), stderr);
    std::fputs("The windows, topmost first:\n", stderr);
    std::fputs(windowList().c_str(), stderr);
    std::fflush(nullptr);
    std::_Exit(c_failureExitCode);
}

}  // namespace ce::display
