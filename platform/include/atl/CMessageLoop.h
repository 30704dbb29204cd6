// CMessageLoop: the thread's message loop, with message filters (asked newest first; one
// returning TRUE consumes the message) and idle handlers (run once each time the queue
// empties, re-armed by any message but mouse moves, paints and the caret timer).
#pragma once

#include <vector>

#include "windows.h"

class CMessageFilter {
public:
    virtual ~CMessageFilter() = default;
    virtual BOOL PreTranslateMessage(MSG* pMsg) = 0;
};

class CIdleHandler {
public:
    virtual ~CIdleHandler() = default;
    virtual BOOL OnIdle() = 0;
};

class CMessageLoop {
public:
    virtual ~CMessageLoop() = default;

    BOOL AddMessageFilter(CMessageFilter* pMessageFilter);
    BOOL RemoveMessageFilter(CMessageFilter* pMessageFilter);
    BOOL AddIdleHandler(CIdleHandler* pIdleHandler);
    BOOL RemoveIdleHandler(CIdleHandler* pIdleHandler);

    // Returns WM_QUIT's exit code.
    int Run();

    // Messages after which the idle handlers do not run again.
    static BOOL IsIdleMessage(const MSG* pMsg);

    MSG m_msg{};

protected:
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // FALSE when there is no more idle work until the next message.
    virtual BOOL OnIdle(int nIdleCount);

private:
    std::vector<CMessageFilter*> m_filters;
    std::vector<CIdleHandler*> m_idleHandlers;
};
