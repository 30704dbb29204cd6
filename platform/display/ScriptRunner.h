// Carries out a script's commands, one idle moment at a time: each runs when the message
// queue has nothing left to do, so the screen it looks at is settled, and modal loops run
// commands as the main loop does (loops that filter what they take do not). When the commands are done it closes the program.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "display/ScriptCommand.h"

namespace ce::display {

class ScriptRunner {
public:
    using Clock = std::chrono::steady_clock;

    // The stylus stays down this long for `hold`: the handheld's 400 ms tap-and-hold delay
    // and a margin, during which messages (and the shell's timers) keep flowing.
    static constexpr std::chrono::milliseconds c_holdTime{600};
    // After the script asks the program to close: how long before quitting its loop, and
    // again before giving up on it.
    static constexpr std::chrono::milliseconds c_closeGrace{2000};
    static constexpr int c_failureExitCode = 99;

    explicit ScriptRunner(std::vector<ScriptCommand> commands,
                          std::chrono::milliseconds closeGrace = c_closeGrace);

    // Reads and parses a script file; any fault ends the process as a failed command does.
    static ScriptRunner fromFile(const std::string& path);

    // The queue's pump runs: a stylus lift that is due happens whatever the program is doing,
    // as the hardware's would; commands run only when the queue is idle, not while a loop of
    // the program's waits for particular messages. Returns how long the caller may wait
    // before the next call (ms; -1: as long as it likes), 0 when it has just given input.
    int onPump(bool idle);

    // Prints "script:LINE: reason", the screen text and the top-level windows to stderr,
    // then ends the process.
    [[noreturn]] static void fail(int line, const std::string& reason);

private:
    enum class Outcome { Next, GaveInput, Waits };

    Outcome run(const ScriptCommand& command);
    Outcome runPointer(const ScriptCommand& command, POINT point);
    Outcome runClick(const ScriptCommand& command);
    Outcome runExpect(const ScriptCommand& command, bool present);
    Outcome runHibernate();
    // The top-level windows, topmost first, a line each: what covers what when text is missing.
    static std::string windowList();
    Outcome runClose(const ScriptCommand& command);
    Outcome runRepaint(const ScriptCommand& command);
    static void printMark(const ScriptCommand& command);
    int finish();
    int millisecondsUntilResume() const;

    std::vector<ScriptCommand> m_commands;
    size_t m_next = 0;
    Clock::time_point m_resumeAt{};
    std::optional<POINT> m_pendingStylusUp;  // tap and hold lift the stylus on a later turn
    std::chrono::milliseconds m_closeGrace;
    int m_closeAttempts = 0;
};

}  // namespace ce::display
