// The thread's message queue: posted messages, the quit flag, sources of synthesised
// messages, and the event pump that brings in input. Sent messages never pass through here.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <unordered_set>
#include <vector>

#include "winuser.h"

namespace ce::gwe {

// What GetMessageW and PeekMessageW ask for.
struct MessageFilter {
    HWND hwnd = nullptr;  // null: anything; HWND(-1): thread messages only; else that window and its children
    UINT first = 0;
    UINT last = 0;  // first == last == 0, or first > last: every message

    bool everyMessage() const { return first > last || (first == 0 && last == 0); }
    bool matchesMessage(UINT message) const { return everyMessage() || (message >= first && message <= last); }
    bool matchesWindow(HWND target) const;
    // No window and no range: a look at everything the thread has.
    bool takesEverything() const { return !hwnd && everyMessage(); }
};

// One queue serves the one thread that runs windows. post() and the pump's wake-up may come
// from any thread, so the posted messages and the set of live windows are behind a mutex;
// everything else belongs to the window thread.
class MessageQueue {
public:
    // Produces input when nothing is waiting: it posts messages (or sets flags a source
    // reads). It may wait up to timeoutMs for something to happen (-1: as long as it takes,
    // 0: not at all); a post from another thread calls Wake, which must end the wait.
    using EventPump = std::function<void(int timeoutMs)>;
    // Called after a post from any thread, so that a blocked pump can return.
    using Wake = std::function<void()>;
    // Makes a message that is a state, not a queue entry (WM_PAINT, WM_TIMER): fills msg and
    // returns true when it has one that passes the filter; consumes it only with remove.
    using MessageSource = std::function<bool(const MessageFilter& filter, bool remove, MSG& msg)>;
    // Milliseconds until a source will have a message of its own accord (a timer), or -1.
    using Deadline = std::function<int()>;
    // What other threads and processes left for the window thread (as Win32 delivers sent
    // messages during any look): done when a look finds nothing posted, before the sources,
    // so that what it changes (a window to repaint) is seen by the same look.
    using Delivery = std::function<void()>;

    static MessageQueue& instance();

    // Any thread. False when hwnd is neither null nor a live window.
    bool post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void attachWindow(HWND hwnd);
    // The window is gone: messages still queued for it are dropped.
    void detachWindow(HWND hwnd);

    void postQuit(int exitCode);
    // The next message the filter lets through, in Win32 order: posted messages, then WM_QUIT,
    // then the sources in the order added.
    bool peek(const MessageFilter& filter, bool remove, MSG& msg);
    // As peek with removal, but waits: on the pump if one is installed, else until a post.
    void get(const MessageFilter& filter, MSG& msg);
    // Lets the pump bring in input that is already there, without waiting.
    void pump();
    // The thread is idle: the last look took everything into account and found nothing
    // (nothing posted, no quit, no delivery, paint or timer due), and nothing has been posted
    // since. A look with a filter is a loop waiting for something particular, never idle.
    bool isIdle();

    void setEventPump(EventPump pump, Wake wake);
    void addMessageSource(MessageSource source);
    void addDeadline(Deadline deadline);
    void addDelivery(Delivery delivery);
    // Where the stylus is, stamped on messages as they are posted.
    void setCursorPos(POINT pt);
    // The last message peek or get returned, for GetMessageTime and GetMessagePos.
    const MSG& lastMessage() const { return m_last; }

private:
    bool takePosted(const MessageFilter& filter, bool remove, MSG& msg);
    bool takeQuit(bool remove, MSG& msg);
    bool takeFromSources(const MessageFilter& filter, bool remove, MSG& msg);
    void waitForPost(unsigned long seenPosts, int timeoutMs);
    int nextDeadline() const;
    void ensurePump();

    std::mutex m_mutex;  // guards m_posted, m_windows, m_postCount, m_wake and m_cursorPos
    std::condition_variable m_postedCv;
    std::deque<MSG> m_posted;
    std::unordered_set<HWND> m_windows;
    unsigned long m_postCount = 0;

    bool m_quit = false;
    int m_exitCode = 0;
    EventPump m_pump;
    Wake m_wake;
    std::vector<MessageSource> m_sources;
    std::vector<Deadline> m_deadlines;
    std::vector<Delivery> m_deliveries;
    // m_postCount when the last look took everything and found nothing; none after any other.
    std::optional<unsigned long> m_idleSincePost;
    bool m_pumpRequested = false;
    POINT m_cursorPos{};
    MSG m_last{};
};

}  // namespace ce::gwe
