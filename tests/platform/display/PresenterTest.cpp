// Choosing and running presenters: CE_DISPLAY values that cannot be honoured end the process
// with one line and exit code 3, a headless run without a script says so to a terminal, and a
// headless pump waits until a post from another thread wakes it.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "display/HeadlessPresenter.h"
#include "gwe/MessageQueue.h"

namespace ce::display {
namespace {

using namespace std::chrono_literals;

TEST(PresenterDeathTest, ADisplayThatCannotBeHadEndsTheProcessSayingHowToRunHeadless) {
    EXPECT_EXIT(
        {
            unsetenv("CE_DISPLAY");
            unsetenv("DISPLAY");
            unsetenv("WAYLAND_DISPLAY");
            startPresenter();
        },
        ::testing::ExitedWithCode(3), "no display found; set CE_DISPLAY=headless to run without a window\n$");
    EXPECT_EXIT(
        {
            setenv("CE_DISPLAY", "vnc", 1);
            startPresenter();
        },
        ::testing::ExitedWithCode(3), "CE_DISPLAY=vnc is not a display \\(sdl or headless\\)\n$");
}

// What a child process that starts the presenter headless writes to its stderr, which is a
// terminal (a pseudo-terminal here) or a pipe; script is CE_SCRIPT, or null for none.
std::string startupWords(bool terminal, const char* script, pid_t& child) {
    int reader = -1, writer = -1;
    if (terminal) {
        reader = posix_openpt(O_RDWR | O_NOCTTY);
        if (reader < 0 || grantpt(reader) != 0 || unlockpt(reader) != 0) return "no terminal";
        writer = open(ptsname(reader), O_RDWR | O_NOCTTY);
    } else {
        int ends[2];
        if (pipe(ends) != 0) return "no pipe";
        reader = ends[0];
        writer = ends[1];
    }
    child = fork();
    if (child == 0) {
        dup2(writer, STDERR_FILENO);
        setenv("CE_DISPLAY", "headless", 1);
        if (script) setenv("CE_SCRIPT", script, 1);
        else unsetenv("CE_SCRIPT");
        startPresenter();
        _exit(0);
    }
    close(writer);
    std::string words;
    pollfd ready{reader, POLLIN, 0};
    char buffer[256];
    ssize_t length;
    // A terminal's reader gets EIO once the child is gone; a pipe's, the end.
    while (poll(&ready, 1, 10000) == 1 && (length = read(reader, buffer, sizeof buffer)) > 0)
        words.append(buffer, static_cast<size_t>(length));
    close(reader);
    waitpid(child, nullptr, 0);
    return words;
}

TEST(PresenterStartTest, AHeadlessRunWithoutAScriptTellsATerminalHowToStopIt) {
    pid_t child = 0;
    std::string told = startupWords(true, nullptr, child);
    EXPECT_NE(told.find("headless screen and no CE_SCRIPT: nothing will drive this program; "
                        "stop it with Ctrl+C or kill " + std::to_string(child)),
              std::string::npos)
        << told;
    EXPECT_EQ(told.find("CE_SCRIPT"), told.rfind("CE_SCRIPT")) << "said once: " << told;
    // Tests and programs started by them write to pipes and files: nothing there.
    EXPECT_EQ(startupWords(false, nullptr, child), "");
    // A script drives the run: nothing to say.
    EXPECT_EQ(startupWords(true, "/dev/null", child), "");
}

TEST(HeadlessPresenterTest, APostFromAnotherThreadEndsAnUnlimitedWait) {
    HeadlessPresenter presenter;
    presenter.pump(0);  // forgets wakes from earlier posts
    auto start = std::chrono::steady_clock::now();
    std::thread poster([&presenter] {
        std::this_thread::sleep_for(30ms);
        presenter.wake();
    });
    presenter.pump(-1);
    poster.join();
    EXPECT_GE(std::chrono::steady_clock::now() - start, 30ms);
}

TEST(HeadlessPresenterTest, AWakeBeforeTheWaitIsNotSleptThroughAndTimeoutsEndIt) {
    HeadlessPresenter presenter;
    presenter.wake();
    presenter.pump(-1);  // returns at once
    auto start = std::chrono::steady_clock::now();
    presenter.pump(40);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 40ms);
}

}  // namespace
}  // namespace ce::display
