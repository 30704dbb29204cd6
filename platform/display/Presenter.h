// Presenters show the screen and bring in input: `sdl` (a desktop window) or `headless`,
// chosen by CE_DISPLAY, with an optional CE_SCRIPT driving the run.
#pragma once

#include <memory>

namespace ce::display {

class ScriptRunner;

// The message queue's event pump: called when a look at the queue found nothing, it brings in
// input and may wait up to the queue's timeout for some; wake ends that wait from any thread.
class Presenter {
public:
    Presenter();
    virtual ~Presenter();
    Presenter(const Presenter&) = delete;
    Presenter& operator=(const Presenter&) = delete;

    virtual void pump(int timeoutMs) = 0;
    virtual void wake() = 0;
    // Another process brought one of our windows forward: the desktop window comes up too.
    virtual void raise() {}

    void setScript(std::unique_ptr<ScriptRunner> script);

protected:
    // Gives the script its turn (its commands only when the queue is idle); returns how long
    // the presenter may wait: the shorter of the queue's timeout and the script's own (-1: no limit).
    int runScript(int timeoutMs);

private:
    std::unique_ptr<ScriptRunner> m_script;
};

// Installs the chosen presenter as the message queue's event pump. A presenter that cannot
// start says why on stderr and ends the process.
void startPresenter();

// Makes presenter the queue's event pump, replacing (and destroying) the one before.
void installPresenter(std::unique_ptr<Presenter> presenter);

}  // namespace ce::display
