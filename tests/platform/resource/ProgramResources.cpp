// The test program's own resource table: the same ids as the test module's, other contents.
#include "ceresource.h"
#include "platform/resource/TestResourceIds.h"
#include "program_bitmaps.h"

namespace {

const ce::res::StringResource c_strings[] = {
    {IDS_GREETING, u"Hello from the program"},
};

const ce::res::BitmapResource c_bitmaps[] = {
    {IDB_PICTURE, program_bitmaps::program_picture},
};

const ce::res::IconResource c_icons[] = {
    {IDI_MARK, program_bitmaps::icon_image, program_bitmaps::icon_mask},
};

const ce::res::MenuItem c_sortMenu[] = {
    {u"By &name", IDM_SORT_NAME, MF_CHECKED},
};
const ce::res::MenuItem c_fileMenu[] = {
    {u"&Open", IDM_OPEN},
    {u"Sort", 0, MF_POPUP, c_sortMenu},
    {nullptr, 0, MF_SEPARATOR},
    {u"E&xit", IDM_EXIT, MF_GRAYED},
};
const ce::res::MenuItem c_mainMenu[] = {
    {u"File", 0, MF_POPUP, c_fileMenu},
};
const ce::res::MenuResource c_menus[] = {
    {IDR_MAIN_MENU, c_mainMenu},
};

const ce::res::DialogControl c_aboutControls[] = {
    {u"STATIC", u"Orvane", 1000, WS_CHILD | WS_VISIBLE, 8, 8, 100, 10},
    {u"BUTTON", u"OK", IDOK, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 40, 60, 50, 14},
};
const ce::res::DialogResource c_dialogs[] = {
    {.id = IDD_ABOUT, .style = WS_POPUP | WS_CAPTION, .exStyle = 0, .caption = u"About",
     .fontName = u"Tahoma", .fontPoints = 8, .x = 0, .y = 0, .cx = 140, .cy = 80, .controls = c_aboutControls},
};

const ACCEL c_mainAccelerators[] = {
    {FVIRTKEY | FCONTROL, 'O', IDM_OPEN},
    {FVIRTKEY | FCONTROL | FSHIFT, 'Q', IDM_EXIT},
};
const ce::res::AcceleratorResource c_accelerators[] = {
    {IDA_MAIN, c_mainAccelerators},
};

const ce::res::ModuleResources c_resources{
    .strings = c_strings, .bitmaps = c_bitmaps, .icons = c_icons,
    .menus = c_menus, .dialogs = c_dialogs, .accelerators = c_accelerators};
const ce::res::ModuleRegistration c_registration(c_resources);

}  // namespace
