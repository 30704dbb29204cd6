// Makes this process's top-level windows findable by the user's other processes: class name,
// title and handle of each, republished whenever they change, and a channel on which the
// others ask for one to be brought to the front. The shell's own windows are left out.
#pragma once

#include <vector>

#include "kernel/WindowRecord.h"

namespace ce::gwe {

class WindowPublisher {
public:
    // Starts watching (once): the first window calls it. Publishing happens on the window
    // thread whenever its queue looks for messages, so a window is published as soon as its
    // creator is back in its message loop, with the settings (m_system) it made after creation.
    static void start();
    // What would be published now.
    static std::vector<kernel::WindowRecord> snapshot();
    // Republishes if the windows changed, and carries out the requests that came in.
    static void onIdle();
};

}  // namespace ce::gwe
