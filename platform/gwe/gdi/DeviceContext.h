// Device contexts: where a drawing call lands (the screen or a memory DC's bitmap), the
// mapping from logical to surface coordinates, the clip, and the selected objects and
// colours with their SaveDC stack.
#pragma once

#include <optional>
#include <vector>

#include "gwe/gdi/Region.h"
#include "gwe/gdi/Surface.h"
#include "wingdi.h"

namespace ce::gdi {

// What SaveDC saves.
struct DcState {
    HBRUSH brush = nullptr;
    HPEN pen = nullptr;
    HFONT font = nullptr;
    HBITMAP bitmap = nullptr;  // memory DCs only
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    POINT viewportOrg{};
    POINT penPos{};
    // SelectClipRgn's region in device coordinates; none means the whole surface.
    std::optional<Region> clip;
};

class DeviceContext {
public:
    enum class Kind { Window, Memory };

    // A DC on the screen for a window: origin is where the window's (client) point 0,0 is on
    // the screen, visible is where the window may draw, in screen coordinates.
    static HDC createForWindow(HWND window, POINT origin, const Region& visible);
    // A memory DC, with the stock 1 x 1 monochrome bitmap selected.
    static HDC createMemory();
    // Null, with ERROR_INVALID_HANDLE, for a stale or unknown handle.
    static DeviceContext* find(HDC hdc);
    // Deselects everything and frees the DC.
    static bool destroy(HDC hdc);

    Kind kind() const { return m_kind; }
    HWND window() const { return m_window; }
    // The surface drawn into: the screen, or the selected bitmap's pixels.
    Surface& surface() const;
    // Resolution of the surface; memory DCs share the screen's.
    int dpi() const;

    // Logical to surface coordinates.
    POINT toSurface(POINT logical) const;
    RECT toSurface(const RECT& logical) const;
    // Where drawing may land, in surface coordinates: the visible area, the surface and the
    // DC's clip region together.
    Region clipRegion() const;

    // Call after drawing into area (surface coordinates, already clipped): presenters see the
    // change, and text runs that were there on the screen are gone.
    void paintedOver(const Region& area);
    void paintedOver(const RECT& area) { paintedOver(Region(area)); }

    DcState& state() { return m_state; }
    const DcState& state() const { return m_state; }
    // SaveDC and RestoreDC: the id of the saved state (1, 2 ...); restoring an id (or, when
    // negative, counting back from the newest) discards it and every state saved after it.
    int saveState();
    bool restoreSaved(int id);

    // Selecting keeps the objects' selection counts right.
    void selectBrush(HBRUSH brush);
    void selectPen(HPEN pen);
    void selectFont(HFONT font);
    void selectBitmap(HBITMAP bitmap);

private:
    void restoreState(DcState state);
    DeviceContext(Kind kind, HWND window, POINT origin, Region visible);
    void releaseObjects(const DcState& state);
    void retainObjects(const DcState& state);

    Kind m_kind;
    HWND m_window;
    POINT m_origin;
    Region m_visible;  // window DCs only
    DcState m_state;
    std::vector<DcState> m_saved;
};

}  // namespace ce::gdi
