// The desktop keys that stand for the handheld's keys, as virtual-key codes.
#pragma once

#include <SDL.h>

#include "windef.h"

namespace ce::display {

class SdlKeyMap {
public:
    // 0 for a key the handheld does not have.
    static UINT virtualKey(SDL_Keycode key);
};

}  // namespace ce::display
