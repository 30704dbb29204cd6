// GDI objects (brushes, pens, fonts, bitmaps, regions) behind validated handles. Each kind
// derives from GdiObject; stock objects live for the whole run and cannot be deleted.
#pragma once

#include <memory>

#include "gwe/gdi/Region.h"
#include "gwe/gdi/Surface.h"
#include "kernel/HandleTable.h"
#include "wingdi.h"

namespace ce::gdi {

class GdiObject {
public:
    explicit GdiObject(DWORD type) : m_type(type) {}
    virtual ~GdiObject() = default;

    DWORD type() const { return m_type; }  // OBJ_BRUSH, OBJ_PEN, OBJ_FONT, OBJ_BITMAP, OBJ_REGION
    // GetObjectW: the object's description (LOGBRUSH, LOGPEN, LOGFONTW, BITMAP) into buffer,
    // at most size bytes; with no buffer, the size it needs. Returns the bytes written.
    virtual int describe(int size, void* buffer) const = 0;
    bool isStock() const { return m_stock; }
    void makeStock() { m_stock = true; }
    // How many device contexts have it selected; a selected object cannot be deleted.
    int selections() const { return m_selections; }
    void select() { ++m_selections; }
    void deselect() { --m_selections; }

private:
    DWORD m_type;
    bool m_stock = false;
    int m_selections = 0;
};

struct Brush : GdiObject {
    Brush(COLORREF color, bool hollow) : GdiObject(OBJ_BRUSH), m_color(color), m_hollow(hollow) {}
    int describe(int size, void* buffer) const override;
    COLORREF m_color;
    bool m_hollow;  // NULL_BRUSH: fills nothing
};

struct Pen : GdiObject {
    Pen(int style, int width, COLORREF color) : GdiObject(OBJ_PEN), m_style(style), m_width(width), m_color(color) {}
    int describe(int size, void* buffer) const override;
    int m_style;
    int m_width;
    COLORREF m_color;
};

// A bitmap keeps its pixels 32-bit whatever its format; m_bitsPerPixel is the format it was
// made in, as GetObjectW reports, and 1 makes it a monochrome mask (white = bit 1).
struct Bitmap : GdiObject {
    Bitmap(int width, int height, int bitsPerPixel) :
        GdiObject(OBJ_BITMAP), m_surface(width, height, 0), m_bitsPerPixel(bitsPerPixel) {}
    int describe(int size, void* buffer) const override;
    Surface m_surface;
    int m_bitsPerPixel;
};

struct RegionObject : GdiObject {
    explicit RegionObject(Region region) : GdiObject(OBJ_REGION), m_region(std::move(region)) {}
    int describe(int, void*) const override { return 0; }
    Region m_region;
};

class GdiObjects {
public:
    static GdiObjects& instance();

    // Null when no handle is left.
    HGDIOBJ add(std::unique_ptr<GdiObject> object);
    GdiObject* find(HGDIOBJ handle) const;
    // The object if it is of that kind; null (with ERROR_INVALID_HANDLE) otherwise.
    template <class T>
    T* findAs(HGDIOBJ handle, DWORD type) const {
        GdiObject* object = find(handle);
        if (!object || object->type() != type) {
            invalidHandle();
            return nullptr;
        }
        return static_cast<T*>(object);
    }
    // Frees the object unless it is stock or selected; false with the last error set then.
    bool remove(HGDIOBJ handle);

private:
    static void invalidHandle();
    HandleTable<GdiObject> m_table;
};

inline Brush* findBrush(HBRUSH h) { return GdiObjects::instance().findAs<Brush>(h, OBJ_BRUSH); }
inline Pen* findPen(HPEN h) { return GdiObjects::instance().findAs<Pen>(h, OBJ_PEN); }
inline Bitmap* findBitmap(HBITMAP h) { return GdiObjects::instance().findAs<Bitmap>(h, OBJ_BITMAP); }
inline RegionObject* findRegion(HRGN h) { return GdiObjects::instance().findAs<RegionObject>(h, OBJ_REGION); }

// Stock objects made on first use: the default bitmap of a memory DC (1 x 1, monochrome)
// and, made by the font engine, SYSTEM_FONT.
HBITMAP stockBitmap();
HFONT createStockSystemFont();

}  // namespace ce::gdi
