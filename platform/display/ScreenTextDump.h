// The screen text as lines a person or a test can read: "x, y, width, height<TAB>text" for
// every visible run, top to bottom, then left to right.
#pragma once

#include <string>
#include <vector>

#include "gwe/ScreenText.h"

namespace ce::display {

class ScreenTextDump {
public:
    static std::string format(const std::vector<gwe::TextRun>& runs);
    // The runs visible now.
    static std::string current();
    // To a file, or to standard output for "-". False, with a one-line reason in error, when
    // the file cannot be written.
    static bool write(const std::string& path, std::string& error);
};

}  // namespace ce::display
