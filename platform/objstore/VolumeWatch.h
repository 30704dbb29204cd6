// Wakes the window thread when another process may have changed the volume, so that a
// program waiting for messages refreshes its store and its handles get their notifications.
// A small thread waits on inotify for writes to the volume and its write-ahead log; the store
// work itself is done on the window thread, when its queue next looks for messages.
#pragma once

#include <atomic>
#include <string>
#include <thread>

namespace ce::objstore {

class Store;

class VolumeWatch {
public:
    VolumeWatch(Store& store, const std::string& volumePath);
    ~VolumeWatch();
    VolumeWatch(const VolumeWatch&) = delete;
    VolumeWatch& operator=(const VolumeWatch&) = delete;

    // Window thread: refreshes the store when the file changed since the last time.
    void refreshIfChanged();

private:
    void run();
    void changed();

    Store& m_store;
    std::string m_volumeName;
    std::atomic<bool> m_changed{true};  // whatever came before the watch began is looked at once
    int m_inotify = -1;
    int m_stopPipe[2] = {-1, -1};
    int m_owner = 0;
    std::thread m_thread;
};

}  // namespace ce::objstore
