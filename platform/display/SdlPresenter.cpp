// The sdl presenter. The screen is shown again only when something was drawn (or the desktop
// asks), at idle time, when the program's painting has settled. Posts from any thread wake
// the pump with an SDL user event; one is enough until the pump has seen it.
#include "display/SdlPresenter.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "display/SdlKeyMap.h"
#include "gwe/Input.h"
#include "gwe/Screen.h"
#include "gwe/WindowIcon.h"
#include "gwe/resource/Icon.h"
#include "winbase.h"
#include "winuser.h"

namespace ce::display {

namespace {

// Drivers SDL may pick that show nothing on a desktop.
bool invisibleDriver(const char* name) {
    return name && (std::strcmp(name, "dummy") == 0 || std::strcmp(name, "offscreen") == 0);
}

bool requestedDriver(const char* name) {
    const char* requested = std::getenv("SDL_VIDEODRIVER");
    return name && requested && std::strcmp(name, requested) == 0;
}

gdi::Surface& screen() {
    return gwe::Screen::instance().surface();
}

}  // namespace

bool SdlPresenter::openVideo(std::string& error) {
    // Ctrl+C in the terminal ends the program, as for any other tool.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        error = std::string("SDL cannot show a window: ") + SDL_GetError();
        return false;
    }
    const char* driver = SDL_GetCurrentVideoDriver();
    if (invisibleDriver(driver) && !requestedDriver(driver)) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        error = std::string("SDL found no display (only its ") + driver + " driver)";
        return false;
    }
    return true;
}

bool SdlPresenter::open(const std::string& title, int scale, std::string& error) {
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    m_window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                                screen().width() * scale, screen().height() * scale, SDL_WINDOW_SHOWN);
    if (m_window) m_renderer = SDL_CreateRenderer(m_window, -1, 0);
    if (m_window && !m_renderer) m_renderer = SDL_CreateRenderer(m_window, -1, SDL_RENDERER_SOFTWARE);
    if (m_renderer)
        m_texture = SDL_CreateTexture(m_renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                      screen().width(), screen().height());
    m_wakeEvent = SDL_RegisterEvents(1);
    if (!m_texture || m_wakeEvent == static_cast<Uint32>(-1)) {
        error = std::string("cannot open the window: ") + SDL_GetError();
        return false;
    }
    return true;
}

SdlPresenter::~SdlPresenter() {
    if (m_texture) SDL_DestroyTexture(m_texture);
    if (m_renderer) SDL_DestroyRenderer(m_renderer);
    if (m_window) SDL_DestroyWindow(m_window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    SDL_Quit();
}

// Input already waiting comes in first; the script has its turn only when there was none,
// since the queue is no longer idle once the user gave some.
void SdlPresenter::pump(int timeoutMs) {
    m_gaveInput = false;
    SDL_Event event;
    while (SDL_PollEvent(&event)) handle(event);
    show();
    if (m_gaveInput) return;
    int waitMs = runScript(timeoutMs);
    if (waitMs != 0 && (waitMs < 0 ? SDL_WaitEvent(&event) : SDL_WaitEventTimeout(&event, waitMs))) {
        handle(event);
        while (SDL_PollEvent(&event)) handle(event);
    }
    show();
}

void SdlPresenter::wake() {
    if (m_wakePending.exchange(true)) return;
    SDL_Event event{};
    event.type = m_wakeEvent;
    SDL_PushEvent(&event);
}

void SdlPresenter::raise() {
    if (m_window) SDL_RaiseWindow(m_window);
}

void SdlPresenter::handle(const SDL_Event& event) {
    switch (event.type) {
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
    case SDL_MOUSEMOTION: handleMouse(event); break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: handleKey(event); break;
    case SDL_WINDOWEVENT: handleWindow(event.window); break;
    default:
        if (event.type == m_wakeEvent) m_wakePending = false;
        break;
    }
}

// The left button is the stylus; it moves only while it touches the screen.
void SdlPresenter::handleMouse(const SDL_Event& event) {
    if (event.type == SDL_MOUSEMOTION) {
        if (!m_stylusDown) return;
        gwe::input::stylusMove(toScreen(event.motion.x, event.motion.y));
    } else {
        if (event.button.button != SDL_BUTTON_LEFT) return;
        bool down = event.type == SDL_MOUSEBUTTONDOWN;
        if (down == m_stylusDown) return;
        m_stylusDown = down;
        POINT point = toScreen(event.button.x, event.button.y);
        down ? gwe::input::stylusDown(point) : gwe::input::stylusUp(point);
    }
    m_gaveInput = true;
}

// Keys go down and up as they do on the desktop; Ctrl is a key of its own, so Ctrl+letter
// arrives as the handheld's keyboard sends it.
void SdlPresenter::handleKey(const SDL_Event& event) {
    UINT key = SdlKeyMap::virtualKey(event.key.keysym.sym);
    if (!key) return;
    event.type == SDL_KEYDOWN ? gwe::input::keyDown(key) : gwe::input::keyUp(key);
    m_gaveInput = true;
}

void SdlPresenter::handleWindow(const SDL_WindowEvent& event) {
    if (event.event == SDL_WINDOWEVENT_EXPOSED || event.event == SDL_WINDOWEVENT_SIZE_CHANGED) m_stale = true;
    if (event.event == SDL_WINDOWEVENT_CLOSE) closeForeground();
}

// Closing the desktop window closes the program's foreground window, which decides what
// closing means; a program with none has only its loop to end.
void SdlPresenter::closeForeground() {
    if (HWND foreground = GetForegroundWindow())
        PostMessageW(foreground, WM_CLOSE, 0, 0);
    else
        PostQuitMessage(0);
    m_gaveInput = true;
}

// Window coordinates to screen pixels; the stylus never leaves the screen.
POINT SdlPresenter::toScreen(int windowX, int windowY) const {
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(m_window, &width, &height);
    int x = width > 0 ? windowX * screen().width() / width : 0;
    int y = height > 0 ? windowY * screen().height() / height : 0;
    return POINT{std::clamp(x, 0, screen().width() - 1), std::clamp(y, 0, screen().height() - 1)};
}

void SdlPresenter::show() {
    showIcon();
    const gdi::Surface& surface = screen();
    if (!m_stale && surface.generation() == m_shownGeneration) return;
    m_stale = false;
    m_shownGeneration = surface.generation();
    SDL_UpdateTexture(m_texture, nullptr, surface.pixels().data(), surface.width() * 4);
    SDL_RenderClear(m_renderer);
    SDL_RenderCopy(m_renderer, m_texture, nullptr, nullptr);
    if (m_captureFrames) captureFrame();
    SDL_RenderPresent(m_renderer);
}

void SdlPresenter::captureFrame() {
    int width = 0;
    int height = 0;
    SDL_GetRendererOutputSize(m_renderer, &width, &height);
    m_lastFrame.assign(static_cast<size_t>(width) * height, 0);
    m_frameWidth = width;
    SDL_RenderReadPixels(m_renderer, nullptr, SDL_PIXELFORMAT_RGB888, m_lastFrame.data(), width * 4);
    for (gdi::Pixel& pixel : m_lastFrame) pixel &= 0xFFFFFF;
}

// SDL cannot take an icon away: a foreground window without one leaves the last shown. The
// lookup must not change the program's last error, which it may be about to read.
void SdlPresenter::showIcon() {
    HICON icon = gwe::foregroundIcon();
    if (!icon || icon == m_shownIcon) return;
    DWORD lastError = GetLastError();
    const res::Icon* found = res::Icon::find(icon);
    SetLastError(lastError);
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    if (!found || !found->toArgb(width, height, pixels) || pixels.empty()) return;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(pixels.data(), width, height, 32, width * 4,
                                                              SDL_PIXELFORMAT_ARGB8888);
    if (!surface) return;
    SDL_SetWindowIcon(m_window, surface);  // SDL keeps a copy
    SDL_FreeSurface(surface);
    m_shownIcon = icon;
}

}  // namespace ce::display
