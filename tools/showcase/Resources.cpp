// The showcase's resource table: strings, the scroll arrows with their masks, the menu bar,
// the accelerators and the About box.
#include "ceresource.h"
#include "resource.h"
#include "showcase_bitmaps.h"

namespace {

const ce::res::StringResource c_strings[] = {
    {IDS_TITLE, u"Showcase"},
    {IDS_HINT, u"Tap a row; hold it for its menu"},
    {IDS_TAGGED, u"tagged"},
    {IDS_SELECTED, u"Selected: %s"},
    {IDS_DELETE_QUESTION, u"Delete %s? It cannot be brought back."},
    {IDS_DELETED, u"Deleted: %s"},
    {IDS_KEPT, u"Kept: %s"},
};

const ce::res::BitmapResource c_bitmaps[] = {
    {IDB_ARROW_UP, showcase_bitmaps::arrow_up},
    {IDB_ARROW_UP_MASK, showcase_bitmaps::arrow_up_mask},
    {IDB_ARROW_DOWN, showcase_bitmaps::arrow_down},
    {IDB_ARROW_DOWN_MASK, showcase_bitmaps::arrow_down_mask},
};

const ce::res::MenuItem c_toolsItems[] = {
    {u"Tag", IDM_TAG},
    {u"Delete...", IDM_DELETE},
    {nullptr, 0, MF_SEPARATOR},
    {u"Quit", IDM_QUIT},
};
const ce::res::MenuItem c_menuBarItems[] = {
    {u"Tools", 0, MF_POPUP, c_toolsItems},
    {u"About", IDM_ABOUT},
};
const ce::res::MenuResource c_menus[] = {
    {IDR_MENUBAR, c_menuBarItems},
};

const ACCEL c_mainAccelerators[] = {
    {FVIRTKEY | FCONTROL, 'T', IDM_TAG},
    {FVIRTKEY | FCONTROL, 'Q', IDM_QUIT},
};
const ce::res::AcceleratorResource c_accelerators[] = {
    {IDA_MAIN, c_mainAccelerators},
};

const ce::res::DialogControl c_aboutControls[] = {
    {u"STATIC", MAKEINTRESOURCEW(IDB_ARROW_UP), 0xFFFF, WS_CHILD | WS_VISIBLE | SS_BITMAP, 20, 13, 16, 16},
    {u"STATIC", u"Showcase", 0xFFFF, WS_CHILD | WS_VISIBLE | SS_LEFT, 50, 13, 90, 10},
    {u"STATIC", u"Version:", 0xFFFF, WS_CHILD | WS_VISIBLE | SS_RIGHT, 8, 40, 40, 8},
    {u"STATIC", u"Version", IDC_VERSION, WS_CHILD | WS_VISIBLE | SS_LEFT, 52, 40, 90, 8},
    {u"STATIC", u"A small program that shows the window system at work: rows, menus, "
                u"message boxes and this box.",
     0xFFFF, WS_CHILD | WS_VISIBLE | SS_LEFT, 8, 60, 138, 40},
};
const ce::res::DialogResource c_dialogs[] = {
    {.id = IDD_ABOUT, .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, .exStyle = 0,
     .caption = u"About Showcase", .fontName = u"System", .fontPoints = 8, .x = 0, .y = 0, .cx = 154, .cy = 162,
     .controls = c_aboutControls},
};

const ce::res::ModuleResources c_resources{.strings = c_strings, .bitmaps = c_bitmaps, .menus = c_menus,
                                           .dialogs = c_dialogs, .accelerators = c_accelerators};
const ce::res::ModuleRegistration c_registration(c_resources);

}  // namespace
