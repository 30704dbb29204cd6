// The screen as a PNG file, at any moment: for scripts, tests and people.
#pragma once

#include <string>

namespace ce::display {

// False, with a one-line reason in error, when the file cannot be written.
bool saveScreenshot(const std::string& path, std::string& error);

}  // namespace ce::display
