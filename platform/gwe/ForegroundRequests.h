// Requests from the user's other processes to bring one of our windows to the front: taken
// on the channel's thread, carried out on the window thread when its queue next looks for
// messages (as Win32 delivers messages sent from other threads).
#pragma once

#include <cstdint>
#include <functional>

namespace ce::gwe {

class ForegroundRequests {
public:
    // Sets up the request list before a channel can deliver, so that it outlives the channel.
    static void prepare();
    // Any thread: queues the request and wakes the window thread.
    static void received(std::uint64_t handle);
    // Window thread: shows and activates each requested window that is still ours, then
    // asks the presenter to raise the desktop window.
    static void carryOut();
    // What raises the desktop window (the presenter's); none by default.
    static void setRaiseHook(std::function<void()> hook);
};

}  // namespace ce::gwe
