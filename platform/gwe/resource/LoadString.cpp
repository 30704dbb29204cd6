// LoadStringW: a string from a module's table.
#include <algorithm>

#include "cewchar.h"
#include "gwe/resource/ResourceRegistry.h"

// With cchBufferMax 0 the buffer receives a pointer to the table's own (terminated) text,
// as on the handheld. An unknown id leaves an empty string in a given buffer.
int LoadStringW(HINSTANCE hInstance, UINT uID, LPWSTR lpBuffer, int cchBufferMax) {
    if (!lpBuffer || cchBufferMax < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const ce::res::StringResource* resource =
        ce::res::findResource(hInstance, uID, &ce::res::ModuleResources::strings);
    if (!resource) {
        if (cchBufferMax > 0) lpBuffer[0] = 0;
        return 0;
    }
    int length = static_cast<int>(wcslen(resource->text));
    if (cchBufferMax == 0) {
        *reinterpret_cast<LPCWSTR*>(lpBuffer) = resource->text;
        return length;
    }
    int copied = std::min(length, cchBufferMax - 1);
    std::copy_n(resource->text, copied, lpBuffer);
    lpBuffer[copied] = 0;
    return copied;
}
