// The presenter without a window: nothing is shown and input comes only from a script, so
// the pump waits for posts from other threads, the queue's timers and the script's own time.
#pragma once

#include <condition_variable>
#include <mutex>

#include "display/Presenter.h"

namespace ce::display {

class HeadlessPresenter : public Presenter {
public:
    void pump(int timeoutMs) override;
    void wake() override;

private:
    std::mutex m_mutex;
    std::condition_variable m_woken;
    bool m_wakePending = false;
};

}  // namespace ce::display
