// The sdl presenter under SDL's dummy driver: it shows the screen pixel for pixel at its
// scale, turns desktop events into the stylus, keys and closing, and wakes for posts.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <thread>

#include "display/SdlPresenter.h"
#include "gwe/Screen.h"
#include "gwe/gdi/PngWriter.h"
#include "platform/display/TextWindow.h"
#include "platform/resource/TestResourceIds.h"

namespace ce::display {
namespace {

using displaytest::TextWindow;
using namespace std::chrono_literals;

constexpr int c_scale = 3;

class SdlPresenterTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        std::string error;
        ASSERT_TRUE(SdlPresenter::openVideo(error)) << error;
        m_presenter = std::make_unique<SdlPresenter>();
        ASSERT_TRUE(m_presenter->open("display test", c_scale, error)) << error;
        m_presenter->setFrameCapture(true);
    }
    void TearDown() override {
        m_presenter.reset();
        unsetenv("SDL_VIDEODRIVER");
    }

    static void push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError(); }
    static SDL_Event button(Uint32 type, int screenX, int screenY) {
        SDL_Event event{};
        event.type = type;
        event.button.button = SDL_BUTTON_LEFT;
        event.button.x = screenX * c_scale + 1;
        event.button.y = screenY * c_scale + 2;
        return event;
    }
    // The presenter's turn, then the program's handling of what it posted.
    void pumpAndDispatch() {
        m_presenter->pump(0);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }

    std::unique_ptr<SdlPresenter> m_presenter;
};

TEST_F(SdlPresenterTest, TheWindowShowsEveryScreenPixelScaledByNearestNeighbour) {
    gdi::Surface& screen = gwe::Screen::instance().surface();
    gdi::Surface saved = screen;
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x) screen.setPixel(x, y, static_cast<gdi::Pixel>((x * 0x010203 ^ y * 0x030100) & 0xFFFFFF));
    screen.setPixel(0, 0, 0xFF0000);
    screen.setPixel(screen.width() - 1, screen.height() - 1, 0x0000FF);
    screen.touch();
    m_presenter->pump(0);

    const std::vector<gdi::Pixel>& frame = m_presenter->lastFramePixels();
    int width = m_presenter->frameWidth();
    ASSERT_EQ(width, screen.width() * c_scale);
    ASSERT_EQ(frame.size(), static_cast<size_t>(width) * screen.height() * c_scale);
    EXPECT_EQ(frame[0], 0xFF0000u);
    EXPECT_EQ(frame[static_cast<size_t>(c_scale - 1) * width + c_scale - 1], 0xFF0000u);
    EXPECT_EQ(frame.back(), 0x0000FFu);
    int mismatches = 0;
    for (int y = 0; y < screen.height() * c_scale; ++y)
        for (int x = 0; x < width; ++x)
            mismatches += frame[static_cast<size_t>(y) * width + x] != screen.pixel(x / c_scale, y / c_scale);
    EXPECT_EQ(mismatches, 0);
    if (mismatches) {
        gdi::Surface shown(width, screen.height() * c_scale);
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < width; ++x) shown.setPixel(x, y, frame[static_cast<size_t>(y) * width + x]);
        std::string error;
        gdi::writePng(shown, "SdlPresenterTest-shown.png", error);
        gdi::writePng(screen, "SdlPresenterTest-screen.png", error);
        ADD_FAILURE() << "wrote SdlPresenterTest-shown.png and SdlPresenterTest-screen.png " << error;
    }
    screen = saved;
    screen.touch();
}

TEST_F(SdlPresenterTest, TheLeftButtonIsTheStylusAtScreenCoordinates) {
    TextWindow window(u"Tap me");
    push(button(SDL_MOUSEBUTTONDOWN, 30, 100));
    SDL_Event right = button(SDL_MOUSEBUTTONDOWN, 50, 120);
    right.button.button = SDL_BUTTON_RIGHT;  // not the stylus
    push(right);
    push(button(SDL_MOUSEBUTTONUP, 31, 101));
    pumpAndDispatch();
    POINT down{30, 100};
    POINT up{31, 101};
    ScreenToClient(window.hwnd(), &down);
    ScreenToClient(window.hwnd(), &up);
    ASSERT_EQ(window.received(WM_LBUTTONDOWN).size(), 1u);
    ASSERT_EQ(window.received(WM_LBUTTONUP).size(), 1u);
    EXPECT_EQ(window.received(WM_LBUTTONDOWN)[0].lParam, MAKELPARAM(down.x, down.y));
    EXPECT_EQ(window.received(WM_LBUTTONUP)[0].lParam, MAKELPARAM(up.x, up.y));
}

TEST_F(SdlPresenterTest, KeysArriveAsVirtualKeysAndClosingTheWindowClosesTheForegroundWindow) {
    TextWindow window(u"Keys");
    for (SDL_Keycode key : {SDLK_RETURN, SDLK_F1, SDLK_x, SDLK_F5}) {
        SDL_Event event{};
        event.type = SDL_KEYDOWN;
        event.key.keysym.sym = key;
        push(event);
    }
    SDL_Event close{};
    close.type = SDL_WINDOWEVENT;
    close.window.event = SDL_WINDOWEVENT_CLOSE;
    push(close);
    pumpAndDispatch();
    std::vector<WPARAM> keys;
    for (const MSG& msg : window.received(WM_KEYDOWN)) keys.push_back(msg.wParam);
    EXPECT_EQ(keys, (std::vector<WPARAM>{VK_RETURN, 'X'}));  // F5 is not a handheld key
    EXPECT_EQ(window.received(WM_HELP).size(), 1u);          // F1 asks the active window for help
    EXPECT_EQ(window.received(WM_CLOSE).size(), 1u);
}

TEST_F(SdlPresenterTest, TheDesktopWindowTakesTheForegroundWindowsBigIconElseItsSmallOne) {
    HICON small = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MARK));
    HICON big = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MARK));
    ASSERT_TRUE(small && big);
    TextWindow first(u"First", false);
    SendMessageW(first.hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    pumpAndDispatch();
    EXPECT_EQ(m_presenter->shownIcon(), small);
    SendMessageW(first.hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    pumpAndDispatch();
    EXPECT_EQ(m_presenter->shownIcon(), big);

    // Another window coming forward brings its own icon; one without any leaves the last.
    TextWindow second(u"Second", false);
    pumpAndDispatch();
    EXPECT_EQ(m_presenter->shownIcon(), big);
    SendMessageW(second.hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    pumpAndDispatch();
    EXPECT_EQ(m_presenter->shownIcon(), small);
    SetForegroundWindow(first.hwnd());
    pumpAndDispatch();
    EXPECT_EQ(m_presenter->shownIcon(), big);

    // An icon destroyed while a window still names it is passed over, and looking it up
    // leaves the program's last error as it was.
    DestroyIcon(small);
    SetForegroundWindow(second.hwnd());
    SetLastError(1234);
    m_presenter->pump(0);
    EXPECT_EQ(GetLastError(), 1234u);
    EXPECT_EQ(m_presenter->shownIcon(), big);
    DestroyIcon(big);
}

TEST_F(SdlPresenterTest, AWakeFromAnotherThreadEndsAnUnlimitedWait) {
    m_presenter->pump(0);
    auto start = std::chrono::steady_clock::now();
    std::thread poster([this] {
        std::this_thread::sleep_for(30ms);
        m_presenter->wake();
    });
    m_presenter->pump(-1);
    poster.join();
    EXPECT_GE(std::chrono::steady_clock::now() - start, 30ms);
}

}  // namespace
}  // namespace ce::display
