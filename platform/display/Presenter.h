// Presenters show the screen and bring in input: `sdl` (a desktop window) or `headless`,
// chosen by CE_DISPLAY, with an optional CE_SCRIPT driving the run.
#pragma once

namespace ce::display {

// Installs the chosen presenter as the message queue's event pump. A presenter that cannot
// start says why on stderr and ends the process.
void startPresenter();

}  // namespace ce::display
