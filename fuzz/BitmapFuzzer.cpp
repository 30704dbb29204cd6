// A module's .bmp resources, loaded as LoadBitmapW and LoadIconW load them: the input is the
// embedded file (both image and mask of the icon). What loads must be a bitmap of sane size.
#include <cstdint>
#include <cstdlib>

#include "ceresource.h"
#include "windows.h"

namespace {

ce::res::EmbeddedFile g_file{nullptr, 0, "fuzz input"};
const ce::res::BitmapResource c_bitmaps[] = {{1, g_file}};
const ce::res::IconResource c_icons[] = {{2, g_file, g_file}};
const ce::res::ModuleResources c_resources{.bitmaps = c_bitmaps, .icons = c_icons};
const ce::res::ModuleRegistration c_registration(c_resources);

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    g_file = {data, size, "fuzz input"};
    HINSTANCE module = c_registration.module();
    if (HBITMAP bitmap = LoadBitmapW(module, MAKEINTRESOURCEW(1))) {
        BITMAP info{};
        if (GetObjectW(bitmap, sizeof info, &info) != sizeof info || info.bmWidth <= 0 || info.bmHeight <= 0)
            std::abort();
        // Drawn once, so that every pixel of it is read.
        HDC screen = GetDC(nullptr);
        HDC source = CreateCompatibleDC(screen);
        HGDIOBJ old = SelectObject(source, bitmap);
        BitBlt(screen, 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
        ReleaseDC(nullptr, screen);
        DeleteObject(bitmap);
    }
    if (HICON icon = LoadIconW(module, MAKEINTRESOURCEW(2))) {
        HDC screen = GetDC(nullptr);
        DrawIcon(screen, 0, 0, icon);
        ReleaseDC(nullptr, screen);
        DestroyIcon(icon);
    }
    return 0;
}
