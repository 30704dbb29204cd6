// The request channel: one fixed-size datagram per request, checked for its tag before use.
#include "kernel/ForegroundChannel.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace ce::kernel {

namespace {

constexpr char c_tag[8] = {'o', 'r', 'v', 'f', 'r', 'o', 'n', 't'};

struct Request {
    char tag[8];
    std::uint64_t handle;
};

bool addressOf(const std::string& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

void closeFd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

}  // namespace

ForegroundChannel::~ForegroundChannel() {
    stop();
}

bool ForegroundChannel::listen(const std::string& path, Handler handler) {
    stop();
    sockaddr_un address;
    if (!addressOf(path, address)) return false;
    m_socket = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (m_socket < 0) return false;
    ::unlink(path.c_str());
    // Only the user may write to it (the folder already keeps others out).
    if (::bind(m_socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::chmod(path.c_str(), 0600) != 0 || ::pipe2(m_stopPipe, O_CLOEXEC) != 0) {
        closeFd(m_socket);
        return false;
    }
    m_owner = static_cast<int>(getpid());
    m_path = path;
    m_handler = std::move(handler);
    m_thread = std::thread([this] { run(); });
    return true;
}

void ForegroundChannel::stop() {
    if (m_socket < 0) return;
    // After a fork the thread is not there and the socket is the parent's.
    if (getpid() == m_owner && m_thread.joinable()) {
        char stop = 0;
        if (::write(m_stopPipe[1], &stop, 1) == 1) m_thread.join();
        if (m_thread.joinable()) m_thread.detach();
        ::unlink(m_path.c_str());
    } else if (m_thread.joinable()) {
        m_thread.detach();
    }
    closeFd(m_socket);
    closeFd(m_stopPipe[0]);
    closeFd(m_stopPipe[1]);
}

void ForegroundChannel::run() {
    pollfd watched[2] = {{m_socket, POLLIN, 0}, {m_stopPipe[0], POLLIN, 0}};
    for (;;) {
        if (::poll(watched, 2, -1) < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (watched[1].revents) return;
        Request request;
        ssize_t length = ::recv(m_socket, &request, sizeof request, MSG_DONTWAIT);
        if (length == sizeof request && std::memcmp(request.tag, c_tag, sizeof c_tag) == 0)
            m_handler(request.handle);
    }
}

bool ForegroundChannel::send(const std::string& path, std::uint64_t handle) {
    sockaddr_un address;
    if (!addressOf(path, address)) return false;
    int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    Request request;
    std::memcpy(request.tag, c_tag, sizeof c_tag);
    request.handle = handle;
    ssize_t sent = ::sendto(fd, &request, sizeof request, MSG_DONTWAIT,
                            reinterpret_cast<const sockaddr*>(&address), sizeof address);
    ::close(fd);
    return sent == sizeof request;
}

}  // namespace ce::kernel
