// The program title (string 1): the name of the frame's window class and of the mutex that
// keeps the program to one instance.
#pragma once

#include <windows.h>

namespace Orvane {

// At most c_titleLength characters; empty when the string is missing.
constexpr int c_titleLength = 12;
const WCHAR* programTitle();

}  // namespace Orvane
