// Resource tables: how a module (the program or a shared library) lists its strings, bitmaps,
// icons, menus, dialog templates and accelerator tables, and registers them when it loads.
// docs/resources.md shows a whole table.
#pragma once

#include <cstddef>

#include "windef.h"
#include "winuser.h"

namespace ce {

// The module holding an address (code or data): its HINSTANCE, which is its load address.
// Null for an address outside every loaded module.
HINSTANCE moduleOf(const void* address);

}  // namespace ce

namespace ce::res {

// A constant array seen as a list; built from the array itself, so its size cannot drift.
template <class T>
class List {
public:
    constexpr List() = default;
    template <std::size_t N>
    constexpr List(const T (&items)[N]) : m_items(items), m_size(N) {}

    constexpr const T* begin() const { return m_items; }
    constexpr const T* end() const { return m_items + m_size; }
    constexpr std::size_t size() const { return m_size; }
    constexpr bool empty() const { return m_size == 0; }
    constexpr const T& operator[](std::size_t i) const { return m_items[i]; }

private:
    const T* m_items = nullptr;
    std::size_t m_size = 0;
};

// A file's bytes compiled into the module (orvane_embed_bitmaps makes these).
struct EmbeddedFile {
    const BYTE* data;
    std::size_t size;
    const char* name;  // the file it came from, for messages
};

struct StringResource {
    UINT id;
    LPCWSTR text;
};

// A .bmp file image.
struct BitmapResource {
    UINT id;
    const EmbeddedFile& file;
};

// An icon: a colour image and a 1-bit mask of the same size. Drawing keeps the screen where
// the mask is white and puts the image where it is black; the image is black under white.
struct IconResource {
    UINT id;
    const EmbeddedFile& image;
    const EmbeddedFile& mask;
};

// A menu item: a command (text, id, MF_ flags), a separator (MF_SEPARATOR, no text) or a
// popup (MF_POPUP, with its items).
struct MenuItem {
    LPCWSTR text;
    UINT id = 0;
    UINT flags = MF_STRING;
    List<MenuItem> popup = {};
};

struct MenuResource {
    UINT id;
    List<MenuItem> items;
};

// A dialog's control; positions and sizes are in dialog units.
struct DialogControl {
    LPCWSTR className;  // u"BUTTON", u"STATIC" ...
    LPCWSTR text;
    UINT id;
    DWORD style;  // WS_CHILD | WS_VISIBLE are not implied
    short x, y, cx, cy;
    DWORD exStyle = 0;
};

struct DialogResource {
    UINT id;
    DWORD style;
    DWORD exStyle;
    LPCWSTR caption;
    LPCWSTR fontName;  // null: the system font
    WORD fontPoints;
    short x, y, cx, cy;  // dialog units
    List<DialogControl> controls = {};
};

struct AcceleratorResource {
    UINT id;
    List<ACCEL> entries;
};

// A module's table. A module may register several; an id is looked up in all of them and the
// first registered wins.
struct ModuleResources {
    List<StringResource> strings = {};
    List<BitmapResource> bitmaps = {};
    List<IconResource> icons = {};
    List<MenuResource> menus = {};
    List<DialogResource> dialogs = {};
    List<AcceleratorResource> accelerators = {};
};

// Registers a table for the module that holds it while the object lives: declare one as a
// static object beside the table, and the table comes and goes with the module.
class ModuleRegistration {
public:
    explicit ModuleRegistration(const ModuleResources& resources);
    ~ModuleRegistration();
    ModuleRegistration(const ModuleRegistration&) = delete;
    ModuleRegistration& operator=(const ModuleRegistration&) = delete;

    HINSTANCE module() const { return m_module; }

private:
    HINSTANCE m_module;
    const ModuleResources& m_resources;
};

}  // namespace ce::res
