// Choosing and running presenters: CE_DISPLAY values that cannot be honoured end the process
// with one line and exit code 3, and a headless pump waits until a post from another thread wakes it.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <chrono>
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
