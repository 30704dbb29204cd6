// The presenter with a desktop window: the screen scaled up (nearest neighbour), the left
// mouse button as the stylus, the keyboard as the handheld's keys, the foreground window's
// icon as the desktop window's.
#pragma once

#include <SDL.h>

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "display/Presenter.h"
#include "gwe/gdi/Surface.h"
#include "windef.h"

namespace ce::display {

class SdlPresenter : public Presenter {
public:
    // Starts SDL's video. False, with a one-line reason in error, when it cannot, or when it
    // found only an invisible driver (dummy, offscreen) that SDL_VIDEODRIVER did not ask for.
    static bool openVideo(std::string& error);

    // Needs openVideo first. False, with a reason, when the window cannot be made.
    bool open(const std::string& title, int scale, std::string& error);
    ~SdlPresenter() override;

    void pump(int timeoutMs) override;
    void wake() override;
    void raise() override;

    // Tests: keep a copy of each frame as drawn, before it is presented.
    void setFrameCapture(bool capture) { m_captureFrames = capture; }
    // The last frame shown, at the window's size, as 0x00RRGGBB rows.
    const std::vector<gdi::Pixel>& lastFramePixels() const { return m_lastFrame; }
    int frameWidth() const { return m_frameWidth; }
    // The icon the desktop window was last given (the foreground window's), or null.
    HICON shownIcon() const { return m_shownIcon; }

private:
    void handle(const SDL_Event& event);
    void handleMouse(const SDL_Event& event);
    void handleKey(const SDL_Event& event);
    void handleWindow(const SDL_WindowEvent& event);
    void closeForeground();
    POINT toScreen(int windowX, int windowY) const;
    void show();
    void captureFrame();
    void showIcon();

    SDL_Window* m_window = nullptr;
    SDL_Renderer* m_renderer = nullptr;
    SDL_Texture* m_texture = nullptr;
    Uint32 m_wakeEvent = 0;
    std::atomic<bool> m_wakePending{false};
    bool m_gaveInput = false;
    bool m_stylusDown = false;
    bool m_stale = true;
    std::uint64_t m_shownGeneration = 0;
    bool m_captureFrames = false;
    std::vector<gdi::Pixel> m_lastFrame;
    int m_frameWidth = 0;
    HICON m_shownIcon = nullptr;
};

}  // namespace ce::display
