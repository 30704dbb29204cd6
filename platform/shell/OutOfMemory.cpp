// SHShowOutOfMemory: the shell's "memory is full" message box, shown through MessageBoxW so
// that whatever answers message boxes answers this one too.
#include "aygshell.h"
#include "winuser.h"

namespace {
const WCHAR c_caption[] = u"Out of Memory";
const WCHAR c_text[] =
    u"Program memory is very low. Close programs you are not using, or move some storage "
    u"memory to program memory in Settings, System, Memory.";
}  // namespace

// grfFlags is reserved. An owner that is gone no longer owns the box, but it still shows.
int SHShowOutOfMemory(HWND hwndOwner, UINT /*grfFlags*/) {
    HWND owner = IsWindow(hwndOwner) ? hwndOwner : nullptr;
    MessageBoxW(owner, c_text, c_caption, MB_ICONSTOP | MB_OK | MB_SETFOREGROUND);
    return 0;
}
