// One command of a script (CE_SCRIPT), as the parser makes it and the runner carries it out.
#pragma once

#include <string>

#include "windef.h"

namespace ce::display {

struct ScriptCommand {
    enum class Kind {
        Tap,
        Hold,
        Click,
        Key,
        Wait,
        Expect,
        ExpectNot,
        Screenshot,
        Text,
        Hibernate,
        Close,
        Mark,
        Repaint,
    };

    Kind kind = Kind::Tap;
    int line = 0;       // 1-based, for failure messages
    POINT point{};      // tap, hold
    UINT virtualKey = 0;
    bool control = false;
    int milliseconds = 0;  // wait; hold (-1: the usual hold time)
    std::string text;      // click, expect, expect-not (UTF-8); the path of screenshot and text; mark's label
};

}  // namespace ce::display
