// Class data of a window's class: GetClassLongW and SetClassLongW over the class style, its
// extra-byte sizes and its cbClsExtra bytes (byte offsets, bounds-checked).
#include <cstring>

#include "gwe/Window.h"
#include "gwe/WindowClass.h"
#include "winbase.h"

namespace {

using ce::gwe::WindowClass;

WindowClass* classOf(HWND hwnd) {
    ce::gwe::Window* window = ce::gwe::WindowTree::instance().findOrFail(hwnd);
    return window ? window->m_class : nullptr;
}

BYTE* extraAt(WindowClass& cls, int offset) {
    std::vector<BYTE>& extra = cls.extraBytes();
    if (offset < 0 || static_cast<size_t>(offset) + sizeof(DWORD) > extra.size()) return nullptr;
    return extra.data() + offset;
}

bool read(WindowClass& cls, int index, DWORD& value) {
    switch (index) {
    case GCL_STYLE: value = cls.info().style; return true;
    case GCL_CBWNDEXTRA: value = static_cast<DWORD>(cls.info().cbWndExtra); return true;
    case GCL_CBCLSEXTRA: value = static_cast<DWORD>(cls.info().cbClsExtra); return true;
    }
    const BYTE* bytes = extraAt(cls, index);
    if (bytes) std::memcpy(&value, bytes, sizeof value);
    return bytes != nullptr;
}

}  // namespace

DWORD GetClassLongW(HWND hWnd, int nIndex) {
    WindowClass* cls = classOf(hWnd);
    DWORD value = 0;
    if (cls && !read(*cls, nIndex, value)) SetLastError(ERROR_INVALID_PARAMETER);
    return value;
}

DWORD SetClassLongW(HWND hWnd, int nIndex, LONG dwNewLong) {
    WindowClass* cls = classOf(hWnd);
    DWORD previous = 0;
    if (!cls) return 0;
    BYTE* bytes = nIndex == GCL_STYLE ? nullptr : extraAt(*cls, nIndex);
    if (nIndex != GCL_STYLE && !bytes) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    read(*cls, nIndex, previous);
    if (bytes)
        std::memcpy(bytes, &dwNewLong, sizeof dwNewLong);
    else
        cls->setStyle(static_cast<UINT>(dwNewLong));
    return previous;
}
