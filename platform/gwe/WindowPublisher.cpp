// Publishing: the records, the process's claim on its files and the request channel live in
// one object, created after the message queue so that it goes (and its thread stops) first.
#include "gwe/WindowPublisher.h"

#include <unistd.h>

#include "gwe/ForegroundRequests.h"
#include "gwe/MessageQueue.h"
#include "gwe/Window.h"
#include "gwe/WindowClass.h"
#include "kernel/ForegroundChannel.h"
#include "kernel/RuntimeDirectory.h"
#include "kernel/WindowDirectory.h"
#include "winbase.h"

namespace ce::gwe {

namespace {

struct Publication {
    kernel::WindowDirectory directory;
    kernel::ForegroundChannel channel;
    std::vector<kernel::WindowRecord> published;
};

// Made after what the channel's thread calls into, so that it is destroyed (and the thread
// stopped) before those are.
Publication& publication() {
    MessageQueue::instance();
    ForegroundRequests::prepare();
    static Publication state;
    return state;
}

// Claims this process's files in folder and listens there; false when that cannot be done.
bool settleIn(Publication& state, const std::string& folder) {
    state.channel.stop();
    if (!state.directory.claim(folder)) return false;
    std::string socket = kernel::WindowDirectory::fileOf(folder, getpid(), ".sock");
    return state.channel.listen(socket, ForegroundRequests::received);
}

void republish(Publication& state, std::vector<kernel::WindowRecord> records) {
    std::string folder = kernel::runtimeDirectory();
    state.published = std::move(records);  // tried once per change, not on every idle turn
    if (folder.empty()) return;
    bool settled = state.directory.isClaimed() && state.directory.folder() == folder;
    if (!settled && !settleIn(state, folder)) return;
    state.directory.publish(state.published);
}

}  // namespace

void WindowPublisher::start() {
    static const bool c_started = [] {
        publication();
        MessageQueue::instance().addDelivery(onIdle);
        return true;
    }();
    (void)c_started;
}

std::vector<kernel::WindowRecord> WindowPublisher::snapshot() {
    std::vector<kernel::WindowRecord> records;
    WindowTree& tree = WindowTree::instance();
    for (HWND hwnd : tree.topLevel()) {
        const Window* window = tree.find(hwnd);
        if (!window || window->m_system || window->m_destroying) continue;
        records.push_back({reinterpret_cast<std::uintptr_t>(hwnd), window->m_class->name(), window->m_text});
    }
    return records;
}

void WindowPublisher::onIdle() {
    // Publishing is no call of the program's: it leaves the last error as it was.
    DWORD lastError = GetLastError();
    ForegroundRequests::carryOut();
    Publication& state = publication();
    std::vector<kernel::WindowRecord> records = snapshot();
    if (records != state.published) republish(state, std::move(records));
    SetLastError(lastError);
}

}  // namespace ce::gwe
