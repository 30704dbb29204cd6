// The theme of the active application, which the frame's controls draw with.
#pragma once

#include "app/App.h"
#include "app/Globals.h"

namespace Orvane {

// None before the program makes its application the active one.
inline Nevo::Theme* activeTheme() {
    Nevo::App* app = Nevo::Globals::getActiveApp();
    return app ? app->getTheme() : nullptr;
}

}  // namespace Orvane
