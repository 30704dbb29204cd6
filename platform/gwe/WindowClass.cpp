// The window class registry and the class API: RegisterClassW, UnregisterClassW,
// GetClassInfoW.
#include "gwe/WindowClass.h"

#include "cewchar.h"
#include "winbase.h"

namespace ce::gwe {

WindowClass::WindowClass(const WNDCLASSW& info, ATOM atom)
    : m_name(info.lpszClassName), m_extra(static_cast<size_t>(info.cbClsExtra)), m_info(info), m_atom(atom) {
    m_info.lpszClassName = m_name.c_str();
    if (info.lpszMenuName && !isIntAtom(info.lpszMenuName)) {
        m_menuName = info.lpszMenuName;
        m_info.lpszMenuName = m_menuName.c_str();
    }
}

ClassRegistry& ClassRegistry::instance() {
    static ClassRegistry registry;
    return registry;
}

WindowClass* ClassRegistry::add(const WNDCLASSW& info) {
    bool named = info.lpszClassName && !isIntAtom(info.lpszClassName) && info.lpszClassName[0];
    if (!named || info.cbClsExtra < 0 || info.cbWndExtra < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (WindowClass* existing = find(info.lpszClassName, info.hInstance);
        existing && (existing->info().hInstance == info.hInstance || existing->isGlobal())) {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return nullptr;
    }
    ATOM atom = atomFor(info.lpszClassName);
    if (!atom) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    m_classes.push_back(std::make_unique<WindowClass>(info, atom));
    return m_classes.back().get();
}

WindowClass* ClassRegistry::find(LPCWSTR nameOrAtom, HINSTANCE instance) const {
    if (WindowClass* own = findOwn(nameOrAtom, instance)) return own;
    WindowClass* any = nullptr;
    for (const auto& cls : m_classes) {
        if (!matches(*cls, nameOrAtom)) continue;
        if (cls->isGlobal()) return cls.get();
        if (!any) any = cls.get();
    }
    return any;
}

bool ClassRegistry::remove(LPCWSTR nameOrAtom, HINSTANCE instance) {
    WindowClass* cls = findOwn(nameOrAtom, instance);
    if (!cls) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return false;
    }
    if (cls->windowCount() > 0) {
        SetLastError(ERROR_CLASS_HAS_WINDOWS);
        return false;
    }
    std::erase_if(m_classes, [cls](const auto& entry) { return entry.get() == cls; });
    return true;
}

bool ClassRegistry::matches(const WindowClass& cls, LPCWSTR nameOrAtom) const {
    if (!nameOrAtom) return false;
    if (isIntAtom(nameOrAtom)) return cls.atom() == reinterpret_cast<std::uintptr_t>(nameOrAtom);
    return _wcsicmp(cls.name().c_str(), nameOrAtom) == 0;
}

WindowClass* ClassRegistry::findOwn(LPCWSTR nameOrAtom, HINSTANCE instance) const {
    for (const auto& cls : m_classes)
        if (cls->info().hInstance == instance && matches(*cls, nameOrAtom)) return cls.get();
    return nullptr;
}

// Like the system's atom table, one atom per name however often it is registered.
ATOM ClassRegistry::atomFor(const std::u16string& name) {
    std::u16string key = name;
    for (char16_t& c : key) c = towlower(c);
    if (auto found = m_atoms.find(key); found != m_atoms.end()) return found->second;
    if (m_nextAtom == 0) return 0;  // all 16384 class atoms used
    ATOM atom = m_nextAtom++;
    m_atoms.emplace(std::move(key), atom);
    return atom;
}

}  // namespace ce::gwe

using ce::gwe::ClassRegistry;

ATOM RegisterClassW(const WNDCLASSW* lpWndClass) {
    if (!lpWndClass) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    ce::gwe::WindowClass* cls = ClassRegistry::instance().add(*lpWndClass);
    return cls ? cls->atom() : 0;
}

BOOL UnregisterClassW(LPCWSTR lpClassName, HINSTANCE hInstance) {
    return ClassRegistry::instance().remove(lpClassName, hInstance);
}

BOOL GetClassInfoW(HINSTANCE hInstance, LPCWSTR lpClassName, WNDCLASSW* lpWndClass) {
    ce::gwe::WindowClass* cls = ClassRegistry::instance().find(lpClassName, hInstance);
    if (!cls) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    if (lpWndClass) *lpWndClass = cls->info();
    return TRUE;
}
