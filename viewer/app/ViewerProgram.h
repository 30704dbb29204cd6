// Running the program once the single-instance check let it start: the application object,
// the message loop, the main frame, and the loop's quit code as the result.
#pragma once

#include <windows.h>

namespace Orvane {

// 0 after Ctrl+Q, 1 when the frame was closed or could not be made, 2 on hibernation.
int runViewer(int showCommand);

}  // namespace Orvane
