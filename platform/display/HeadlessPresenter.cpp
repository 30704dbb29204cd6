// Waiting without a window. A wake that came before the wait ends the next one at once, so
// a post made between the queue's last look and this wait is never slept through.
#include "display/HeadlessPresenter.h"

#include <chrono>

namespace ce::display {

void HeadlessPresenter::pump(int timeoutMs) {
    int waitMs = runScript(timeoutMs);
    std::unique_lock lock(m_mutex);
    auto woken = [this] { return m_wakePending; };
    if (waitMs < 0)
        m_woken.wait(lock, woken);
    else if (waitMs > 0)
        m_woken.wait_for(lock, std::chrono::milliseconds(waitMs), woken);
    m_wakePending = false;
}

void HeadlessPresenter::wake() {
    {
        std::lock_guard lock(m_mutex);
        m_wakePending = true;
    }
    m_woken.notify_all();
}

}  // namespace ce::display
