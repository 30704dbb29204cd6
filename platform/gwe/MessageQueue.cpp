// The message queue: posting from any thread, retrieval in Win32 order, and waiting on the
// event pump or for a post.
#include "gwe/MessageQueue.h"

#include <algorithm>
#include <chrono>
#include <utility>

#include "display/Presenter.h"
#include "gwe/Painting.h"
#include "gwe/Timers.h"
#include "kernel/IdleHooks.h"
#include "gwe/Window.h"
#include "winbase.h"

namespace ce::gwe {

namespace {
const HWND c_threadOnly = reinterpret_cast<HWND>(static_cast<LONG_PTR>(-1));
}

bool MessageFilter::matchesWindow(HWND target) const {
    if (!hwnd) return true;
    if (hwnd == c_threadOnly) return !target;
    return target && (target == hwnd || WindowTree::instance().isDescendant(hwnd, target));
}

// Paint comes before timers, as on Win32.
MessageQueue& MessageQueue::instance() {
    static MessageQueue queue;
    static bool sourcesAdded = [] {
        queue.addMessageSource(takePaintMessage);
        queue.addMessageSource(takeTimerMessage);
        queue.addDeadline(msUntilNextTimer);
        return true;
    }();
    (void)sourcesAdded;
    return queue;
}

bool MessageQueue::post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Wake wake;
    {
        std::lock_guard lock(m_mutex);
        if (hwnd && !m_windows.contains(hwnd)) return false;
        m_posted.push_back(MSG{hwnd, message, wParam, lParam, GetTickCount(), m_cursorPos});
        ++m_postCount;
        wake = m_wake;
    }
    m_postedCv.notify_all();
    if (wake) wake();
    return true;
}

void MessageQueue::attachWindow(HWND hwnd) {
    std::lock_guard lock(m_mutex);
    m_windows.insert(hwnd);
}

void MessageQueue::detachWindow(HWND hwnd) {
    std::lock_guard lock(m_mutex);
    m_windows.erase(hwnd);
    std::erase_if(m_posted, [hwnd](const MSG& msg) { return msg.hwnd == hwnd; });
}

void MessageQueue::postQuit(int exitCode) {
    m_quit = true;
    m_exitCode = exitCode;
}

bool MessageQueue::peek(const MessageFilter& filter, bool remove, MSG& msg) {
    unsigned long seenPosts;
    {
        std::lock_guard lock(m_mutex);
        seenPosts = m_postCount;
    }
    bool found = takePosted(filter, remove, msg) || takeQuit(remove, msg) ||
                 takeFromSources(filter, remove, msg);
    if (found) m_last = msg;
    m_idleSincePost.reset();
    if (!found && filter.takesEverything()) m_idleSincePost = seenPosts;
    return found;
}

bool MessageQueue::isIdle() {
    std::lock_guard lock(m_mutex);
    return m_idleSincePost == m_postCount && !m_quit;
}

void MessageQueue::get(const MessageFilter& filter, MSG& msg) {
    for (;;) {
        unsigned long seenPosts;
        {
            std::lock_guard lock(m_mutex);
            seenPosts = m_postCount;
        }
        if (peek(filter, true, msg)) return;
        ensurePump();
        kernel::runIdleHooks();
        if (m_pump)
            m_pump(nextDeadline());
        else
            waitForPost(seenPosts, nextDeadline());
    }
}

void MessageQueue::pump() {
    ensurePump();
    if (m_pump) m_pump(0);
}

// The presenter starts when a program first asks for input, not when the library loads, so
// that programs and tests that never run a message loop need no display.
void MessageQueue::ensurePump() {
    if (m_pump || std::exchange(m_pumpRequested, true)) return;
    display::startPresenter();
}

int MessageQueue::nextDeadline() const {
    int soonest = -1;
    for (const Deadline& deadline : m_deadlines) {
        int ms = deadline();
        if (ms >= 0 && (soonest < 0 || ms < soonest)) soonest = ms;
    }
    return soonest;
}

void MessageQueue::addDeadline(Deadline deadline) {
    m_deadlines.push_back(std::move(deadline));
}

void MessageQueue::addDelivery(Delivery delivery) {
    m_deliveries.push_back(std::move(delivery));
}

void MessageQueue::setEventPump(EventPump pump, Wake wake) {
    m_pump = std::move(pump);
    std::lock_guard lock(m_mutex);
    m_wake = std::move(wake);
}

void MessageQueue::addMessageSource(MessageSource source) {
    m_sources.push_back(std::move(source));
}

void MessageQueue::setCursorPos(POINT pt) {
    std::lock_guard lock(m_mutex);
    m_cursorPos = pt;
}

bool MessageQueue::takePosted(const MessageFilter& filter, bool remove, MSG& msg) {
    std::lock_guard lock(m_mutex);
    auto match = std::find_if(m_posted.begin(), m_posted.end(), [&filter](const MSG& queued) {
        return filter.matchesMessage(queued.message) && filter.matchesWindow(queued.hwnd);
    });
    if (match == m_posted.end()) return false;
    msg = *match;
    if (remove) m_posted.erase(match);
    return true;
}

// WM_QUIT ignores the filter, as on Win32, but waits behind the posted messages it lets through.
bool MessageQueue::takeQuit(bool remove, MSG& msg) {
    if (!m_quit) return false;
    POINT pt;
    {
        std::lock_guard lock(m_mutex);
        pt = m_cursorPos;
    }
    msg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(m_exitCode), 0, GetTickCount(), pt};
    if (remove) m_quit = false;
    return true;
}

bool MessageQueue::takeFromSources(const MessageFilter& filter, bool remove, MSG& msg) {
    for (const Delivery& delivery : m_deliveries) delivery();
    for (const MessageSource& source : m_sources)
        if (source(filter, remove, msg)) return true;
    return false;
}

// Sleeps until another thread posts or the timeout passes; a post that came after seenPosts
// returns at once.
void MessageQueue::waitForPost(unsigned long seenPosts, int timeoutMs) {
    std::unique_lock lock(m_mutex);
    auto posted = [this, seenPosts] { return m_postCount != seenPosts; };
    if (timeoutMs < 0)
        m_postedCv.wait(lock, posted);
    else
        m_postedCv.wait_for(lock, std::chrono::milliseconds(timeoutMs), posted);
}

}  // namespace ce::gwe
