// CAppModule: the module instance and each thread's message loop.
#include "atl/CAppModule.h"

BOOL CAppModule::Init(HINSTANCE hInstance) {
    m_hInst = hInstance ? hInstance : ::GetModuleHandleW(nullptr);
    m_hInstResource = m_hInst;
    return m_hInst != nullptr;
}

void CAppModule::Term() {
    m_loops.clear();
    m_hInst = m_hInstResource = nullptr;
}

BOOL CAppModule::AddMessageLoop(CMessageLoop* pMsgLoop) {
    if (!pMsgLoop) return FALSE;
    return m_loops.emplace(std::this_thread::get_id(), pMsgLoop).second;
}

BOOL CAppModule::RemoveMessageLoop() {
    return m_loops.erase(std::this_thread::get_id()) != 0;
}

CMessageLoop* CAppModule::GetMessageLoop() const {
    auto found = m_loops.find(std::this_thread::get_id());
    return found != m_loops.end() ? found->second : nullptr;
}

CAppModule& appModule() {
    static CAppModule module;
    return module;
}
