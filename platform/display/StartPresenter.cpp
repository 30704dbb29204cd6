// Choosing the presenter from the environment: CE_DISPLAY (sdl, headless, or unset: sdl when
// there is a display), CE_SCALE for the window and CE_SCRIPT for a scripted run. A choice
// that cannot be honoured ends the process with one line saying what to do.
#include <errno.h>
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "display/HeadlessPresenter.h"
#include "display/Presenter.h"
#include "display/ScriptRunner.h"
#include "display/SdlPresenter.h"

namespace ce::display {

namespace {

// A code of its own: 2 is the programs' own (the viewer's on hibernation).
constexpr int c_displayExitCode = 3;
constexpr int c_defaultScale = 2;
constexpr int c_largestScale = 16;

[[noreturn]] void refuse(const std::string& reason) {
    std::fprintf(stderr, "%s: %s\n", program_invocation_short_name, reason.c_str());
    std::fflush(nullptr);
    std::_Exit(c_displayExitCode);
}

bool hasDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value && *value) return true;
    }
    return false;
}

int scaleFromEnvironment() {
    const char* text = std::getenv("CE_SCALE");
    if (!text || !*text) return c_defaultScale;
    int scale = 0;
    const char* end = text + std::strlen(text);
    auto [next, error] = std::from_chars(text, end, scale);
    if (error == std::errc() && next == end && scale >= 1 && scale <= c_largestScale) return scale;
    std::fprintf(stderr, "%s: CE_SCALE=%s is not a whole number from 1 to %d; using %d\n",
                 program_invocation_short_name, text, c_largestScale, c_defaultScale);
    return c_defaultScale;
}

std::unique_ptr<Presenter> openSdl(bool chosen) {
    std::string error;
    if (!chosen && !hasDisplay())
        refuse("no display found; set CE_DISPLAY=headless to run without a window");
    if (!SdlPresenter::openVideo(error))
        refuse(error + (chosen ? "" : "; set CE_DISPLAY=headless to run without a window"));
    auto presenter = std::make_unique<SdlPresenter>();
    if (!presenter->open(program_invocation_short_name, scaleFromEnvironment(), error)) refuse(error);
    return presenter;
}

std::unique_ptr<Presenter> choosePresenter() {
    const char* display = std::getenv("CE_DISPLAY");
    if (!display || !*display) return openSdl(false);
    if (std::strcmp(display, "sdl") == 0) return openSdl(true);
    if (std::strcmp(display, "headless") == 0) return std::make_unique<HeadlessPresenter>();
    refuse(std::string("CE_DISPLAY=") + display + " is not a display (sdl or headless)");
}

// A headless run without a script has no input at all: someone who started it by hand should
// not wait for it in silence. Only a terminal is told, so tests and the programs they start
// headless (their stderr a pipe or a file) stay quiet.
void warnUndriven() {
    if (!isatty(STDERR_FILENO)) return;
    std::fprintf(stderr,
                 "%s: headless screen and no CE_SCRIPT: nothing will drive this program; "
                 "stop it with Ctrl+C or kill %d\n",
                 program_invocation_short_name, static_cast<int>(getpid()));
}

}  // namespace

void startPresenter() {
    std::unique_ptr<Presenter> presenter = choosePresenter();
    const char* script = std::getenv("CE_SCRIPT");
    if (script && *script)
        presenter->setScript(std::make_unique<ScriptRunner>(ScriptRunner::fromFile(script)));
    else if (dynamic_cast<HeadlessPresenter*>(presenter.get()))
        warnUndriven();
    installPresenter(std::move(presenter));
}

}  // namespace ce::display
