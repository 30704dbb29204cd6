// The part every presenter shares: the script's turn at idle time, and installation as the
// message queue's event pump.
#include "display/Presenter.h"

#include <algorithm>

#include "display/ScriptRunner.h"
#include "gwe/ForegroundRequests.h"
#include "gwe/MessageQueue.h"

namespace ce::display {

namespace {

std::unique_ptr<Presenter>& installed() {
    static std::unique_ptr<Presenter> presenter;
    return presenter;
}

int shorterWait(int a, int b) {
    if (a < 0) return b;
    if (b < 0) return a;
    return std::min(a, b);
}

}  // namespace

Presenter::Presenter() = default;
Presenter::~Presenter() = default;

void Presenter::setScript(std::unique_ptr<ScriptRunner> script) {
    m_script = std::move(script);
}

int Presenter::runScript(int timeoutMs) {
    if (!m_script) return timeoutMs;
    return shorterWait(timeoutMs, m_script->onPump(gwe::MessageQueue::instance().isIdle()));
}

void installPresenter(std::unique_ptr<Presenter> presenter) {
    Presenter* raw = presenter.get();
    gwe::MessageQueue::instance().setEventPump([raw](int timeoutMs) { raw->pump(timeoutMs); },
                                               [raw] { raw->wake(); });
    gwe::ForegroundRequests::setRaiseHook([raw] { raw->raise(); });
    installed() = std::move(presenter);
}

}  // namespace ce::display
