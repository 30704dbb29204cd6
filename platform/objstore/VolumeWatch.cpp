// The volume watch: inotify on the volume's folder (the write-ahead log may come and go),
// one wake-up posted per batch of changes however many writes there were, so that neither a
// busy writer nor a program that never reads its queue makes the queue grow.
#include "VolumeWatch.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "Store.h"
#include "gwe/MessageQueue.h"
#include "winbase.h"

namespace ce::objstore {

namespace {

// The watches of this process; touched on the window thread only.
std::vector<VolumeWatch*>& watches() {
    static std::vector<VolumeWatch*> list;
    return list;
}

void refreshWatchedStores() {
    // Not a call of the program's: it leaves the last error as it was.
    DWORD lastError = GetLastError();
    for (VolumeWatch* watch : std::vector<VolumeWatch*>(watches())) watch->refreshIfChanged();
    SetLastError(lastError);
}

void closeFd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

}  // namespace

VolumeWatch::VolumeWatch(Store& store, const std::string& volumePath) : m_store(store) {
    static const bool c_delivering = [] {
        gwe::MessageQueue::instance().addDelivery(refreshWatchedStores);
        return true;
    }();
    (void)c_delivering;
    watches().push_back(this);
    size_t slash = volumePath.find_last_of('/');
    std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : volumePath.substr(0, slash));
    m_volumeName = slash == std::string::npos ? volumePath : volumePath.substr(slash + 1);
    // Without a watch the program still hears of changes at its next store call.
    m_inotify = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_inotify < 0) return;
    if (::inotify_add_watch(m_inotify, folder.c_str(), IN_MODIFY | IN_CREATE | IN_MOVED_TO) < 0 ||
        ::pipe2(m_stopPipe, O_CLOEXEC) != 0) {
        closeFd(m_inotify);
        return;
    }
    m_owner = static_cast<int>(::getpid());
    m_thread = std::thread([this] { run(); });
}

VolumeWatch::~VolumeWatch() {
    std::erase(watches(), this);
    // After a fork the thread is not there; the child only lets go of it.
    if (m_thread.joinable()) {
        char stop = 0;
        if (::getpid() == m_owner && ::write(m_stopPipe[1], &stop, 1) == 1)
            m_thread.join();
        else
            m_thread.detach();
    }
    closeFd(m_inotify);
    closeFd(m_stopPipe[0]);
    closeFd(m_stopPipe[1]);
}

void VolumeWatch::refreshIfChanged() {
    if (m_changed.exchange(false)) m_store.refresh();
}

void VolumeWatch::changed() {
    // One wake-up until the window thread has looked.
    if (!m_changed.exchange(true)) gwe::MessageQueue::instance().post(nullptr, WM_NULL, 0, 0);
}

// A write to the log comes before the commit is visible: SQLite publishes it in the shared
// index afterwards, which no event tells of, so a look woken by the write itself may find
// nothing new. Once the folder has been quiet for a moment, one more look is asked for.
void VolumeWatch::run() {
    constexpr int c_settleMs = 50;
    pollfd watched[2] = {{m_inotify, POLLIN, 0}, {m_stopPipe[0], POLLIN, 0}};
    const std::string log = m_volumeName + "-wal";
    alignas(inotify_event) char buffer[4096];
    int timeout = -1;
    for (;;) {
        int ready = ::poll(watched, 2, timeout);
        if (ready < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (ready == 0) {
            timeout = -1;
            changed();
            continue;
        }
        if (watched[1].revents) return;
        ssize_t length = ::read(m_inotify, buffer, sizeof buffer);
        if (length <= 0) continue;
        bool ours = false;
        for (ssize_t at = 0; at + static_cast<ssize_t>(sizeof(inotify_event)) <= length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            // The name is NUL-padded within len; an overflow means events were lost.
            std::string name(event->name, strnlen(event->name, event->len));
            if ((event->mask & IN_Q_OVERFLOW) || name == m_volumeName || name == log) ours = true;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
        if (ours) {
            changed();
            timeout = c_settleMs;
        }
    }
}

}  // namespace ce::objstore
