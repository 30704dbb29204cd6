// CAppModule: the program's module instance and the registry of its threads' message loops;
// appModule() is the one a program uses.
#pragma once

#include <map>
#include <thread>

#include "atl/CMessageLoop.h"

class CAppModule {
public:
    // instance null means the program's own module.
    BOOL Init(HINSTANCE hInstance = nullptr);
    void Term();

    HINSTANCE GetModuleInstance() const { return m_hInst; }
    HINSTANCE GetResourceInstance() const { return m_hInstResource; }
    void SetResourceInstance(HINSTANCE hInstance) { m_hInstResource = hInstance; }

    // One loop per thread: adding a second for the same thread fails.
    BOOL AddMessageLoop(CMessageLoop* pMsgLoop);
    BOOL RemoveMessageLoop();
    CMessageLoop* GetMessageLoop() const;

private:
    HINSTANCE m_hInst = nullptr;
    HINSTANCE m_hInstResource = nullptr;
    std::map<std::thread::id, CMessageLoop*> m_loops;
};

CAppModule& appModule();
