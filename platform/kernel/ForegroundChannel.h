// Requests to bring a window to the front, from the user's other processes: a datagram socket
// per process in the runtime folder (private to the user, as the folder is), read by a small
// thread that hands each request on.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <thread>

namespace ce::kernel {

class ForegroundChannel {
public:
    // Called on the channel's own thread with the handle another process asked for.
    using Handler = std::function<void(std::uint64_t handle)>;

    ForegroundChannel() = default;
    ~ForegroundChannel();
    ForegroundChannel(const ForegroundChannel&) = delete;
    ForegroundChannel& operator=(const ForegroundChannel&) = delete;

    // Binds the socket at path (replacing a stale one) and starts listening.
    bool listen(const std::string& path, Handler handler);
    // Stops the thread and removes the socket; a forked child leaves its parent's alone.
    void stop();

    // Hands the request to the process listening at path without waiting for it: true when
    // a live listener took it.
    static bool send(const std::string& path, std::uint64_t handle);

private:
    void run();

    int m_socket = -1;
    int m_stopPipe[2] = {-1, -1};
    int m_owner = 0;
    std::string m_path;
    Handler m_handler;
    std::thread m_thread;
};

}  // namespace ce::kernel
