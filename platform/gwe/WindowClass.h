// Window classes: what RegisterClassW records and CreateWindowExW looks up by name or atom.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "winuser.h"

namespace ce::gwe {

class WindowClass {
public:
    WindowClass(const WNDCLASSW& info, ATOM atom);

    const std::u16string& name() const { return m_name; }
    ATOM atom() const { return m_atom; }
    // The registration as GetClassInfoW reports it; its strings live as long as the class.
    const WNDCLASSW& info() const { return m_info; }
    bool isGlobal() const { return m_info.style & CS_GLOBALCLASS; }
    void setStyle(UINT style) { m_info.style = style; }
    std::vector<BYTE>& extraBytes() { return m_extra; }

    int windowCount() const { return m_windowCount; }
    void addWindow() { ++m_windowCount; }
    void removeWindow() { --m_windowCount; }

private:
    std::u16string m_name;
    std::u16string m_menuName;
    std::vector<BYTE> m_extra;  // cbClsExtra bytes, zero-filled
    WNDCLASSW m_info;
    ATOM m_atom;
    int m_windowCount = 0;
};

class ClassRegistry {
public:
    static ClassRegistry& instance();

    // Null, with the last error set, for a bad description or a name the module already has.
    WindowClass* add(const WNDCLASSW& info);
    // The class a module means by a name or atom: its own first, then a global one, then any
    // class of that name (callers often pass a null or foreign HINSTANCE).
    WindowClass* find(LPCWSTR nameOrAtom, HINSTANCE instance) const;
    // Sets the last error and returns false when the module has no such class or it has windows.
    bool remove(LPCWSTR nameOrAtom, HINSTANCE instance);

private:
    bool matches(const WindowClass& cls, LPCWSTR nameOrAtom) const;
    WindowClass* findOwn(LPCWSTR nameOrAtom, HINSTANCE instance) const;
    ATOM atomFor(const std::u16string& name);

    std::vector<std::unique_ptr<WindowClass>> m_classes;
    std::map<std::u16string, ATOM> m_atoms;  // by lower-cased name; atoms are never reused
    ATOM m_nextAtom = 0xC000;
};

// MAKEINTATOM values travel in a string pointer's place.
inline bool isIntAtom(LPCWSTR name) {
    auto value = reinterpret_cast<std::uintptr_t>(name);
    return value != 0 && value <= 0xFFFF;
}

}  // namespace ce::gwe
